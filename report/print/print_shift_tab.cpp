#include "report/print/print_shift_tab.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "platform/message_box.h"
#include "report/print/calibration_sheet.h"

namespace kopira::report {
namespace {

QDoubleSpinBox* millimetreBox(QWidget* parent, const QString& name) {
  auto* box = new QDoubleSpinBox(parent);
  box->setObjectName(name);
  box->setDecimals(1);
  box->setSingleStep(0.1);
  box->setRange(-kMaxPrintShift / 10.0, kMaxPrintShift / 10.0);
  box->setSuffix(QStringLiteral(" mm"));
  return box;
}

int tenths(const QDoubleSpinBox* box) { return qRound(box->value() * 10); }

}  // namespace

PrintShiftTab::PrintShiftTab(const QString& queue, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PrintShiftTab"));
  setWindowTitle(QStringLiteral("印刷位置の調整"));
  printer_ = new QLabel(this);
  auto* howTo = new QLabel(QStringLiteral("調整用紙を印刷し、十字の中心を用紙の左端と上端から定規で測ります。\n"
                                          "表示の値から実測値を引いた差を、今の値に足して入力します（右・下へがプラス）。"),
                           this);
  howTo->setObjectName(QStringLiteral("HowTo"));
  inForce_ = new QLabel(this);
  inForce_->setObjectName(QStringLiteral("InForce"));
  sheetSent_ = new QLabel(this);
  sheetSent_->setObjectName(QStringLiteral("SheetSent"));
  across_ = millimetreBox(this, QStringLiteral("Across"));
  down_ = millimetreBox(this, QStringLiteral("Down"));
  paper_ = new QComboBox(this);
  paper_->setObjectName(QStringLiteral("CalibrationPaper"));
  paper_->addItem(QStringLiteral("A4"), static_cast<int>(TQRPaperSize::A4));
  paper_->addItem(QStringLiteral("B4"), static_cast<int>(TQRPaperSize::B4));
  printSheet_ = new QPushButton(QStringLiteral("調整用紙を印刷"), this);
  printSheet_->setObjectName(QStringLiteral("PrintCalibration"));

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("横（右へ＋）"), across_);
  form->addRow(QStringLiteral("縦（下へ＋）"), down_);
  auto* calibration = new QHBoxLayout;
  calibration->addWidget(paper_);
  calibration->addWidget(printSheet_);
  calibration->addWidget(sheetSent_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(printer_);
  layout->addWidget(howTo);
  layout->addLayout(form);
  layout->addWidget(inForce_);
  layout->addLayout(calibration);
  layout->addStretch();

  connect(printSheet_, &QPushButton::clicked, this, &PrintShiftTab::printCalibrationSheet);
  for (QDoubleSpinBox* box : {across_, down_})
    connect(box, &QDoubleSpinBox::valueChanged, this, &PrintShiftTab::showInForce);
  setQueue(queue);
}

void PrintShiftTab::setQueue(const QString& queue) {
  if (!queue_.isEmpty() && shift() != storedPrintShift(queue_)) edited_[queue_] = shift();
  queue_ = queue;
  printer_->setText(QStringLiteral("プリンタ：%1").arg(queue));
  printSheet_->setEnabled(!queue.isEmpty());
  sheetSent_->clear();
  setShift(edited_.value(queue, storedPrintShift(queue)));
  showInForce();
}

PrintShift PrintShiftTab::shift() const { return {tenths(across_), tenths(down_)}; }

void PrintShiftTab::setShift(const PrintShift& shift) {
  across_->setValue(shift.across / 10.0);
  down_->setValue(shift.down / 10.0);
}

QHash<QString, PrintShift> PrintShiftTab::changedShifts() const {
  QHash<QString, PrintShift> changed = edited_;
  if (!queue_.isEmpty()) changed[queue_] = shift();
  for (auto it = changed.begin(); it != changed.end();)
    it = it.value() == storedPrintShift(it.key()) ? changed.erase(it) : std::next(it);
  return changed;
}

// What is in force for the printer, or what OK will put in force once the
// typed values differ from it.
void PrintShiftTab::showInForce() {
  const PrintShift stored = storedPrintShift(queue_);
  const PrintShift typed = shift();
  if (queue_.isEmpty())
    inForce_->setText(QStringLiteral("プリンタが見つかりません"));
  else if (typed != stored && typed.isZero())
    inForce_->setText(QStringLiteral("OK で印刷位置の調整をなくします。"));
  else if (typed != stored)
    inForce_->setText(QStringLiteral("OK で印刷位置の調整（%1）が有効になります。").arg(describePrintShift(typed)));
  else if (stored.isZero())
    inForce_->setText(QStringLiteral("このプリンタに印刷位置の調整はありません。"));
  else
    inForce_->setText(QStringLiteral("このプリンタには印刷位置の調整（%1）が有効です。").arg(describePrintShift(stored)));
}

void PrintShiftTab::printCalibrationSheet() {
  const auto paper = static_cast<TQRPaperSize>(paper_->currentData().toInt());
  const PrintOutcome outcome = PrintCalibrationSheet(queue_, paper, shift());
  sheetSent_->setText(outcome.needsAnswer() ? QString() : describePrintOutcome(outcome));
  if (outcome.needsAnswer()) messageBoxes().plain(describePrintOutcome(outcome));
}

}  // namespace kopira::report
