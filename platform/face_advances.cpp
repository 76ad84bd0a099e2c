#include "platform/face_advances.h"

#include "platform/face_advance_table.h"
#include "platform/fonts.h"

namespace kopira::fonts {
namespace {

// Shares of the em in twelfths, as the advance table has them at the
// layouts' sizes, for the sizes it does not hold (the printer's above all).
struct Share {
  char32_t from;
  char32_t to;
  int twelfths;
};

// The proportional Mincho: ideographic space two thirds of the em, digits
// seven twelfths, comma and corner brackets half the em.
constexpr Share kProportionalMincho[] = {
    {U'\u3000', U'\u3000', 8},
    {U'０', U'９', 7},
    {U'，', U'，', 6},
    {U'「', U'」', 6},
};
// The proportional Gothic: ideographic space and digits two thirds of the em.
constexpr Share kProportionalGothic[] = {
    {U'\u3000', U'\u3000', 8},
    {U'０', U'９', 8},
};

template <size_t N>
int shareOf(const Share (&shares)[N], char32_t code) {
  for (const Share& s : shares) {
    if (code >= s.from && code <= s.to) return s.twelfths;
  }
  return 0;
}

int twelfthsOfEm(int twelfths, int pixelHeight) { return (twelfths * pixelHeight * 2 + 12) / 24; }

bool isKanji(char32_t c) {
  return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0x20000 && c <= 0x2FFFF);
}

const FaceAdvances* tableEntry(const QString& faceName, int pixelHeight) {
  for (const FaceAdvances& entry : faceAdvanceTable()) {
    if (entry.pixelHeight == pixelHeight && entry.face == faceName) return &entry;
  }
  return nullptr;
}

// The proportional face's advance that the layouts fix, or 0.
int tableAdvance(const FaceAdvances& entry, char32_t code) {
  if (isKanji(code)) return entry.kanji;
  if (code >= U'０' && code <= U'９' && entry.digits > 0) return entry.digits;
  for (const auto& [character, advance] : entry.characters) {
    if (character == code) return advance;
  }
  return 0;
}

}  // namespace

int namedFaceAdvance(const QString& faceName, int pixelHeight, char32_t code, int standInAdvance) {
  if (pixelHeight <= 0) return standInAdvance;
  const FaceAdvances* entry = tableEntry(faceName, pixelHeight);
  if (faceName == kMincho || faceName == kGothic) {
    const int half = entry != nullptr && entry->halfCell > 0 ? entry->halfCell : (pixelHeight + 1) / 2;
    if (standInAdvance <= 0) return standInAdvance;
    return standInAdvance * 4 < pixelHeight * 3 ? half : 2 * half;
  }
  if (faceName == kPMincho || faceName == kPGothic) {
    if (const int fixed = entry != nullptr ? tableAdvance(*entry, code) : 0; fixed > 0) return fixed;
    const int share = faceName == kPMincho ? shareOf(kProportionalMincho, code) : shareOf(kProportionalGothic, code);
    if (share != 0) return twelfthsOfEm(share, pixelHeight);
  }
  return standInAdvance;
}

}  // namespace kopira::fonts
