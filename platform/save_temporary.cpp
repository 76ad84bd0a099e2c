#include "platform/save_temporary.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>

namespace kopira::save_temporary {
namespace {

const QString kMark = QStringLiteral(".kopira-tmp-");
constexpr int kRandomLetters = 6;
// A start sweeping the folder can remove a new temporary file in the moment
// between its creation and its lock; a few fresh tries get past that.
constexpr int kCreateAttempts = 8;

// Locks fd for this process. A file system without locks cannot tell a
// running save from a killed one; its files are taken as not held.
bool lock(int fd, int how) {
  while (::flock(fd, how) != 0) {
    if (errno == EINTR) continue;
    return errno != EWOULDBLOCK;
  }
  return true;
}

bool isTemporaryName(const QString& name, const QString& fileName) {
  const qsizetype markAt = name.size() - kRandomLetters - kMark.size();
  if (markAt < 1 || QStringView(name).sliced(markAt, kMark.size()) != kMark) return false;
  if (!fileName.isEmpty() && QStringView(name).first(markAt) != fileName) return false;
  for (qsizetype i = name.size() - kRandomLetters; i < name.size(); ++i) {
    const char16_t c = name.at(i).unicode();
    const bool letterOrDigit = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    if (!letterOrDigit) return false;
  }
  return true;
}

}  // namespace

TemporaryFile::TemporaryFile(const QByteArray& forPath) {
  for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
    path_ = forPath + QFile::encodeName(kMark) + QByteArray(kRandomLetters, 'X');
    fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
    if (fd_ < 0) return;
    struct stat st {};
    if (lock(fd_, LOCK_EX) && ::fstat(fd_, &st) == 0 && st.st_nlink > 0) return;
    const int error = errno;
    ::close(fd_);
    fd_ = -1;
    errno = error;
  }
}

TemporaryFile::~TemporaryFile() {
  if (fd_ < 0) return;
  if (!kept_) ::unlink(path_.constData());
  ::close(fd_);
}

bool TemporaryFile::renameTo(const QByteArray& path) {
  if (::rename(path_.constData(), path.constData()) != 0) return false;
  path_ = path;
  return true;
}

int takeAbandoned(const QByteArray& path) {
  const int fd = ::open(path.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && lock(fd, LOCK_EX | LOCK_NB)) return fd;
  ::close(fd);
  return -1;
}

void removeAbandoned(const QString& folder, const QString& fileName) {
  const QString pattern = (fileName.isEmpty() ? QStringLiteral("*") : fileName) + kMark + QString(kRandomLetters, u'?');
  for (const QString& name : QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System)) {
    if (!isTemporaryName(name, fileName)) continue;
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
    const int fd = takeAbandoned(path);
    if (fd < 0) continue;
    ::unlink(path.constData());  // while locked, so no save can be using it
    ::close(fd);
  }
}

}  // namespace kopira::save_temporary
