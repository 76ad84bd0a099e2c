// The modal preview: ShowPreviewAndWait, the window's toolbar, status bar,
// keys, save and load, print setup, and the progress window.
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPrintDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "platform/message_box_recorder.h"
#include "tests/report/preview_test_support.h"
#include "report/print/print_dialog.h"
#include "report/print/print_run.h"
#include "report/print/print_setup.h"
#include "report/print/progress_form.h"
#include "report/print/qr_events.h"
#include "report/preview/show_preview.h"
#include "report/preview/standard_preview.h"
#include "report/store/page_store.h"

namespace kopira::report {
namespace {

using testing::pressKey;
using testing::previewPage;
using testing::printerWithPages;

// No printer in these tests: CUPS is pointed at a server that is not there.
class NoPrinterEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { qputenv("CUPS_SERVER", "/nonexistent/kopira-cups.sock"); }
};
const auto* const kNoPrinter = ::testing::AddGlobalTestEnvironment(new NoPrinterEnvironment);

// Runs a test body while the preview is open; the body must close it.
class ActingWait : public PreviewWait {
 public:
  explicit ActingWait(std::function<void(TQRStandardPreview&)> act) : act_(std::move(act)) { setPreviewWait(this); }
  ~ActingWait() override { setPreviewWait(nullptr); }
  void Wait(TQRStandardPreview& preview, PreviewLoop& loop) override {
    ++waits;
    QCoreApplication::processEvents();
    act_(preview);
    loop.Run();
  }
  int waits = 0;

