#pragma once
// Finds printed lines and ink on a rasterised page. Positions are in
// millimetres from the paper's top-left corner; a pixel's position is its
// centre.
#include <QImage>
#include <QRectF>
#include <optional>
#include <vector>

namespace kopira::printtest {

struct LineScan {
  double minLengthMm = 10;  // shorter dark runs are not lines
  int darkBelow = 128;      // grey values below this count as ink
};

// Centres of vertical lines: groups of adjacent pixel columns that each hold
// an unbroken dark run of at least minLengthMm, in order from the left.
std::vector<double> verticalLinesMm(const QImage& page, double dpi, const LineScan& scan = {});
// The same for horizontal lines, from the top.
std::vector<double> horizontalLinesMm(const QImage& page, double dpi, const LineScan& scan = {});

// Bounding box of all ink inside `areaMm` (the whole page when empty), from
// pixel edge to pixel edge; nothing when the area is blank.
std::optional<QRectF> inkBoundsMm(const QImage& page, double dpi, const QRectF& areaMm = {}, int darkBelow = 128);

}  // namespace kopira::printtest
