#include "report/draw/pdf_document.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>

#include "platform/file_replace.h"

namespace kopira::report {

PdfDocument::PdfDocument(const QString& title, int dpi) {
  buffer_.open(QIODevice::WriteOnly);
  writer_ = std::make_unique<QPdfWriter>(&buffer_);
  writer_->setResolution(dpi);
  writer_->setTitle(title);
  writer_->setCreator(QStringLiteral("Kopira"));
}

PdfDocument::~PdfDocument() {
  if (painter_.isActive()) painter_.end();
}

QPainter& PdfDocument::newPage(TQRPaperSize paper, TQROrientation orientation, QSizeF paperNative) {
  // The sheet is named portrait; a landscape page turns it.
  const bool landscape = orientation == TQROrientation::poLandscape;
  const QSizeF portrait = landscape ? paperNative.transposed() : paperNative;
  QPageLayout layout(pageSizeFor(paper, portrait.width(), portrait.height()),
                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
  layout.setMode(QPageLayout::FullPageMode);
  writer_->setPageLayout(layout);
  if (painter_.isActive()) {
    writer_->newPage();
  } else {
    painter_.begin(writer_.get());
  }
  return painter_;
}

std::optional<QString> PdfDocument::saveTo(const QString& path) {
  if (!painter_.isActive()) return QStringLiteral("PDFにするページがありません。");
  painter_.end();
  writer_.reset();
  return writeWholeFile(path, buffer_.data());
}

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes) {
  const std::optional<file_replace::Failure> failure = file_replace::replace(path, bytes);
  if (!failure) return std::nullopt;
  const QString name = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
  return QStringLiteral("「%1」を保存できませんでした（%2）。").arg(name, file_replace::reason(*failure));
}

}  // namespace kopira::report
