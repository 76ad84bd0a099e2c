#pragma once
// TQRProgressForm: the small "印刷中" window shown while a report prints. It is
// the printer object's client during the run: progress announcements move
// its gauge, and its cancel button asks the run to stop.
#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kopira::report {

class TQRProgressForm : public QDialog {
  Q_OBJECT
 public:
  explicit TQRProgressForm(QWidget* parent = nullptr);

  // What the cancel button does (the run's cancel request).
  void setOnCancel(std::function<void()> onCancel) { onCancel_ = std::move(onCancel); }

  QProgressBar* Gauge() const { return gauge_; }
  QLabel* Info() const { return info_; }
  QPushButton* CancelButton() const { return cancelButton_; }

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void ShowProgress(int percent);

  QProgressBar* gauge_;
  QLabel* info_;
  QPushButton* cancelButton_;
  std::function<void()> onCancel_;
};

}  // namespace kopira::report
