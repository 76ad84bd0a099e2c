#include "report/preview/show_preview.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <memory>

#include "platform/message_box.h"
#include "report/preview/pdf_save.h"
#include "report/print/print_run.h"
#include "report/print/print_setup.h"
#include "report/print/qr_printer.h"
#include "report/preview/standard_preview.h"
#include "report/core/qr_error.h"
#include "report/model/qr_report.h"

namespace kopira::report {
namespace {

class LoopWait : public PreviewWait {
 public:
  void Wait(TQRStandardPreview&, PreviewLoop& loop) override { loop.Run(); }
};

PreviewWait* installedWait = nullptr;

// One open preview of a report page: its printer object (the report's single
// printer slot), the window and the wait.
class PreviewSession : public QObject {
 public:
  explicit PreviewSession(TQRReport& report) : report_(report) { sessions().insert(&report, this); }
  ~PreviewSession() override {
    sessions().remove(&report_);
    delete preview_.data();
  }

  static PreviewSession* Of(const TQRReport& report) { return sessions().value(&report); }

  void BringToFront() {
    if (!preview_) return;
    preview_->raise();
    preview_->activateWindow();
  }

  void Run() {
    previewPrinter_ = std::make_unique<TQRPrinter>(TQRPrinter::Destination::Pictures);
    slot_ = previewPrinter_.get();
    previewPrinter_->SetTitle(report_.reportTitle);
    previewPrinter_->SetPrintSetupHook([this] {
      const bool finished = previewPrinter_->status() == ReportDestination::Status::Finished;
      RunPrintSetup(report_, finished ? previewPrinter_->PageCount() : 0, preview_);
      // Pages loaded from a file into this preview print with them too.
      previewPrinter_->SetPrinterSettings(report_.printerSettings);
    });
    preview_ = new TQRStandardPreview(previewPrinter_.get());
    connect(preview_, &TQRStandardPreview::Closed, this, &PreviewSession::OnClosed);
    connect(preview_, &TQRStandardPreview::PrintRequested, this, &PreviewSession::OnPrint, Qt::QueuedConnection);
    preview_->SetReportPdfWriter([this](const QString& path) -> std::optional<QString> {
      if (!report_.available()) return QStringLiteral("ページを作成中のため保存できません。");
      return SaveReportPdf(report_, path);
    });
    previewPrinter_->SetShowingPreview(true);
    preview_->showMaximized();

    try {
      report_.GeneratePages(*previewPrinter_);
    } catch (const EQRError& error) {
      messageBoxes().plain(error.message());
      return;
    }
    if (previewPrinter_->cancelled() || closed_) return;

    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { loop_.End(); });
    if (preview_ && !QCoreApplication::closingDown()) previewWait().Wait(*preview_, loop_);
  }

 private:
  static QHash<const TQRReport*, PreviewSession*>& sessions() {
    static QHash<const TQRReport*, PreviewSession*> open;
    return open;
  }

  // The window is closing: cancel a run in progress, else let the wait end.
  void OnClosed() {
    closed_ = true;
    if (!report_.available()) {
      if (slot_) slot_->Cancel();
      return;
    }
    Release();
  }

  void OnPrint() {
    if (!report_.available()) return;
    const PrintOutcome outcome = PrintReport(report_, slot_);
    if (preview_) preview_->ShowPrintOutcome(outcome);
    // A window closed during the print ends the wait now.
    if (closed_) Release();
  }

  void Release() {
    if (previewPrinter_) previewPrinter_->SetShowingPreview(false);
    previewPrinter_.reset();
    slot_ = nullptr;
    loop_.End();
  }

  TQRReport& report_;
  std::unique_ptr<TQRPrinter> previewPrinter_;
  TQRPrinter* slot_ = nullptr;
  QPointer<TQRStandardPreview> preview_;
  PreviewLoop loop_;
  bool closed_ = false;
};

}  // namespace

PreviewWait& previewWait() {
  static LoopWait loopWait;
  return installedWait ? *installedWait : loopWait;
}

void setPreviewWait(PreviewWait* wait) { installedWait = wait; }

bool PreviewIsOpen(const TQRReport& report) { return PreviewSession::Of(report) != nullptr; }

void ShowPreviewAndWait(TQRReport& report) {
  QCoreApplication::processEvents();
  if (!report.available()) return;
  if (PreviewSession* open = PreviewSession::Of(report)) {
    open->BringToFront();
    return;
  }
  PreviewSession session(report);
  session.Run();
}

}  // namespace kopira::report
