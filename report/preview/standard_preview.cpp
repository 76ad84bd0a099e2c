#include "report/preview/standard_preview.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <utility>

#include "platform/message_box.h"
#include "report/preview/file_dialogs.h"
#include "report/preview/pdf_save.h"
#include "report/preview/toolbar_icons.h"
#include "report/core/qr_error.h"
#include "report/store/qrp_file.h"

namespace kopira::report {
namespace {

// The saved report file, and PDF for reading and printing elsewhere.
const QString kSaveFilter = QStringLiteral("Pagewright ファイル") + QStringLiteral("(*.") + QStringLiteral("QRP") +
                            QStringLiteral(")|*.") + QStringLiteral("QRP") + QStringLiteral("|PDF (*.pdf)|*.pdf");
const QString kLoadFilter = QStringLiteral("Pagewright ファイル") + QStringLiteral(" (*.") + QStringLiteral("QRP") +
                            QStringLiteral(")|*.") + QStringLiteral("QRP");

}  // namespace

TQRStandardPreview::TQRStandardPreview(TQRPrinter* printer, QWidget* parent)
    : QMainWindow(parent), printer_(printer), preview_(new TQRPreview(this)) {
  setObjectName(QStringLiteral("QRStandardPreview"));
  setAttribute(Qt::WA_DeleteOnClose);
  const QString title = printer ? printer->Title() : QString();
  setWindowTitle(title.isEmpty() ? QStringLiteral("プレビュー") : title);
  resize(652, 579);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(245, 191), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }

  BuildToolBar();
  setCentralWidget(preview_);
  BuildStatusBar();

  preview_->SetQRPrinter(printer);
  if (printer) printer->SetClient(preview_);
  connect(preview_, &TQRPreview::PageAvailable, this, &TQRStandardPreview::OnPageAvailable);
  connect(preview_, &TQRPreview::ProgressUpdate, this, &TQRStandardPreview::OnProgress);
  // The window sees key presses before its controls.
  qApp->installEventFilter(this);
}

TQRStandardPreview::~TQRStandardPreview() { qApp->removeEventFilter(this); }

void TQRStandardPreview::BuildToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(16, 16));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  bar->setContentsMargins(2, 2, 2, 2);

  auto add = [this, bar](const char* name, const QString& hint, ToolbarImage image, void (TQRStandardPreview::*slot)()) {
    QAction* action = bar->addAction(toolbarIcon(image), hint);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };

  bar->addSeparator();  // ToolButton1
  auto* zoomGroup = new QActionGroup(this);
  for (QAction* zoom : {add("ZoomFit", QStringLiteral("ページ全体を表示"), ToolbarImage::ZoomFit, &TQRStandardPreview::ZoomFitClick),
                        add("Zoom100", QStringLiteral("100%"), ToolbarImage::Zoom100, &TQRStandardPreview::Zoom100Click),
                        add("ZoomToWidth", QStringLiteral("幅を基準に表示"), ToolbarImage::ZoomWidth,
                            &TQRStandardPreview::ZoomToWidthClick)}) {
    zoom->setCheckable(true);
    zoomGroup->addAction(zoom);
  }
  Action(QStringLiteral("ZoomToWidth"))->setChecked(true);
  bar->addSeparator();  // Separator1
  add("FirstPage", QStringLiteral("最初のページ"), ToolbarImage::FirstPage, &TQRStandardPreview::FirstPageClick);
  add("PreviousPage", QStringLiteral("前のページ"), ToolbarImage::PreviousPage, &TQRStandardPreview::PreviousPageClick);
  add("ToolButton2", QStringLiteral("次のページ"), ToolbarImage::NextPage, &TQRStandardPreview::NextPageClick);
  add("LastPage", QStringLiteral("最後のページ"), ToolbarImage::LastPage, &TQRStandardPreview::LastPageClick);
  bar->addSeparator();  // Separator2
  add("PrintSetup", QStringLiteral("プリンタの設定"), ToolbarImage::PrintSetup, &TQRStandardPreview::PrintSetupClick)
      ->setEnabled(false);
  add("Print", QStringLiteral("印刷"), ToolbarImage::Print, &TQRStandardPreview::PrintClick)->setEnabled(false);
  bar->addSeparator();  // Separator3
  add("SaveReport", QStringLiteral("レポートの保存"), ToolbarImage::Save, &TQRStandardPreview::SaveReportClick);
  add("LoadReport", QStringLiteral("レポート読み込み"), ToolbarImage::Load, &TQRStandardPreview::LoadReportClick);
  bar->addSeparator();  // Separator4

  exitButton_ = new QPushButton(QStringLiteral("閉じる(&C)"), bar);
  exitButton_->setObjectName(QStringLiteral("ExitButton"));
  exitButton_->setFixedSize(75, 22);
  connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
  bar->addWidget(exitButton_);
}

