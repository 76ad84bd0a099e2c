#include "report/paper_sizes.h"

#include <array>

namespace kopira::report {
namespace {

struct PaperRow {
  const char* name;
  double width;   // mm
  double length;  // mm
};

// Indexed by ordinal; rows 0 (Default) and 27 (Custom) have no dimensions.
// B4 is the engine's 250 x 354 mm, not JIS B4; the sheets C, D and E are
// 100 x 100 mm placeholders.
constexpr std::array<PaperRow, 28> kRows{{
    {"Default", 0, 0},        {"Letter", 215.9, 279.4},  {"LetterSmall", 215.9, 279.4},
    {"Tabloid", 279.4, 431.8}, {"Ledger", 431.8, 279.4}, {"Legal", 215.9, 355.6},
    {"Statement", 139.7, 215.9}, {"Executive", 184.2, 266.7}, {"A3", 297, 420},
    {"A4", 210, 297},         {"A4Small", 210, 297},     {"A5", 148, 210},
    {"B4", 250, 354},         {"B5", 182, 257},          {"Folio", 215.9, 330.2},
    {"Quarto", 215, 275},     {"qr10X14", 254, 355.6},   {"qr11X17", 279.4, 431.8},
    {"Note", 215.9, 279.4},   {"Env9", 98.4, 225.4},     {"Env10", 104.8, 241.3},
    {"Env11", 114.3, 263.5},  {"Env12", 120.7, 279.4},   {"Env14", 127, 292.1},
    {"CSheet", 100, 100},     {"DSheet", 100, 100},      {"ESheet", 100, 100},
    {"Custom", 0, 0},
}};

const PaperRow& row(TQRPaperSize size) { return kRows[static_cast<std::size_t>(size)]; }

}  // namespace

bool hasTableSize(TQRPaperSize size) {
  return size != TQRPaperSize::Default && size != TQRPaperSize::Custom;
}

QSizeF paperSizeMillimetres(TQRPaperSize size) {
  if (!hasTableSize(size)) return {};
  return {row(size).width, row(size).length};
}

QSizeF paperSizeNative(TQRPaperSize size, TQROrientation orientation) {
  const QSizeF mm = paperSizeMillimetres(size) * 10.0;
  return orientation == TQROrientation::poLandscape ? mm.transposed() : mm;
}

int paperCode(TQRPaperSize size) {
  return size == TQRPaperSize::Custom ? 256 : static_cast<int>(size);
}

QString paperSizeName(TQRPaperSize size) { return QString::fromLatin1(row(size).name); }

bool paperSizeFromName(const QString& name, TQRPaperSize* size) {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (name == QLatin1String(kRows[i].name)) {
      *size = static_cast<TQRPaperSize>(i);
      return true;
    }
  }
  return false;
}

QString paperDisplayName(TQRPaperSize size) {
  if (!hasTableSize(size)) return paperSizeName(size);
  return QStringLiteral("%1 %2 x %3 mm")
      .arg(paperSizeName(size))
      .arg(row(size).width)
      .arg(row(size).length);
}

}  // namespace kopira::report
