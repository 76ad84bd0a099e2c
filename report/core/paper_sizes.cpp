#include "report/core/paper_sizes.h"

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

QPageSize::PageSizeId pageSizeIdFor(TQRPaperSize size) {
  switch (size) {
    case TQRPaperSize::Letter:
    case TQRPaperSize::LetterSmall:
    case TQRPaperSize::Note:
      return QPageSize::Letter;
    case TQRPaperSize::Tabloid:
    case TQRPaperSize::qr11X17:
      return QPageSize::Tabloid;
    case TQRPaperSize::Ledger: return QPageSize::Ledger;
    case TQRPaperSize::Legal: return QPageSize::Legal;
    case TQRPaperSize::Statement: return QPageSize::Statement;
    case TQRPaperSize::Executive: return QPageSize::Executive;
    case TQRPaperSize::A3: return QPageSize::A3;
    case TQRPaperSize::A4:
    case TQRPaperSize::A4Small:
      return QPageSize::A4;
    case TQRPaperSize::A5: return QPageSize::A5;
    case TQRPaperSize::B4: return QPageSize::JisB4;
    case TQRPaperSize::B5: return QPageSize::JisB5;
    case TQRPaperSize::Folio: return QPageSize::Folio;
    case TQRPaperSize::Quarto: return QPageSize::Quarto;
    case TQRPaperSize::qr10X14: return QPageSize::Imperial10x14;
    case TQRPaperSize::Env9: return QPageSize::Envelope9;
    case TQRPaperSize::Env10: return QPageSize::Comm10E;
    case TQRPaperSize::Env11: return QPageSize::Envelope11;
    case TQRPaperSize::Env12: return QPageSize::Envelope12;
    case TQRPaperSize::Env14: return QPageSize::Envelope14;
    case TQRPaperSize::CSheet: return QPageSize::AnsiC;
    case TQRPaperSize::DSheet: return QPageSize::AnsiD;
    case TQRPaperSize::ESheet: return QPageSize::AnsiE;
    case TQRPaperSize::Default:
    case TQRPaperSize::Custom:
      break;
  }
  return QPageSize::Custom;
}

QPageSize pageSizeFor(TQRPaperSize size, double widthNative, double lengthNative) {
  const QPageSize::PageSizeId id = pageSizeIdFor(size);
  if (id == QPageSize::Custom)
    return QPageSize(QSizeF(widthNative / 10, lengthNative / 10), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
  return QPageSize(id);
}

}  // namespace kopira::report