 private:
  std::function<void(TQRStandardPreview&)> act_;
};

TEST(ShowPreviewAndWait, OpensTheWindowAndReturnsWhenEscClosesIt) {
  auto report = previewPage();
  QString caption, status;
  bool maximised = false, widthPressed = false, printEnabled = false, setupEnabled = false;
  ActingWait wait([&](TQRStandardPreview& preview) {
    caption = preview.windowTitle();
    maximised = preview.isMaximized();
    widthPressed = preview.Action(QStringLiteral("ZoomToWidth"))->isChecked();
    status = preview.StatusPanel(1)->text();
    printEnabled = preview.Action(QStringLiteral("Print"))->isEnabled();
    setupEnabled = preview.Action(QStringLiteral("PrintSetup"))->isEnabled();
    pressKey(preview.QRPreview(), Qt::Key_Escape);
  });
  ShowPreviewAndWait(*report);
  EXPECT_EQ(wait.waits, 1);
  EXPECT_EQ(caption, QStringLiteral("プレビュー"));
  EXPECT_TRUE(maximised);
  EXPECT_TRUE(widthPressed);
  EXPECT_EQ(status, QStringLiteral("ページ 1 / 1"));
  EXPECT_TRUE(printEnabled);
  EXPECT_TRUE(setupEnabled);
  EXPECT_TRUE(report->available());
}

TEST(ShowPreviewAndWait, CloseButtonCloseBoxAndQuitEndTheWait) {
  auto report = previewPage();
  report->reportTitle = QStringLiteral("登記簿");
  QString caption;
  ActingWait byButton([&](TQRStandardPreview& preview) {
    caption = preview.windowTitle();
    preview.ExitButton()->click();
  });
  ShowPreviewAndWait(*report);
  EXPECT_EQ(caption, QStringLiteral("登記簿"));
  EXPECT_EQ(byButton.waits, 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  ActingWait byCloseBox([](TQRStandardPreview& preview) { preview.close(); });
  ShowPreviewAndWait(*report);
  EXPECT_EQ(byCloseBox.waits, 1);

  // The application quitting (its main window closed) ends the wait and
  // frees the preview.
  QPointer<TQRStandardPreview> left;
  ActingWait byQuit([&](TQRStandardPreview& preview) {
    left = &preview;
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  });
  ShowPreviewAndWait(*report);
  EXPECT_EQ(byQuit.waits, 1);
  EXPECT_TRUE(left.isNull());
  EXPECT_TRUE(report->available());
}

TEST(ShowPreviewAndWait, ASecondCallForTheOpenPageReturnsAtOnce) {
  auto report = previewPage();
  int windows = 0;
  ActingWait wait([&](TQRStandardPreview& preview) {
    ShowPreviewAndWait(*report);  // must not wait or open another window
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<TQRStandardPreview*>(w) && w->isVisible()) ++windows;
    preview.close();
  });
  ShowPreviewAndWait(*report);
  EXPECT_EQ(wait.waits, 1);
  EXPECT_EQ(windows, 1);
}

TEST(PreviewWindow, KeysMoveBetweenPages) {
  auto printer = printerWithPages(3);
  TQRStandardPreview preview(printer.get());
  preview.setAttribute(Qt::WA_DeleteOnClose, false);
  preview.show();
  QWidget* focus = preview.QRPreview()->viewport();
  const auto page = [&] { return preview.QRPreview()->PageNumber(); };

  pressKey(focus, Qt::Key_PageDown);
  EXPECT_EQ(page(), 2);
  pressKey(focus, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(page(), 3);
  EXPECT_EQ(preview.StatusPanel(1)->text(), QStringLiteral("ページ 3 / 3"));
  pressKey(focus, Qt::Key_PageDown);  // at the last page: nothing
  EXPECT_EQ(page(), 3);
  pressKey(focus, Qt::Key_Home);
  EXPECT_EQ(page(), 1);
  pressKey(focus, Qt::Key_End);
  EXPECT_EQ(page(), 3);
  pressKey(focus, Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(page(), 1);
  pressKey(focus, Qt::Key_PageUp);
  EXPECT_EQ(page(), 1);
  // Ctrl with Shift is not Ctrl: the next page only.
  pressKey(focus, Qt::Key_PageDown, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(page(), 2);
}

TEST(PreviewWindow, CtrlPSAndOOpenPrintSetupSaveAndLoad) {
  testing::ScriptedFileDialogs files;
  testing::ScriptedPrintDialog print;
  print.prepared.maxPage = -1;
  auto report = previewPage();
  ActingWait wait([&](TQRStandardPreview& preview) {
    QWidget* focus = preview.QRPreview()->viewport();
    pressKey(focus, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);  // not Ctrl alone: nothing
    pressKey(focus, Qt::Key_P, Qt::ControlModifier);
    pressKey(focus, Qt::Key_S, Qt::ControlModifier);
    pressKey(focus, Qt::Key_O, Qt::ControlModifier);
    preview.close();
  });
  ShowPreviewAndWait(*report);
  EXPECT_EQ(print.prepared.maxPage, 1);  // the dialog ran for the finished page
  ASSERT_EQ(files.asked.size(), 5);
  EXPECT_EQ(files.asked[0], QStringLiteral("レポート保存"));
  EXPECT_EQ(files.asked[3], QStringLiteral("レポート読み込み"));
}

TEST(PreviewWindow, ProgressIsShownInStepsOfFiveAndClearedAtTheEnds) {
  auto printer = printerWithPages(1);
  TQRStandardPreview preview(printer.get());
  preview.setAttribute(Qt::WA_DeleteOnClose, false);
  const auto progress = [&](int p) {
    TQRProgressEvent e(p);
    QCoreApplication::sendEvent(preview.QRPreview(), &e);
    return preview.StatusPanel(0)->text();
  };
  EXPECT_EQ(preview.StatusPanel(0)->text(), QStringLiteral("0%"));
  EXPECT_EQ(progress(3), QStringLiteral("0%"));
  EXPECT_EQ(progress(5), QStringLiteral("5%"));
  EXPECT_EQ(progress(9), QStringLiteral("5%"));
  EXPECT_EQ(progress(10), QStringLiteral("10%"));
  EXPECT_EQ(progress(100), QString());
  EXPECT_EQ(progress(0), QString());
}

TEST(PreviewWindow, SavesAndLoadsReportFiles) {
  MessageBoxRecorder boxes;
  testing::ScriptedFileDialogs dialogs;
  QTemporaryDir dir;
  auto printer = printerWithPages(2, TQRPaperSize::B4);
  TQRStandardPreview preview(printer.get());
  preview.setAttribute(Qt::WA_DeleteOnClose, false);

  dialogs.savePath = dir.filePath(QStringLiteral("pages.QRP"));
  preview.SaveReportClick();
  EXPECT_EQ(dialogs.asked, (QStringList{QStringLiteral("レポート保存"),
                                        QStringLiteral("Pagewright ファイル(*.QRP)|*.QRP|PDF (*.pdf)|*.pdf"),
                                        QStringLiteral("QRP")}));
  ASSERT_TRUE(QFileInfo::exists(dialogs.savePath));

  // Missing and corrupt files: a plain box each, the pages unchanged.
  dialogs.asked.clear();
  dialogs.openPath = dir.filePath(QStringLiteral("missing.QRP"));
  preview.LoadReportClick();
  EXPECT_EQ(dialogs.asked, (QStringList{QStringLiteral("レポート読み込み"), QStringLiteral("Pagewright ファイル (*.QRP)|*.QRP")}));
  QFile corrupt(dir.filePath(QStringLiteral("corrupt.QRP")));
  ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
  corrupt.write(QByteArray(300, 'x'));
  corrupt.close();
  dialogs.openPath = corrupt.fileName();
  preview.LoadReportClick();
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text, QStringLiteral("ファイルが存在しません"));
  EXPECT_FALSE(boxes.boxes[1].information);
  EXPECT_FALSE(boxes.boxes[1].text.isEmpty());
  EXPECT_FALSE(printer->ReportLoaded());
  EXPECT_EQ(printer->PageCount(), 2);

  // Loading a file of one A4 page replaces the pages and guesses the paper.
  auto a4 = printerWithPages(1, TQRPaperSize::A4);
  TQRStandardPreview other(a4.get());
  other.setAttribute(Qt::WA_DeleteOnClose, false);
  dialogs.savePath = dir.filePath(QStringLiteral("a4.QRP"));
  other.SaveReportClick();
  dialogs.openPath = dialogs.savePath;
  preview.LoadReportClick();
  EXPECT_EQ(boxes.boxes.size(), 2u);
  EXPECT_TRUE(printer->ReportLoaded());
  EXPECT_EQ(printer->PageCount(), 1);
  EXPECT_EQ(printer->PaperSizeNative(), QSizeF(2100, 2970));
  EXPECT_EQ(preview.StatusPanel(1)->text(), QStringLiteral("ページ 1 / 1"));
  EXPECT_TRUE(preview.Action(QStringLiteral("Print"))->isEnabled());
  EXPECT_FALSE(preview.Action(QStringLiteral("PrintSetup"))->isEnabled());
  EXPECT_EQ(printer->GetPage(1), a4->GetPage(1));
}

TEST(PrintSetup, TagTellsCancelFromConfirmAndTheChoicesAreKept) {
  testing::ScriptedPrintDialog dialog;
  auto report = previewPage();
  report->printerSettings.copies = 2;
  RunPrintSetup(*report, 0);
  EXPECT_EQ(report->tag, 1);
  EXPECT_EQ(dialog.prepared.minPage, 0);
  EXPECT_EQ(dialog.prepared.maxPage, 9999);
  EXPECT_EQ(dialog.prepared.copies, 2);

  dialog.confirm = true;
  dialog.answer.copies = 3;
  dialog.answer.orientation = QPageLayout::Landscape;
  dialog.answer.range = PrintDialogRequest::Range::Pages;
  dialog.answer.fromPage = 2;
  dialog.answer.toPage = 4;
  dialog.answer.duplex = TQRDuplex::LongEdge;
  RunPrintSetup(*report, 5);
  EXPECT_EQ(report->tag, 0);
  EXPECT_EQ(dialog.prepared.minPage, 1);
  EXPECT_EQ(dialog.prepared.maxPage, 5);
  EXPECT_EQ(dialog.prepared.toPage, 5);
  EXPECT_EQ(report->printerSettings.copies, 3);
  EXPECT_EQ(report->printerSettings.firstPage, 2);
  EXPECT_EQ(report->printerSettings.lastPage, 4);
  EXPECT_EQ(report->printerSettings.duplex, TQRDuplex::LongEdge);
  EXPECT_EQ(report->page().orientation(), TQROrientation::poLandscape);
  EXPECT_EQ(report->page().value(TQRPage::Width), 2970);

  dialog.answer.range = PrintDialogRequest::Range::All;
  RunPrintSetup(*report, 5);
  EXPECT_EQ(dialog.prepared.duplex, TQRDuplex::LongEdge);  // the dialog opens with the choice kept
  EXPECT_EQ(report->printerSettings.firstPage, 0);
  EXPECT_EQ(report->printerSettings.lastPage, 0);
}

// The engine prints nothing and says nothing; the preview's 印刷 tells the
// clerk, for a live report and a loaded file alike.
TEST(NoPrinter, PreviewIsOnA4AndPrintSaysThereIsNoPrinter) {
  MessageBoxRecorder boxes;
  TQRPrinter printer(TQRPrinter::Destination::Pictures);
  EXPECT_FALSE(printer.PrinterOK());
  PrinterValues b4;
  b4.paperSize = TQRPaperSize::B4;
  printer.setPrinterValues(b4);
  EXPECT_EQ(printer.PaperSizeNative(), QSizeF(2100, 2970));

  auto report = previewPage();
  TQRPrinter* slot = &printer;
  EXPECT_EQ(PrintReport(*report, slot).kind, PrintOutcome::Kind::NoPrinter);
  EXPECT_EQ(slot, &printer);
  EXPECT_TRUE(boxes.boxes.empty());

  ActingWait wait([](TQRStandardPreview& preview) {
    preview.Action(QStringLiteral("Print"))->trigger();
    QCoreApplication::processEvents();  // the print request is posted
    preview.close();
  });
  ShowPreviewAndWait(*report);
  TQRStandardPreview loaded(&printer);
  loaded.setAttribute(Qt::WA_DeleteOnClose, false);
  printer.LoadPages(std::make_unique<store::PageStore>());
  loaded.PrintClick();
  const QString noPrinter = QStringLiteral("プリンタが見つかりません。プリンタを設定してから印刷してください。");
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text, noPrinter);
  EXPECT_EQ(boxes.boxes[1].text, noPrinter);
  EXPECT_EQ(loaded.StatusPanel(2)->text(), QString());
}

// The set-up dialog says what it does: it keeps the choices (「OK」), shows
// its options with the adjustment tab, and with no printer cannot be
// confirmed and says why.
TEST(NoPrinter, SetUpDialogSaysWhatItDoesAndCannotBeConfirmed) {
  PrintSetupDialog setUp(PrintDialogRequest{}, nullptr);
  QPrintDialog& dialog = setUp.dialog();
  dialog.show();
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("プリンタの設定"));
  EXPECT_EQ(ok->text(), QStringLiteral("OK"));
  EXPECT_FALSE(ok->isEnabled());
  EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("printers"))->placeholderText(),
            QStringLiteral("プリンタが見つかりません"));
  const auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabs"));
  ASSERT_NE(tabs, nullptr);
  EXPECT_TRUE(tabs->isVisible());
  EXPECT_EQ(tabs->tabText(tabs->count() - 1), QStringLiteral("印刷位置の調整"));
  EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("PrintCalibration"))->isEnabled());
  dialog.reject();
}

