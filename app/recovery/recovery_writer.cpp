#include "app/recovery/recovery_writer.h"

#include <QFile>
#include <QtDebug>
#include <fcntl.h>
#include <unistd.h>

#include <utility>

#include "platform/file_io.h"
#include "platform/file_replace.h"

namespace kopira::recovery {

Writer::Writer(QString path) : path_(std::move(path)), thread_([this] { run(); }) {}

Writer::~Writer() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void Writer::write(Snapshot snapshot) { post(std::move(snapshot)); }

void Writer::remove() { post(std::nullopt); }

void Writer::post(Job job) {
  {
    const std::lock_guard lock(mutex_);
    next_ = std::move(job);
  }
  wake_.notify_all();
}

void Writer::wait() {
  std::unique_lock lock(mutex_);
  wake_.wait(lock, [this] { return !next_ && !busy_; });
}

void Writer::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return next_ || ending_; });
    if (!next_) return;
    const Job job = std::move(*next_);
    next_.reset();
    busy_ = true;
    lock.unlock();
    if (job)
      writeFile(*job);
    else
      removeFile();
    lock.lock();
    busy_ = false;
    wake_.notify_all();
  }
}

void Writer::writeFile(const Snapshot& snapshot) {
  const QByteArray path = QFile::encodeName(path_);
  // The replacement gives the new file the old one's mode: the first one
  // is made empty for the owner alone.
  const int made = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (made >= 0) ::close(made);
  const std::optional<file_replace::Failure> failure = file_replace::replace(path_, encode(snapshot));
  // Told once: a folder that cannot be written fails every few seconds.
  if (failure && !std::exchange(failureTold_, true))
    qWarning().noquote() << path_ + QStringLiteral(": ") + file_replace::reason(*failure);
}

void Writer::removeFile() const {
  const QByteArray path = QFile::encodeName(path_);
  if (::unlink(path.constData()) == 0) file_io::syncFolder(file_io::folderOf(path));
}

}  // namespace kopira::recovery
