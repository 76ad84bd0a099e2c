#pragma once
// Keeps a stored window position reachable: a window whose title bar would
// lie off every screen is brought back onto one.
#include <QList>
#include <QPoint>
#include <QRect>

namespace kopira {

// The top-left corner for a window with the given outer rectangle. The
// corner is kept when enough of the window's title strip lies on one of the
// available areas; otherwise the window is moved onto the area it overlaps
// most (or the nearest one) and as far into it as its size allows.
QPoint placeOnScreens(const QRect& window, const QList<QRect>& available);

// The available area of every screen (without task bars and docks).
QList<QRect> availableScreenAreas();

// Whether the window system tells a program where its windows are; a
// Wayland compositor does not (a window's position reads as made up).
bool windowSystemReportsPositions();

}  // namespace kopira
