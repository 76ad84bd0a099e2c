// One generation run of a report: pages opened and finished on a
// destination, bands printed at the current position, the page-surface
// elements and the report frame drawn when a page is finished.
#include <cmath>

#include "report/draw/destination.h"
#include "report/model/qr_report.h"

namespace kopira::report {

class TQRReport::Run {
 public:
  Run(TQRReport& report, ReportDestination& destination)
      : report_(report), page_(report.page()), destination_(destination) {}

  void execute() {
    footerReserve_ = 0;
    for (const auto& band : report_.bands()) {
      if (band->bandType() == TQRBandType::rbPageFooter && band->enabled) {
        footerReserve_ += band->height;
      }
    }
    destination_.processPendingEvents();
    runBands();
    lastPage_ = true;
    if (!destination_.cancelled() && pageCount_ > 0) FinishPage();
  }

 private:
  // Without a data source only the title band prints, and only when the
  // report prints when empty; a page is produced even without a title band.
  void runBands() {
    if (!report_.printIfEmpty || destination_.cancelled()) return;
    if (const TQRBand* title = firstBand(TQRBandType::rbTitle)) {
      printBand(*title);
    } else if (pageCount_ == 0) {
      StartNewPage();
    }
  }

  const TQRBand* firstBand(TQRBandType type) const {
    for (const auto& band : report_.bands()) {
      if (band->bandType() == type) return band.get();
    }
    return nullptr;
  }

  void printBand(const TQRBand& band) {
    if (pageCount_ == 0) StartNewPage();
    if (band.height <= 0 || !band.enabled) return;
    band.print(destination_, currentX_, currentY_);
    currentY_ += band.height;
  }

  void StartNewPage() {
    if (pageCount_ > 0) FinishPage();
    ++pageCount_;
    destination_.NewPage();
    currentY_ = std::round(page_.value(TQRPage::TopMargin));
    currentX_ = page_.value(TQRPage::LeftMargin);
    if (pageCount_ > 1 || report_.options.firstPageHeader) {
      if (const TQRBand* header = firstBand(TQRBandType::rbPageHeader)) printBand(*header);
    }
  }

  void FinishPage() {
    currentY_ = page_.value(TQRPage::Length) - page_.value(TQRPage::BottomMargin) - footerReserve_;
    currentX_ = page_.value(TQRPage::LeftMargin);
    if (!lastPage_ || report_.options.lastPageFooter) {
      if (const TQRBand* footer = firstBand(TQRBandType::rbPageFooter)) printBand(*footer);
    }
    for (const auto& element : report_.elements()) element->PrintAt(destination_, 0, 0);
    report_.frame.draw(
        destination_, destination_.ToDeviceX(page_.value(TQRPage::LeftMargin)),
        destination_.ToDeviceY(page_.value(TQRPage::TopMargin)),
        destination_.ToDeviceX(page_.value(TQRPage::Width) - page_.value(TQRPage::RightMargin)),
        destination_.ToDeviceY(page_.value(TQRPage::Length) - page_.value(TQRPage::BottomMargin)));
  }

  TQRReport& report_;
  const TQRPage& page_;
  ReportDestination& destination_;
  int pageCount_ = 0;
  double currentX_ = 0;
  double currentY_ = -1;
  double footerReserve_ = 0;
  bool lastPage_ = false;
};

namespace {

PrinterValues printerValuesOf(const TQRReport& report) {
  PrinterValues values;
  values.settings = report.printerSettings;
  values.paperSize = report.page().paperSize();
  values.orientation = report.page().orientation();
  values.paperWidth = report.page().value(TQRPage::Width);
  values.paperLength = report.page().value(TQRPage::Length);
  values.title = report.reportTitle.isEmpty() ? report.formName : report.reportTitle;
  return values;
}

}  // namespace

void TQRReport::GeneratePages(ReportDestination& destination) {
  if (!available_) return;
  available_ = false;
  const TQRUnit savedUnits = units_;
  units_ = TQRUnit::Native;
  const auto forEachElement = [this](auto&& action) {
    for (const auto& e : elements_) action(*e);
    for (const auto& b : bands_) {
      for (const auto& e : b->elements()) action(*e);
    }
  };
  const auto endRun = [&] {
    units_ = savedUnits;
    forEachElement([](TQRPrintable& e) { e.unprepare(); });
  };
  bool documentStarted = false;
  try {
    forEachElement([this](TQRPrintable& e) {
      if (e.owner() == nullptr) e.setParent(this, false);
      e.prepare();
    });
    destination.setPrinterValues(printerValuesOf(*this));
    destination.BeginDoc();
    documentStarted = true;
    Run(*this, destination).execute();
  } catch (...) {
    // A failed run aborts its own document and still leaves the page
    // available for the next request.
    endRun();
    if (documentStarted) destination.Abort();
    available_ = true;
    throw;
  }
  endRun();
  if (destination.cancelled()) {
    destination.Abort();
  } else {
    destination.EndDoc();
  }
  available_ = true;
}

}  // namespace kopira::report
