#pragma once
// A second start of the program on files another copy of the same user
// holds hands over to that copy: it asks it, through a local socket named
// after its process, to bring its window to the front, and ends. The
// sockets live in a folder only the user may enter, $XDG_RUNTIME_DIR/kopira
// (without a runtime folder of the user's own: "run" in the user's state
// folder), never in a folder others may write. Both ends check that the
// other runs as the same user: another user's socket is never talked to,
// and another user's connection never answered. A copy removes its socket
// when it ends the way it controls; the sockets of copies that were killed
// are removed by the next copy that listens.
#include <QObject>
#include <functional>

class QLocalServer;

namespace kopira {

// Listens for later starts while this copy holds the files.
class HandoverServer : public QObject {
  Q_OBJECT
 public:
  // comeForward runs on the user-interface thread for each later start.
  explicit HandoverServer(std::function<void()> comeForward, QObject* parent = nullptr);
  bool listening() const;

 private:
  void answer();

  std::function<void()> comeForward_;
  QLocalServer* server_;
};

// Asks the copy with this process id to come forward; true once it was
// reached (it then answers as soon as its window can), false when it does
// not listen (not yet, or no longer).
bool askToComeForward(qint64 pid);

}  // namespace kopira
