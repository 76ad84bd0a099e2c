#pragma once
// The set-up dialog's 「印刷位置の調整」 tab: how to read the numbers off
// the calibration sheet, the shift across (横) and down (縦) of the printer
// chosen in the dialog, in 0.1 mm steps from -10.0 to +10.0 mm, a line
// saying what is in force for it and what OK will put in force as the
// values are typed, and a button that prints the calibration sheet with the
// shift as it stands in the tab.
#include <QHash>
#include <QString>
#include <QWidget>

#include "report/print/print_shift.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace kopira::report {

class PrintShiftTab : public QWidget {
  Q_OBJECT
 public:
  explicit PrintShiftTab(const QString& queue, QWidget* parent = nullptr);

  // Follows the printer chosen in the dialog; edits made for the previous
  // one are kept.
  void setQueue(const QString& queue);
  QString queue() const { return queue_; }
  PrintShift shift() const;
  void setShift(const PrintShift& shift);
  // The shifts the user changed, per queue.
  QHash<QString, PrintShift> changedShifts() const;
  // Prints the calibration sheet on the chosen paper; the tab says where it
  // went, a message box when it could not be printed.
  void printCalibrationSheet();

 private:
  void showInForce();

  QString queue_;
  QHash<QString, PrintShift> edited_;
  QLabel* printer_;
  QLabel* inForce_;
  QLabel* sheetSent_;
  QPushButton* printSheet_;
  QDoubleSpinBox* across_;
  QDoubleSpinBox* down_;
  QComboBox* paper_;
};

}  // namespace kopira::report