void TQRStandardPreview::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar"));
  bar->setFixedHeight(18);
  bar->setSizeGripEnabled(false);
  progressPanel_ = new QLabel(QStringLiteral("0%"), bar);
  progressPanel_->setFixedWidth(40);
  progressPanel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  pagePanel_ = new QLabel(QStringLiteral("ページ"), bar);
  pagePanel_->setMinimumWidth(50);
  printPanel_ = new QLabel(bar);
  printPanel_->setObjectName(QStringLiteral("PrintOutcome"));
  bar->addWidget(progressPanel_);
  bar->addWidget(pagePanel_);
  bar->addWidget(printPanel_, 1);
}

QAction* TQRStandardPreview::Action(const QString& name) const { return findChild<QAction*>(name); }

// --- announcements -----------------------------------------------------------

void TQRStandardPreview::UpdateInfo() {
  const int count = printer_ ? printer_->PageCount() : 0;
  pagePanel_->setText(QStringLiteral("ページ ") + QString::number(preview_->PageNumber()) + QStringLiteral(" / ") +
                      QString::number(count));
}

void TQRStandardPreview::OnPageAvailable() {
  UpdateInfo();
  if (printer_ && printer_->status() == ReportDestination::Status::Finished) {
    Action(QStringLiteral("PrintSetup"))->setEnabled(printer_->HasPrintSetup());
    Action(QStringLiteral("Print"))->setEnabled(true);
  }
}

void TQRStandardPreview::OnProgress(int percent) {
  if (percent == 0 || percent == 100) {
    progressPanel_->clear();
    return;
  }
  if (percent >= lastProgress_ + 5) {
    progressPanel_->setText(QString::number(percent) + QStringLiteral("%"));
    lastProgress_ = percent;
  }
}

// --- actions -----------------------------------------------------------------

void TQRStandardPreview::ZoomFitClick() {
  QCoreApplication::processEvents();
  preview_->ZoomToFit();
}

void TQRStandardPreview::Zoom100Click() {
  QCoreApplication::processEvents();
  preview_->SetZoom(100);
}

void TQRStandardPreview::ZoomToWidthClick() {
  QCoreApplication::processEvents();
  preview_->ZoomToWidth();
}

void TQRStandardPreview::ShowPage(int page) {
  preview_->SetPageNumber(page);
  UpdateInfo();
}

void TQRStandardPreview::FirstPageClick() { ShowPage(1); }
void TQRStandardPreview::PreviousPageClick() { ShowPage(preview_->PageNumber() - 1); }
void TQRStandardPreview::NextPageClick() { ShowPage(preview_->PageNumber() + 1); }
void TQRStandardPreview::LastPageClick() { ShowPage(printer_ ? printer_->PageCount() : 1); }

void TQRStandardPreview::PrintSetupClick() {
  if (printer_) printer_->RunPrintSetup();
}

void TQRStandardPreview::PrintClick() {
  if (!printer_) return;
  if (!printer_->ReportLoaded()) {
    Q_EMIT PrintRequested();
    return;
  }
  try {
    ShowPrintOutcome(printer_->PrintLoadedPages());
  } catch (const EQRError& error) {
    ShowPrintOutcome(PrintOutcome::failed(error.message()));
  }
}

