#include "app/files/window_on_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace kopira {
namespace {

// The strip along the top of a window by which the user drags it, and how
// much of it must be on a screen.
constexpr int kTitleStripHeight = 30;
constexpr int kMinVisibleStripWidth = 100;
constexpr int kMinVisibleStripHeight = 10;

bool titleReachable(const QRect& window, const QRect& area) {
  const QRect strip(window.topLeft(), QSize(window.width(), kTitleStripHeight));
  const QRect seen = strip.intersected(area);
  return seen.width() >= std::min(kMinVisibleStripWidth, window.width()) &&
         seen.height() >= kMinVisibleStripHeight;
}

qint64 overlap(const QRect& a, const QRect& b) {
  const QRect common = a.intersected(b);
  return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

qint64 centreDistance(const QRect& a, const QRect& b) {
  const QPoint d = a.center() - b.center();
  return qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
}

// The area the window belongs on: the one it overlaps most, or else the
// nearest.
const QRect& homeArea(const QRect& window, const QList<QRect>& available) {
  const auto most = std::max_element(available.begin(), available.end(), [&](const QRect& a, const QRect& b) {
    return overlap(window, a) < overlap(window, b);
  });
  if (overlap(window, *most) > 0) return *most;
  return *std::min_element(available.begin(), available.end(), [&](const QRect& a, const QRect& b) {
    return centreDistance(window, a) < centreDistance(window, b);
  });
}

int clampInto(int start, int length, int areaStart, int areaLength) {
  return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

}  // namespace

QPoint placeOnScreens(const QRect& window, const QList<QRect>& available) {
  if (available.isEmpty()) return window.topLeft();
  for (const QRect& area : available) {
    if (titleReachable(window, area)) return window.topLeft();
  }
  const QRect& area = homeArea(window, available);
  return {clampInto(window.x(), window.width(), area.x(), area.width()),
          clampInto(window.y(), window.height(), area.y(), area.height())};
}

QList<QRect> availableScreenAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas << screen->availableGeometry();
  return areas;
}

bool windowSystemReportsPositions() {
  return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace kopira
