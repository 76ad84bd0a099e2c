#pragma once
// TQRStandardPreview: the preview window of a printer object's pages, with
// its toolbar (zoom, paging, print setup, print, save, load, close), the
// preview control and a two-panel status bar.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>

#include "report/preview/qr_preview.h"

class QAction;
class QLabel;
class QPushButton;

namespace kopira::report {

class TQRStandardPreview : public QMainWindow {
  Q_OBJECT
 public:
  // Binds the window to the printer object (not owned) and makes its preview
  // control the object's client.
  explicit TQRStandardPreview(TQRPrinter* printer, QWidget* parent = nullptr);
  ~TQRStandardPreview() override;

  TQRPreview* QRPreview() const { return preview_; }
  QAction* Action(const QString& name) const;
  QPushButton* ExitButton() const { return exitButton_; }
  // 0: progress, 1: page, 2: what became of the last print.
  QLabel* StatusPanel(int index) const { return index == 0 ? progressPanel_ : index == 1 ? pagePanel_ : printPanel_; }

  // Tells what became of a print: in the status bar, or in a message box
  // when the clerk must act.
  void ShowPrintOutcome(const PrintOutcome& outcome);

  // Writes the report behind the pages to a PDF file (a message on failure);
  // without it, or for pages loaded from a file, the pictures are replayed.
  void SetReportPdfWriter(std::function<std::optional<QString>(const QString&)> writer) {
    reportPdf_ = std::move(writer);
  }

  // Toolbar actions.
  void ZoomFitClick();
  void Zoom100Click();
  void ZoomToWidthClick();
  void FirstPageClick();
  void PreviousPageClick();
  void NextPageClick();
  void LastPageClick();
  void PrintSetupClick();
  void PrintClick();
  void SaveReportClick();
  void LoadReportClick();

 Q_SIGNALS:
  // Print of the report behind the pages (posted to the report's side).
  void PrintRequested();
  // The window is closing (sent before it is freed).
  void Closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void BuildToolBar();
  void BuildStatusBar();
  void UpdateInfo();
  void OnPageAvailable();
  void OnProgress(int percent);
  bool HandleKey(int key, Qt::KeyboardModifiers modifiers);
  void ShowPage(int page);

  QPointer<TQRPrinter> printer_;
  std::function<std::optional<QString>(const QString&)> reportPdf_;
  TQRPreview* preview_;
  QPushButton* exitButton_ = nullptr;
  QLabel* progressPanel_ = nullptr;
  QLabel* pagePanel_ = nullptr;
  QLabel* printPanel_ = nullptr;
  int lastProgress_ = 0;
  bool closed_ = false;
};

}  // namespace kopira::report