TEST(ProgressForm, ShowsEveryFifthPercentAndCancels) {
  TQRProgressForm form;
  EXPECT_EQ(form.windowTitle(), QStringLiteral("印刷中"));
  bool cancelled = false;
  form.setOnCancel([&] { cancelled = true; });
  TQRProgressEvent fifty(50), odd(52);
  QCoreApplication::sendEvent(&form, &fifty);
  QCoreApplication::sendEvent(&form, &odd);
  EXPECT_EQ(form.Gauge()->value(), 50);
  EXPECT_EQ(form.Info()->text(), QStringLiteral("50%  完了"));
  form.CancelButton()->click();
  EXPECT_TRUE(cancelled);
}

// A PDF is written whole or not at all: a read-only folder, a read-only PDF
// and a name without extension each get a message, and nothing is written
// or left behind.
TEST(PreviewWindow, PdfSaveRefusesWhatItCannotWriteWhole) {
  MessageBoxRecorder boxes;
  testing::ScriptedFileDialogs dialogs;
  QTemporaryDir dir;
  auto printer = printerWithPages(1, TQRPaperSize::A4);
  TQRStandardPreview preview(printer.get());
  preview.setAttribute(Qt::WA_DeleteOnClose, false);
  const auto contentOf = [](const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  };

  dialogs.savePath = dir.filePath(QStringLiteral("pages.pdf"));
  preview.SaveReportClick();
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_TRUE(contentOf(dialogs.savePath).startsWith("%PDF-"));

  QDir(dir.path()).mkdir(QStringLiteral("locked"));
  QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const QString readOnly = dir.filePath(QStringLiteral("kept.pdf"));
  {
    QFile file(readOnly);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
  }
  QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
  const struct {
    QString path;
    QString named;  // what the message names
  } refused[] = {
      {dir.filePath(QStringLiteral("locked/pages.pdf")), QStringLiteral("locked")},
      {readOnly, QStringLiteral("kept.pdf")},
      {dir.filePath(QStringLiteral("pages")), QStringLiteral(".pdf")},
  };
  for (const auto& target : refused) {
    SCOPED_TRACE(target.path.toStdString());
    boxes.boxes.clear();
    dialogs.savePath = target.path;
    preview.SaveReportClick();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(boxes.boxes[0].text.contains(target.named)) << boxes.boxes[0].text.toStdString();
  }
  EXPECT_EQ(contentOf(readOnly), "old");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            (QStringList{QStringLiteral("kept.pdf"), QStringLiteral("pages.pdf")}));
  EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("locked"))).isEmpty());
  QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace
}  // namespace kopira::report
