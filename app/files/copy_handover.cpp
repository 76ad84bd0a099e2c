#include "app/files/copy_handover.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <cerrno>
#include <csignal>

#include "app/files/file_locations.h"
#include "platform/file_replace.h"

namespace kopira {
namespace {

constexpr char kRequest[] = "forward\n";
constexpr char kReply[] = "ok\n";
// A copy busy starting up answers once its event loop runs.
constexpr int kReplyWaitMs = 5000;

// A folder (not a link) of this user that nobody else may enter.
bool isPrivateFolder(const QString& folder) {
  struct stat st {};
  return ::lstat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
         (st.st_mode & 077) == 0;
}

// The folder of this user's sockets, made when missing; empty when there
// is none that only this user may enter.
QString socketFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  const bool ownRuntime = !runtime.isEmpty() && !QDir::isRelativePath(runtime) && isPrivateFolder(runtime);
  const QString folder = ownRuntime ? QDir(runtime).filePath(QStringLiteral("kopira"))
                                    : QDir(file_locations::stateFolder()).filePath(QStringLiteral("run"));
  return file_replace::makeFolder(folder) && isPrivateFolder(folder) ? folder : QString();
}

QString socketOf(const QString& folder, qint64 pid) { return QDir(folder).filePath(QString::number(pid)); }

// Whether the other end of a connected local socket runs as this user.
bool peerIsThisUser(qintptr socket) {
  struct ucred peer {};
  socklen_t size = sizeof peer;
  return ::getsockopt(static_cast<int>(socket), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

// Removes the sockets of copies that are gone (killed), and one left by a
// killed process whose id this copy now has.
void sweepDeadSockets(const QString& folder) {
  for (const QString& name : QDir(folder).entryList(QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
    bool ok = false;
    const qint64 pid = name.toLongLong(&ok);
    if (!ok) continue;
    const bool gone = pid == QCoreApplication::applicationPid() || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
    if (gone) QFile::remove(socketOf(folder, pid));
  }
}

}  // namespace

HandoverServer::HandoverServer(std::function<void()> comeForward, QObject* parent)
    : QObject(parent), comeForward_(std::move(comeForward)), server_(new QLocalServer(this)) {
  const QString folder = socketFolder();
  if (folder.isEmpty()) return;
  sweepDeadSockets(folder);
  // Closing the server (at the latest with this object) removes the socket.
  server_->listen(socketOf(folder, QCoreApplication::applicationPid()));
  connect(server_, &QLocalServer::newConnection, this, &HandoverServer::answer);
}

bool HandoverServer::listening() const { return server_->isListening(); }

void HandoverServer::answer() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!peerIsThisUser(socket->socketDescriptor())) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->canReadLine()) return;
      if (socket->readLine() == kRequest) comeForward_();
      socket->write(kReply);
      socket->disconnectFromServer();
    });
  }
}

bool askToComeForward(qint64 pid) {
  const QString folder = socketFolder();
  if (folder.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(socketOf(folder, pid));
  if (!socket.waitForConnected(kReplyWaitMs) || !peerIsThisUser(socket.socketDescriptor())) return false;
  socket.write(kRequest);
  socket.waitForBytesWritten(kReplyWaitMs);
  // The copy was reached; its answer only confirms it.
  socket.waitForReadyRead(kReplyWaitMs);
  return true;
}

}  // namespace kopira
