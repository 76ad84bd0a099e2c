#include "platform/face_advances.h"

#include "platform/fonts.h"

namespace kopira::fonts {
namespace {

// Shares of the em in twelfths, as the 9-point (12-pixel) labels of the
// forms measure them.
struct Share {
  char32_t from;
  char32_t to;
  int twelfths;
};

// Both proportional faces: ideographic space two thirds of the em, digits
// seven twelfths (the tables' "　　　　通　　　　　件", "１１枚以上", "各１通").
constexpr Share kProportional[] = {
    {U'\u3000', U'\u3000', 8},
    {U'０', U'９', 7},
};
// The proportional Mincho also sets its comma and corner brackets at seven
// twelfths (the legal notes of the valuation form).
constexpr Share kProportionalMincho[] = {
    {U'，', U'，', 7},
    {U'「', U'」', 7},
};

template <size_t N>
int shareOf(const Share (&shares)[N], char32_t code) {
  for (const Share& s : shares) {
    if (code >= s.from && code <= s.to) return s.twelfths;
  }
  return 0;
}

int twelfthsOfEm(int twelfths, int pixelHeight) { return (twelfths * pixelHeight * 2 + 12) / 24; }

}  // namespace

int namedFaceAdvance(const QString& faceName, int pixelHeight, char32_t code, int standInAdvance) {
  if (pixelHeight <= 0) return standInAdvance;
  if (faceName == kMincho || faceName == kGothic) {
    const int half = (pixelHeight + 1) / 2;
    if (standInAdvance <= 0) return standInAdvance;
    return standInAdvance * 4 < pixelHeight * 3 ? half : 2 * half;
  }
  if (faceName == kPMincho || faceName == kPGothic) {
    int share = shareOf(kProportional, code);
    if (share == 0 && faceName == kPMincho) share = shareOf(kProportionalMincho, code);
    if (share != 0) return twelfthsOfEm(share, pixelHeight);
  }
  return standInAdvance;
}

}  // namespace kopira::fonts
