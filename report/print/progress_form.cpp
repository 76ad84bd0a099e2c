#include "report/print/progress_form.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "report/print/qr_events.h"

namespace kopira::report {

TQRProgressForm::TQRProgressForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      gauge_(new QProgressBar(this)),
      info_(new QLabel(this)),
      cancelButton_(new QPushButton(QStringLiteral("キャンセル"), this)) {
  setObjectName(QStringLiteral("QRProgressForm"));
  setWindowTitle(QStringLiteral("印刷中"));
  setFixedSize(149, 94);

  gauge_->setObjectName(QStringLiteral("Gauge"));
  gauge_->setRange(0, 100);
  gauge_->setValue(0);
  gauge_->setTextVisible(false);
  gauge_->setGeometry(16, 10, 114, 16);

  info_->setObjectName(QStringLiteral("Info"));
  info_->setAlignment(Qt::AlignCenter);
  info_->setGeometry(2, 38, 145, 13);

  cancelButton_->setObjectName(QStringLiteral("CancelButton"));
  cancelButton_->setGeometry(36, 62, 75, 25);
  connect(cancelButton_, &QPushButton::clicked, this, [this] {
    if (onCancel_) onCancel_();
  });
}

bool TQRProgressForm::event(QEvent* e) {
  if (e->type() == TQRProgressEvent::type()) {
    ShowProgress(static_cast<TQRProgressEvent*>(e)->percent());
    return true;
  }
  return QDialog::event(e);
}

void TQRProgressForm::showEvent(QShowEvent* e) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(e);
}

void TQRProgressForm::ShowProgress(int percent) {
  if (percent % 5 != 0) return;
  gauge_->setValue(percent);
  info_->setText(QString::number(percent) + QStringLiteral("% ") + QStringLiteral(" 完了"));
  QCoreApplication::processEvents();
}

}  // namespace kopira::report
