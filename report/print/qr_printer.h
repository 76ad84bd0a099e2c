#pragma once
// TQRPrinter: the engine's printer object. One object serves one preview or
// print run: it is the destination the report is generated onto, either as
// recorded page pictures (at the screen's 96 dpi, kept in a page store) or
// directly on the system printer at the printer's resolution. Page-available
// and progress announcements are posted to its client window.
#include <QObject>
#include <QPointer>
#include <QPrinter>
#include <functional>
#include <memory>

#include "report/draw/destination.h"
#include "report/core/qr_units.h"
#include "report/print/print_outcome.h"
#include "report/store/page_store.h"

namespace kopira::report {

class EmfRecorder;
class PainterSurface;

// Screen pixels per 0.1 mm: page pictures and the preview use 96 dpi.
inline constexpr double kScreenFactor = kScreenDpi / 254.0;

class TQRPrinter : public QObject, public ReportDestination {
  Q_OBJECT
 public:
  enum class Destination { Pictures, Printer };

  explicit TQRPrinter(Destination destination, QObject* parent = nullptr);
  // A busy object is cancelled and its document aborted first.
  ~TQRPrinter() override;

  Destination destination() const { return destination_; }
  // True when a printer was installed when the object was created.
  bool PrinterOK() const { return printerOK_; }

  // The window that receives the announcements; may be destroyed at any time.
  void SetClient(QObject* client) { client_ = client; }
  QObject* Client() const { return client_; }
  void SetProgress(int percent);

  // The run's settings; the paper is what the selected printer accepts.
  void setPrinterValues(const PrinterValues& values) override;
  // The set-up's choices for the next print of these pages, also of pages
  // loaded from a file later.
  void SetPrinterSettings(const TQRPrinterSettings& settings);
  // The document title and the preview's caption; also set by the values.
  QString Title() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }
  int FirstPage() const { return printerValues().settings.firstPage; }
  int LastPage() const { return printerValues().settings.lastPage; }
  // The page's paper in 0.1 mm, as recorded.
  QSizeF PaperSizeNative() const { return paperNative(); }

  // Finished pages (from the run, or from a loaded file).
  int PageCount() const;
  // The picture of page n (1-based); empty when there is no such page.
  QByteArray GetPage(int n) const;
  const store::PageStore* PageStore() const { return store_.get(); }

  bool ShowingPreview() const { return showingPreview_; }
  void SetShowingPreview(bool showing) { showingPreview_ = showing; }
  bool ReportLoaded() const { return reportLoaded_; }
  // Takes a loaded file's pages as this object's pages: finished, loaded,
  // screen factors, paper guessed from the first page.
  void LoadPages(std::unique_ptr<store::PageStore> pages);

  // Print setup of the report whose pages these are; cleared for a loaded file.
  void SetPrintSetupHook(std::function<void()> hook) { printSetupHook_ = std::move(hook); }
  bool HasPrintSetup() const { return static_cast<bool>(printSetupHook_); }
  void RunPrintSetup() const {
    if (printSetupHook_) printSetupHook_();
  }

  // Replays the finished pages on the printer, stretched over its printable
  // area, honouring the page range, as a job named after the title. Prints
  // nothing without a printer (NoPrinter) or pages in the range.
  PrintOutcome PrintLoadedPages();

  // What became of the document generated onto the printer, once it ended;
  // NothingInRange while no page was printed.
  const PrintOutcome& Outcome() const { return outcome_; }

 protected:
  void startDocument() override;
  void openPage() override;
  void closePage() override;
  void finishDocument() override;
  void abortDocument() override;
  DrawSurface* pageSurface() override;

 private:
  bool InRange(int page) const;
  void Announce(QEvent* event);
  // Opens the printer for a run: device mode written, printer factors.
  void OpenPrinter();
  void BeginPrinterPage();

  Destination destination_;
  bool printerOK_;
  QPointer<QObject> client_;
  bool showingPreview_ = false;
  bool reportLoaded_ = false;
  std::function<void()> printSetupHook_;
  std::unique_ptr<store::PageStore> store_;
  // Page pictures, and the scratch picture of a page outside the range.
  std::unique_ptr<EmfRecorder> recorder_;
  // Printer destination.
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<PainterSurface> printerSurface_;
  bool pageInRange_ = false;
  PrintOutcome outcome_ = PrintOutcome::Kind::NothingInRange;
  QString title_;
};

}  // namespace kopira::report
