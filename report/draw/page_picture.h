#pragma once
// Replays a recorded page picture (EMF bytes) stretched over a rectangle.
#include <QByteArray>
#include <QRect>

class QPainter;

namespace kopira::report {

void playPagePicture(QPainter& painter, const QByteArray& picture, const QRect& target);

}  // namespace kopira::report
