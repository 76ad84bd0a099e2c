#pragma once
// Ending the program from outside (SIGTERM, SIGINT, SIGHUP, or the desktop
// session ending) closes the main window the normal way, so its close
// saves what it saves on a click of the close button.
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace kopira {

class TerminationSignals : public QObject {
  Q_OBJECT
 public:
  // Installs the signal handlers and listens for the application's
  // commitDataRequest; each calls closeMainWindow on the user-interface
  // thread. One instance at a time; the old handlers return with its end.
  explicit TerminationSignals(std::function<void()> closeMainWindow, QObject* parent = nullptr);
  ~TerminationSignals() override;
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  // Whether the close was asked for from outside: nobody may be at the
  // screen to answer a message box then.
  bool requested() const { return requested_; }

 private:
  void trigger();
  void drainPipe();

  std::function<void()> closeMainWindow_;
  QSocketNotifier* notifier_ = nullptr;
  bool requested_ = false;
};

}  // namespace kopira
