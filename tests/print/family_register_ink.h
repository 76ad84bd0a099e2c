#pragma once
// Where the values of the family-register request land: the ink of each
// fill-in on an image of the whole paper, looked for in a window around
// the element's place (wide enough for the sample values of the tests, and
// clear of its neighbours).
#include <QImage>
#include <QRectF>
#include <QString>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

#include "raster_lines.h"

namespace kopira::printtest {

// One full-width character of the page's 11-point faces, in millimetres.
inline constexpr double kFullWidthMm = 11.0 * 25.4 / 72.0;

// One full-width cell of the date stamp's 11-point fixed-pitch face set on a
// device of that resolution: the font's em, round(11 x dpi / 72) pixels
// (92 px = 3.895 mm at 600 dpi, 183 px = 3.874 mm at 1200 dpi).
inline double fixedCellMm(double dpi) { return static_cast<double>(std::lround(11 * dpi / 72)) * 25.4 / dpi; }
// The cell in the 96-dpi page picture: two half widths of half the 15-pixel
// height, rounded up (16 px = 4.233 mm).
inline constexpr double kScreenCellMm = 16 * 25.4 / 96;

// The left edge of the date stamp's cell that many full widths in.
inline double dateCellMm(int widths, double cellMm) { return 146.2 + widths * cellMm; }

struct FillInPlace {
  const char* element;
  QPointF cornerMm;  // left and top of the element from the paper's corner
  QRectF windowMm;   // where its ink is looked for
  int leadCells = 0;  // blank full-width cells before the first ink: the date stamp's two spaces
};

// The eleven fill-ins of the request page.
inline const std::vector<FillInPlace>& requestPlaces() {
  static const std::vector<FillInPlace> places{
      {"QRLabel7", {146.2, 35.7}, {144.0, 33.5, 64.0, 7.0}, 2},
      {"QRLabel1", {35.1, 36.4}, {33.0, 34.0, 100.0, 8.5}},
      {"QRLabel2", {71.1, 84.3}, {69.0, 82.0, 139.0, 8.0}},
      {"QRLabel3", {71.1, 96.2}, {69.0, 94.0, 139.0, 8.0}},
      {"QRLabel4", {71.1, 110.8}, {69.0, 108.5, 139.0, 8.0}},
      {"QRLabel5", {71.1, 130.0}, {69.0, 127.5, 139.0, 8.0}},
      {"QRLabel6", {71.1, 149.2}, {69.0, 147.0, 139.0, 8.0}},
      {"QRLabel9", {71.1, 163.4}, {69.0, 161.0, 139.0, 7.0}},
      {"QRMemo1", {87.0, 170.3}, {85.0, 169.0, 123.0, 19.0}},
      {"QRLabel8", {92.3, 192.8}, {90.0, 190.5, 54.0, 8.0}},
      {"QRLabel10", {146.2, 193.1}, {144.0, 190.5, 64.0, 8.0}},
  };
  return places;
}

// The ink of every fill-in that printed anything, by element name.
inline std::map<QString, QRectF> requestInk(const QImage& page, double dpi) {
  std::map<QString, QRectF> ink;
  for (const FillInPlace& place : requestPlaces()) {
    if (const std::optional<QRectF> box = inkBoundsMm(page, dpi, place.windowMm)) {
      ink[QLatin1String(place.element)] = *box;
    }
  }
  return ink;
}

// Where the date stamp's year, month and day begin on an image of the page
// at dpi whose text was set in cells of cellMm: the left edge of the ink
// around the cells 2, 5 and 8 full widths right of the label's left edge.
// Nothing for a group without ink.
inline std::vector<std::optional<double>> dateDigitStartsMm(const QImage& page, double dpi, double cellMm) {
  std::vector<std::optional<double>> starts;
  const double width = cellMm;
  for (int widths : {2, 5, 8}) {
    const double cell = dateCellMm(widths, cellMm);
    const std::optional<QRectF> digits = inkBoundsMm(page, dpi, QRectF(cell - 0.5 * width, 34.0, 1.4 * width, 6.0));
    starts.push_back(digits ? std::optional<double>(digits->left()) : std::nullopt);
  }
  return starts;
}

}  // namespace kopira::printtest
