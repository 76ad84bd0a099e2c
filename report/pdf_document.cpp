#include "report/pdf_document.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QSaveFile>

namespace kopira::report {
namespace {

// Superuser or not: a file or folder without its owner's write bit is read-only.
bool writable(const QFileInfo& info) { return info.isWritable() && info.permissions().testFlag(QFileDevice::WriteOwner); }

}  // namespace

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
  const QFileInfo info(path);
  const QString name = QDir::toNativeSeparators(info.absoluteFilePath());
  if (info.exists() && !info.isFile()) return QStringLiteral("「%1」はファイルではないため保存できません。").arg(name);
  if (info.exists() && !writable(info))
    return QStringLiteral("「%1」は読み取り専用のため上書きできません。").arg(name);
  const QFileInfo folder(info.absolutePath());
  const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
  if (!folder.isDir()) return QStringLiteral("フォルダ「%1」がありません。").arg(folderName);
  if (!writable(folder)) return QStringLiteral("フォルダ「%1」には書き込めません。").arg(folderName);
  // QSaveFile writes beside the file and renames only after a clean flush
  // and close; the new file keeps the permissions of the one it replaces.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    return QStringLiteral("「%1」を保存できませんでした（%2）。").arg(name, file.errorString());
  return std::nullopt;
}

}  // namespace kopira::report
