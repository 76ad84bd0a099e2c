#include "report/print/qr_printer.h"

#include <QCoreApplication>
#include <QPainter>
#include <vector>

#include "report/emf/emf_recorder.h"
#include "report/draw/painter_surface.h"
#include "report/draw/page_picture.h"
#include "report/print/printer_device.h"
#include "report/print/qr_events.h"
#include "report/print/sheet_placement.h"
#include "report/core/qr_error.h"
#include "report/core/rounding.h"
#include "report/store/paper_guess.h"

namespace kopira::report {

TQRPrinter::TQRPrinter(Destination destination, QObject* parent)
    : QObject(parent), destination_(destination), printerOK_(printerInstalled()) {
  setEventHook([] { QCoreApplication::processEvents(); });
  setPageAvailableHandler([this](int pages) { Announce(new TQRPageAvailableEvent(pages)); });
}

TQRPrinter::~TQRPrinter() {
  if (status() == Status::Busy) {
    Cancel();
    Abort();
  }
}

void TQRPrinter::Announce(QEvent* event) {
  if (client_)
    QCoreApplication::postEvent(client_, event);
  else
    delete event;
}

void TQRPrinter::SetProgress(int percent) { Announce(new TQRProgressEvent(percent)); }

void TQRPrinter::setPrinterValues(const PrinterValues& values) {
  title_ = values.title;
  if (!printerOK_) {
    ReportDestination::setPrinterValues(acceptedValues(values, nullptr));
    return;
  }
  const QPrinterInfo printer = selectPrinter(values.settings.printerIndex);
  ReportDestination::setPrinterValues(acceptedValues(values, &printer));
}

void TQRPrinter::SetPrinterSettings(const TQRPrinterSettings& settings) {
  PrinterValues values = printerValues();
  values.settings = settings;
  ReportDestination::setPrinterValues(values);
}

int TQRPrinter::PageCount() const { return store_ ? store_->count() : 0; }

QByteArray TQRPrinter::GetPage(int n) const {
  if (!store_) return {};
  return store_->page(n).value_or(QByteArray());
}

bool TQRPrinter::InRange(int page) const {
  return (FirstPage() <= 0 || page >= FirstPage()) && (LastPage() <= 0 || page <= LastPage());
}

// --- the destination -------------------------------------------------------

void TQRPrinter::startDocument() {
  SetProgress(0);
  if (destination_ == Destination::Printer) {
    OpenPrinter();
    return;
  }
  setOffsets(0, 0);
  setFactors(kScreenFactor, kScreenFactor);
  store_ = std::make_unique<store::PageStore>();
}

void TQRPrinter::OpenPrinter() {
  const QPrinterInfo info = selectPrinter(printerValues().settings.printerIndex);
  printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  writeDeviceMode(*printer_, info, printerValues());
  // Full-page mode puts the origin at the paper's corner, so positions need
  // no unprintable offset to land at their distance from it.
  setOffsets(0, 0);
  const double factor = printer_->resolution() / 254.0;
  setFactors(factor, factor);
}

void TQRPrinter::openPage() {
  if (destination_ == Destination::Pictures) {
    setFactors(kScreenFactor, kScreenFactor);
    const QSizeF paper = paperNative();
    recorder_ = std::make_unique<EmfRecorder>(
        pagePixelSize(), kScreenDpi, QSize(roundHalfEven(paper.width() * 10), roundHalfEven(paper.height() * 10)));
    return;
  }
  pageInRange_ = InRange(pageCount());
  if (pageInRange_)
    BeginPrinterPage();
  else
    recorder_ = std::make_unique<EmfRecorder>(QSize(1, 1), printer_->resolution());
}

void TQRPrinter::BeginPrinterPage() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
      painter_.reset();
      throw EQRError(QStringLiteral("プリンタに出力できません"));
    }
    // The move stays on the painter for every later page of the document.
    placeOnSheet(*painter_, *printer_);
    printerSurface_ = std::make_unique<PainterSurface>(*painter_);
  } else {
    printer_->newPage();
  }
  const double factor = printer_->resolution() / 254.0;
  setFactors(factor, factor);
}

