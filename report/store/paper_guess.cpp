#include "report/store/paper_guess.h"

#include <cmath>

namespace kopira::store {
namespace {
constexpr double kHundredthMmPerInch = 2540.0;

// Truncating division as the platform's integer conversion does it; values
// beyond the int range never match a paper size.
long long truncatedQuotient(double value, double divisor) {
  const double q = std::trunc(value / divisor);
  return std::isfinite(q) && std::abs(q) < 1e15 ? static_cast<long long>(q) : -1;
}
}  // namespace

QSizeF pictureSizeTenthsMm(const EmfHeader& header, double screenDpi) {
  const double tenthsMmPerPixel = 254.0 / screenDpi;
  const auto pixels = [&](int32_t from, int32_t to) {
    return std::round((static_cast<double>(to) - from) * screenDpi / kHundredthMmPerInch);
  };
  return {pixels(header.frameLeft, header.frameRight) * tenthsMmPerPixel,
          pixels(header.frameTop, header.frameBottom) * tenthsMmPerPixel};
}

std::optional<PaperGuess> guessPaperSize(QSizeF pictureTenthsMm, std::span<const QSizeF> tableMillimetres) {
  const long long w = truncatedQuotient(pictureTenthsMm.width(), 40);
  const long long h = truncatedQuotient(pictureTenthsMm.height(), 40);
  std::optional<PaperGuess> guess;
  for (size_t i = 0; i < tableMillimetres.size(); ++i) {
    const long long pw = truncatedQuotient(tableMillimetres[i].width(), 4);
    const long long pl = truncatedQuotient(tableMillimetres[i].height(), 4);
    if (w == pw && h == pl) guess = PaperGuess{static_cast<int>(i), false};
    if (w == pl && h == pw) guess = PaperGuess{static_cast<int>(i), true};
  }
  return guess;
}

}  // namespace kopira::store
