#pragma once
// Where generation draws: a sequence of pages on some device. Holds the
// document status (ready, busy, finished) and its rules, the device factors
// and unprintable offsets behind ToDeviceX/Y, the cancelled flag, and the
// hooks through which a preview or progress window follows the run.
// Subclasses provide the device: image pages, a PDF file, EMF page pictures,
// and later the printer.
#include <functional>

#include "report/core/printer_settings.h"
#include "report/core/surface.h"

namespace kopira::report {

class ReportDestination {
 public:
  enum class Status { Ready, Busy, Finished };

  virtual ~ReportDestination() = default;
  ReportDestination(const ReportDestination&) = delete;
  ReportDestination& operator=(const ReportDestination&) = delete;

  // The report's values for this run; called before BeginDoc.
  virtual void setPrinterValues(const PrinterValues& values) { values_ = values; }
  const PrinterValues& printerValues() const { return values_; }

  // Throws EQRError "QRPrinter の準備ができていません" unless ready.
  void BeginDoc();
  // Throws EQRError "間違った NewPage の呼び出し" unless busy. Closes the
  // open page, if any, and opens the next one.
  void NewPage();
  // Closes the open page and finishes the document (only while busy).
  void EndDoc();
  // Keeps the pages drawn so far and finishes the document as aborted.
  void Abort();

  Status status() const { return status_; }
  int pageCount() const { return pageCount_; }
  int availablePages() const { return availablePages_; }
  bool pageOpen() const { return pageOpen_; }

  // Device pixels per 0.1 mm, and the unprintable offsets in 0.1 mm.
  double xFactor() const { return xFactor_; }
  double yFactor() const { return yFactor_; }
  double leftOffset() const { return leftOffset_; }
  double topOffset() const { return topOffset_; }
  int ToDeviceX(double v) const;
  int ToDeviceY(double v) const;
  int ToDeviceWidth(double v) const;
  int ToDeviceHeight(double v) const;

  // The open page's surface; throws EQRError when no page is open.
  DrawSurface& surface();

  void Cancel() { cancelled_ = true; }
  bool cancelled() const { return cancelled_; }

  // Lets the window system process pending events once (a progress window
  // may cancel from there); does nothing without a hook.
  void processPendingEvents();
  void setEventHook(std::function<void()> hook) { eventHook_ = std::move(hook); }
  // Told the new number of available pages each time a page is finished.
  void setPageAvailableHandler(std::function<void(int)> handler) {
    pageAvailable_ = std::move(handler);
  }

 protected:
  ReportDestination() = default;

  void setFactors(double xFactor, double yFactor) {
    xFactor_ = xFactor;
    yFactor_ = yFactor;
  }
  void setOffsets(double left, double top) {
    leftOffset_ = left;
    topOffset_ = top;
  }
  // Paper of a page picture in 0.1 mm: the table size of the paper code
  // (swapped for landscape), or the page's own width and length for
  // Default and Custom.
  QSizeF paperNative() const;
  // Pixel size of a whole-page picture with the current factors.
  QSize pagePixelSize() const;

  virtual void startDocument() = 0;
  virtual void openPage() = 0;
  virtual void closePage() = 0;
  virtual void finishDocument() = 0;
  virtual void abortDocument() = 0;
  virtual DrawSurface* pageSurface() = 0;

 private:
  void closeOpenPage();

  PrinterValues values_;
  Status status_ = Status::Ready;
  int pageCount_ = 0;
  int availablePages_ = 0;
  bool pageOpen_ = false;
  bool cancelled_ = false;
  double xFactor_ = 96.0 / 254.0;
  double yFactor_ = 96.0 / 254.0;
  double leftOffset_ = 0;
  double topOffset_ = 0;
  std::function<void()> eventHook_;
  std::function<void(int)> pageAvailable_;
};

}  // namespace kopira::report