void TQRPrinter::closePage() {
  if (destination_ == Destination::Pictures && recorder_) {
    if (!store_->append(recorder_->finish())) throw EQRError(QStringLiteral("ページを保存できません"));
  }
  // A printer page is ended by the next page's start or by the document's
  // end; the scratch picture of a page outside the range is dropped.
  recorder_.reset();
}

void TQRPrinter::finishDocument() {
  if (painter_) {
    printerSurface_.reset();
    const bool ended = painter_->end();
    painter_.reset();
    outcome_ = ended ? handedToQueue(printer_->printerName(), printer_->copyCount())
                     : PrintOutcome::failed(QStringLiteral("プリンタに出力できません"));
  }
  if (store_) store_->markComplete();
  Announce(new TQRPageAvailableEvent(availablePages()));
  SetProgress(100);
}

void TQRPrinter::abortDocument() {
  if (painter_) {
    printer_->abort();
    printerSurface_.reset();
    painter_->end();
    painter_.reset();
  }
  if (store_) store_->markComplete();
  Announce(new TQRPageAvailableEvent(availablePages()));
}

DrawSurface* TQRPrinter::pageSurface() {
  if (recorder_) return recorder_.get();
  return printerSurface_.get();
}

// --- loaded files ------------------------------------------------------------

void TQRPrinter::LoadPages(std::unique_ptr<store::PageStore> pages) {
  store_ = std::move(pages);
  reportLoaded_ = true;
  printSetupHook_ = nullptr;
  setFactors(kScreenFactor, kScreenFactor);

  PrinterValues values = printerValues();
  std::vector<QSizeF> table;
  for (int ordinal = 1; ordinal <= 26; ++ordinal)
    table.push_back(paperSizeMillimetres(static_cast<TQRPaperSize>(ordinal)));
  const QByteArray first = GetPage(1);
  if (const auto header = store::readEmfHeader(first)) {
    const QSizeF picture = store::pictureSizeTenthsMm(*header, kScreenDpi);
    if (const auto guess = store::guessPaperSize(picture, table)) {
      values.paperSize = static_cast<TQRPaperSize>(guess->index + 1);
      values.orientation = guess->landscape ? TQROrientation::poLandscape : TQROrientation::poPortrait;
    } else {
      values.paperSize = TQRPaperSize::Custom;
      values.paperWidth = picture.width();
      values.paperLength = picture.height();
    }
  }
  ReportDestination::setPrinterValues(values);
}

PrintOutcome TQRPrinter::PrintLoadedPages() {
  if (!printerOK_) return {PrintOutcome::Kind::NoPrinter};
  const int first = qMax(1, FirstPage() > 0 ? FirstPage() : 1);
  const int last = qMin(PageCount(), LastPage() > 0 ? LastPage() : PageCount());
  if (status() != Status::Finished || first > last) return {PrintOutcome::Kind::NothingInRange};
  const QPrinterInfo info = selectPrinter(printerValues().settings.printerIndex);
  QPrinter printer(QPrinter::HighResolution);
  PrinterValues values = printerValues();
  values.title = title_;
  writeDeviceMode(printer, info, values);

  QPainter painter;
  if (!painter.begin(&printer)) throw EQRError(QStringLiteral("プリンタに出力できません"));
  placeOnSheet(painter, printer);
  // The pictures are whole pages; stretched over the whole sheet they keep
  // every element at its distance from the paper's corner.
  const QRect sheet = printer.pageLayout().fullRectPixels(printer.resolution());
  for (int page = first; page <= last; ++page) {
    QCoreApplication::processEvents();
    if (cancelled()) {
      printer.abort();
      painter.end();
      return {PrintOutcome::Kind::Cancelled};
    }
    playPagePicture(painter, GetPage(page), QRect(QPoint(0, 0), sheet.size()));
    if (page != last) printer.newPage();
  }
  if (!painter.end()) throw EQRError(QStringLiteral("プリンタに出力できません"));
  return handedToQueue(printer.printerName(), printer.copyCount());
}

}  // namespace kopira::report
