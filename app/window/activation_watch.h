#pragma once
// Tells when a window becomes the program's active window: for the first
// time, or coming back from another window of the program (a preview, a
// dialog). Coming back from another program, or from a message box, does not
// count.
#include <QObject>
#include <QPointer>
#include <QWindow>
#include <functional>

class QWidget;

class ActivationWatch final : public QObject {
  Q_OBJECT
 public:
  ActivationWatch(QWidget* window, std::function<void()> onActivate);

 private:
  void focusWindowChanged(QWindow* window);

  QWidget* window_;
  std::function<void()> onActivate_;
  QPointer<QWindow> lastActive_;
};
