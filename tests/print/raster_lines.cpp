#include "raster_lines.h"

#include <algorithm>
#include <cmath>

namespace kopira::printtest {
namespace {

double toMm(double pixels, double dpi) { return pixels * 25.4 / dpi; }

// Longest run of dark pixels along each column (vertical) or row.
std::vector<int> longestRuns(const QImage& page, bool vertical, int darkBelow) {
  const int lanes = vertical ? page.width() : page.height();
  std::vector<int> best(static_cast<size_t>(lanes), 0), current(static_cast<size_t>(lanes), 0);
  for (int y = 0; y < page.height(); ++y) {
    const uchar* row = page.constScanLine(y);
    int rowRun = 0;
    for (int x = 0; x < page.width(); ++x) {
      const bool dark = row[x] < darkBelow;
      if (vertical) {
        int& run = current[static_cast<size_t>(x)];
        run = dark ? run + 1 : 0;
        best[static_cast<size_t>(x)] = std::max(best[static_cast<size_t>(x)], run);
      } else {
        rowRun = dark ? rowRun + 1 : 0;
        best[static_cast<size_t>(y)] = std::max(best[static_cast<size_t>(y)], rowRun);
      }
    }
  }
  return best;
}

std::vector<double> lineCentres(const QImage& page, double dpi, const LineScan& scan, bool vertical) {
  const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
  const std::vector<int> runs = longestRuns(grey, vertical, scan.darkBelow);
  const int minRun = static_cast<int>(std::ceil(scan.minLengthMm * dpi / 25.4));
  std::vector<double> centres;
  for (size_t i = 0; i < runs.size();) {
    if (runs[i] < minRun) {
      ++i;
      continue;
    }
    const size_t first = i;
    while (i < runs.size() && runs[i] >= minRun) ++i;
    centres.push_back(toMm((static_cast<double>(first) + static_cast<double>(i)) / 2, dpi));
  }
  return centres;
}

}  // namespace

std::vector<double> verticalLinesMm(const QImage& page, double dpi, const LineScan& scan) {
  return lineCentres(page, dpi, scan, true);
}

std::vector<double> horizontalLinesMm(const QImage& page, double dpi, const LineScan& scan) {
  return lineCentres(page, dpi, scan, false);
}

std::optional<QRectF> inkBoundsMm(const QImage& page, double dpi, const QRectF& areaMm, int darkBelow) {
  const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
  const double px = dpi / 25.4;
  const QRect area = areaMm.isEmpty() ? grey.rect()
                                      : QRect(QPoint(static_cast<int>(areaMm.left() * px), static_cast<int>(areaMm.top() * px)),
                                              QPoint(static_cast<int>(areaMm.right() * px), static_cast<int>(areaMm.bottom() * px)))
                                            .intersected(grey.rect());
  int left = area.right() + 1, right = -1, top = area.bottom() + 1, bottom = -1;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const uchar* row = grey.constScanLine(y);
    for (int x = area.left(); x <= area.right(); ++x) {
      if (row[x] >= darkBelow) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return std::nullopt;
  return QRectF(QPointF(toMm(left, dpi), toMm(top, dpi)), QPointF(toMm(right + 1, dpi), toMm(bottom + 1, dpi)));
}

}  // namespace kopira::printtest
