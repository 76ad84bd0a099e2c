#pragma once
// Work that the first paint of the main window does not need: it runs once
// the window has painted for the first time, one step per turn of the event
// loop, so that no step holds up a click for long.
#include <QWidget>
#include <functional>
#include <vector>

namespace kopira {

void afterFirstPaint(QWidget* window, std::vector<std::function<void()>> steps);

}  // namespace kopira
