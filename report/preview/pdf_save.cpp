#include "report/preview/pdf_save.h"

#include "report/emf/emf_player.h"
#include "report/draw/pdf_destination.h"
#include "report/print/qr_printer.h"
#include "report/core/qr_error.h"
#include "report/model/qr_report.h"

namespace kopira::report {
namespace {

constexpr int kPdfDpi = 600;

}  // namespace

std::optional<QString> SaveReportPdf(TQRReport& report, const QString& path) {
  PdfDestination pdf(path, kPdfDpi);
  try {
    report.GeneratePages(pdf);
  } catch (const EQRError& error) {
    return error.message();
  }
  return pdf.saveError();
}

std::optional<QString> SavePicturesPdf(const TQRPrinter& printer, const QString& path) {
  const PrinterValues& values = printer.printerValues();
  const QSizeF paper = printer.PaperSizeNative();
  const QRectF page(0, 0, paper.width() * kPdfDpi / 254.0, paper.height() * kPdfDpi / 254.0);
  PdfDocument pdf(printer.Title(), kPdfDpi);
  for (int n = 1; n <= printer.PageCount(); ++n) {
    EmfPlayer picture(printer.GetPage(n));
    QPainter& painter = pdf.newPage(values.paperSize, values.orientation, paper);
    if (!picture.play(painter, page)) return QStringLiteral("%1 ページ目を PDF にできませんでした（%2）。").arg(n).arg(picture.error());
  }
  return pdf.saveTo(path);
}

}  // namespace kopira::report
