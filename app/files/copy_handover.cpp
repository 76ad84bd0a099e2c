#include "app/files/copy_handover.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace kopira {
namespace {

constexpr char kRequest[] = "forward\n";
constexpr char kReply[] = "ok\n";
// A copy busy starting up answers once its event loop runs.
constexpr int kReplyWaitMs = 5000;

// One name per user and process, in the temporary folder.
QString serverName(qint64 pid) { return QStringLiteral("kopira-%1-%2").arg(::geteuid()).arg(pid); }

}  // namespace

HandoverServer::HandoverServer(std::function<void()> comeForward, QObject* parent)
    : QObject(parent), comeForward_(std::move(comeForward)), server_(new QLocalServer(this)) {
  const QString name = serverName(QCoreApplication::applicationPid());
  // A socket left by a process of the same id that was killed.
  QLocalServer::removeServer(name);
  // The socket takes the file mode mask's permissions; whoever may connect
  // can do no more than bring the window forward.
  server_->listen(name);
  connect(server_, &QLocalServer::newConnection, this, &HandoverServer::answer);
}

bool HandoverServer::listening() const { return server_->isListening(); }

void HandoverServer::answer() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->canReadLine()) return;
      if (socket->readLine() == kRequest) comeForward_();
      socket->write(kReply);
      socket->disconnectFromServer();
    });
  }
}

bool askToComeForward(qint64 pid) {
  QLocalSocket socket;
  socket.connectToServer(serverName(pid));
  if (!socket.waitForConnected(kReplyWaitMs)) return false;
  socket.write(kRequest);
  socket.waitForBytesWritten(kReplyWaitMs);
  // The copy was reached; its answer only confirms it.
  socket.waitForReadyRead(kReplyWaitMs);
  return true;
}

}  // namespace kopira
