#pragma once
// The paper size a loaded report was recorded on, guessed from the size of
// its first page picture the way the preview's Load does it.
#include "report/store/emf_header.h"

#include <QSizeF>
#include <optional>
#include <span>

namespace kopira::store {

struct PaperGuess {
  int index = 0;  // position in the table that was passed in
  bool landscape = false;
};

// The picture's width and height in 0.1 mm as the screen shows it: the
// frame in whole pixels at `screenDpi`, divided by the pixels per 0.1 mm.
QSizeF pictureSizeTenthsMm(const EmfHeader& header, double screenDpi);

// Compares width and height / 40 (truncated) with each table entry's width
// and length in mm / 4 (truncated): width-length matches portrait,
// length-width landscape; the last match in table order wins.
std::optional<PaperGuess> guessPaperSize(QSizeF pictureTenthsMm, std::span<const QSizeF> tableMillimetres);

}  // namespace kopira::store
