#pragma once
// The engine's paper sizes: ordinals 1..26 double as the platform's paper
// codes; Default is code 0 and Custom the user-defined code 256.
#include <QPageSize>
#include <QSizeF>
#include <QString>

namespace kopira::report {

enum class TQRPaperSize {
  Default, Letter, LetterSmall, Tabloid, Ledger, Legal, Statement, Executive, A3, A4, A4Small,
  A5, B4, B5, Folio, Quarto, qr10X14, qr11X17, Note, Env9, Env10, Env11, Env12, Env14, CSheet,
  DSheet, ESheet, Custom
};

enum class TQROrientation { poPortrait, poLandscape };

// True for the 26 sizes that have a row in the table.
bool hasTableSize(TQRPaperSize size);

// Width x length in millimetres (portrait) of a table size; empty for
// Default and Custom.
QSizeF paperSizeMillimetres(TQRPaperSize size);

// Width x length in 0.1 mm for an orientation (landscape swaps them); empty
// for Default and Custom.
QSizeF paperSizeNative(TQRPaperSize size, TQROrientation orientation);

// The platform paper code: the ordinal, 0 for Default, 256 for Custom.
int paperCode(TQRPaperSize size);

// The size's name as layouts and saved files spell it ("A4", "qr10X14").
QString paperSizeName(TQRPaperSize size);
// The size for a name, or false when the name is unknown.
bool paperSizeFromName(const QString& name, TQRPaperSize* size);

// "A4 210 x 297 mm": how the engine shows a size to the user.
QString paperDisplayName(TQRPaperSize size);

// The standard sheet of a paper size (B4 is JIS B4, the "B4" of Japanese
// offices and of CUPS); Custom for Default, Custom and the sizes without one.
QPageSize::PageSizeId pageSizeIdFor(TQRPaperSize size);

// The sheet a page of this paper is printed on: the standard sheet, or
// exactly the given width and length (0.1 mm) where there is none.
QPageSize pageSizeFor(TQRPaperSize size, double widthNative, double lengthNative);

}  // namespace kopira::report