void TQRStandardPreview::ShowPrintOutcome(const PrintOutcome& outcome) {
  const QString text = describePrintOutcome(outcome);
  printPanel_->setText(outcome.needsAnswer() ? QString() : text);
  if (outcome.needsAnswer()) messageBoxes().plain(text);
}

void TQRStandardPreview::SaveReportClick() {
  const QString path =
      fileDialogs().GetSaveFileName(this, QStringLiteral("レポート保存"), kSaveFilter, QStringLiteral("QRP"));
  if (path.isEmpty() || !printer_ || printer_->status() != ReportDestination::Status::Finished ||
      !printer_->PageStore())
    return;
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == u"pdf") {
    const std::optional<QString> error = reportPdf_ && !printer_->ReportLoaded() ? reportPdf_(path)
                                                                               : SavePicturesPdf(*printer_, path);
    if (error) messageBoxes().plain(*error);
    return;
  }
  if (suffix != u"qrp") {
    messageBoxes().plain(QStringLiteral("ファイル名の終わりに .QRP（レポート）か .pdf（PDF）を付けてください。"));
    return;
  }
  const store::QrpSaveResult result = store::saveQrpFile(*printer_->PageStore(), path);
  if (!result.ok) messageBoxes().plain(result.message);
}

void TQRStandardPreview::LoadReportClick() {
  const QString path = fileDialogs().GetOpenFileName(this, QStringLiteral("レポート読み込み"), kLoadFilter);
  if (path.isEmpty() || !printer_ || printer_->status() != ReportDestination::Status::Finished) return;
  store::QrpLoadResult result = store::loadQrpFile(path);
  if (result.status == store::QrpLoadResult::Status::NotFound) {
    messageBoxes().plain(QStringLiteral("ファイルが存在しません"));
    return;
  }
  if (result.status != store::QrpLoadResult::Status::Loaded) {
    messageBoxes().plain(result.message);
    return;
  }
  printer_->LoadPages(std::move(result.store));
  // Its jobs are named after the file; the caption stays.
  printer_->SetTitle(QFileInfo(path).completeBaseName());
  preview_->ShowFirstPage();
  UpdateInfo();
  Action(QStringLiteral("PrintSetup"))->setEnabled(false);
  Action(QStringLiteral("Print"))->setEnabled(true);
}

// --- keys and window events ------------------------------------------------------

bool TQRStandardPreview::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
  const bool ctrl = (modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier)) == Qt::ControlModifier;
  switch (key) {
    case Qt::Key_Escape:
      close();
      return true;
    case Qt::Key_PageUp:
      ctrl ? FirstPageClick() : PreviousPageClick();
      return true;
    case Qt::Key_PageDown:
      ctrl ? LastPageClick() : NextPageClick();
      return true;
    case Qt::Key_Home:
      FirstPageClick();
      return true;
    case Qt::Key_End:
      LastPageClick();
      return true;
    default:
      break;
  }
  // The desktop's usual keys for the printer set-up, Save and Load buttons;
  // a disabled button's key does nothing.
  static constexpr std::pair<int, const char*> kButtonKeys[] = {
      {Qt::Key_P, "PrintSetup"}, {Qt::Key_S, "SaveReport"}, {Qt::Key_O, "LoadReport"}};
  if (!ctrl) return false;
  for (const auto& [buttonKey, button] : kButtonKeys) {
    if (buttonKey != key) continue;
    Action(QLatin1String(button))->trigger();
    return true;
  }
  return false;
}

bool TQRStandardPreview::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    const auto* key = static_cast<QKeyEvent*>(e);
    if (HandleKey(key->key(), key->modifiers())) return true;
  }
  return QMainWindow::eventFilter(watched, e);
}

void TQRStandardPreview::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  UpdateInfo();
}

void TQRStandardPreview::closeEvent(QCloseEvent* e) {
  if (!closed_) {
    closed_ = true;
    Q_EMIT Closed();
  }
  QMainWindow::closeEvent(e);
}

}  // namespace kopira::report
