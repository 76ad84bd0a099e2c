#include "app/files/termination_signals.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kopira {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The self-pipe: the handler writes a byte to [0], the event loop reads [1].
int selfPipe[2] = {-1, -1};
struct sigaction previous[std::size(kSignals)];

void onSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  // A full pipe already holds a wake-up; the byte may be dropped.
  [[maybe_unused]] const ssize_t written = ::write(selfPipe[0], &byte, 1);
  errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> closeMainWindow, QObject* parent)
    : QObject(parent), closeMainWindow_(std::move(closeMainWindow)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, selfPipe) == 0) {
    notifier_ = new QSocketNotifier(selfPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
      drainPipe();
      trigger();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &action, &previous[i]);
  }
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { trigger(); });
}

TerminationSignals::~TerminationSignals() {
  if (!notifier_) return;
  for (size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &previous[i], nullptr);
  delete notifier_;
  ::close(selfPipe[0]);
  ::close(selfPipe[1]);
  selfPipe[0] = selfPipe[1] = -1;
}

void TerminationSignals::drainPipe() {
  char bytes[64];
  while (::read(selfPipe[1], bytes, sizeof bytes) > 0) {
  }
}

void TerminationSignals::trigger() {
  requested_ = true;
  closeMainWindow_();
}

}  // namespace kopira
