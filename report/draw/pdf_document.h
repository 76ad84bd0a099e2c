#pragma once
// A PDF document of report pages: vector drawing, text in embedded font
// subsets, each page on the sheet it prints on with the origin at the
// paper's corner. The document is built in memory and reaches its file in
// one step, so a failure never leaves a half-written PDF.
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <memory>
#include <optional>

#include "report/core/paper_sizes.h"

namespace kopira::report {

class PdfDocument {
 public:
  PdfDocument(const QString& title, int dpi);
  ~PdfDocument();

  // Opens the next page on the sheet of the paper (width and length in
  // 0.1 mm for Default and Custom) and returns the painter drawing on it,
  // in device pixels at the document's dpi.
  QPainter& newPage(TQRPaperSize paper, TQROrientation orientation, QSizeF paperNative);

  // Ends the document and writes it to the file. Returns a message for the
  // user when the file could not be written; the file is then unchanged.
  std::optional<QString> saveTo(const QString& path);

 private:
  QBuffer buffer_;
  std::unique_ptr<QPdfWriter> writer_;
  QPainter painter_;
};

// Replaces the file's content with the bytes, whole or not at all (see
// file_replace). Returns a message for the user on failure.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace kopira::report
