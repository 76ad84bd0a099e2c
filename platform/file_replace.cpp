#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace kopira::file_replace {
namespace {

const QString kTemporaryMark = QStringLiteral(".kopira-tmp-");
constexpr int kRandomLetters = 6;

Failure failureOf(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return Failure::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
      return Failure::ReadOnlyFolder;
    case ENOENT:
    case ENOTDIR:
      return Failure::MissingFolder;
    default:
      return Failure::WriteFailed;
  }
}

bool writeAll(int fd, QByteArrayView bytes) {
  const char* data = bytes.data();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    data += written;
    left -= written;
  }
  return true;
}

mode_t modeForNewFile() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Writes bytes to a new temporary file in the folder; fills tmpPath.
std::optional<Failure> writeTemporary(const QString& path, QByteArrayView bytes, mode_t mode, QByteArray& tmpPath) {
  tmpPath = QFile::encodeName(path + kTemporaryMark) + QByteArray(kRandomLetters, 'X');
  const int fd = ::mkostemp(tmpPath.data(), O_CLOEXEC);
  if (fd < 0) return failureOf(errno);
  bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes);
  // fsync reports what a buffered write could not: a full disk shows here
  // on file systems that delay allocation.
  while (ok && ::fsync(fd) != 0) {
    if (errno != EINTR) ok = false;
  }
  int error = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok) return std::nullopt;
  ::unlink(tmpPath.constData());
  return failureOf(error);
}

void syncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename is already done
  ::close(fd);
}

}  // namespace

bool writeProtected(const QFileInfo& info) {
  constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  return !(info.permissions() & anyWrite) || !info.isWritable();
}

std::optional<Failure> replace(const QString& path, QByteArrayView bytes) {
  const QFileInfo info(path);
  mode_t mode = modeForNewFile();
  if (info.exists() || info.isSymLink()) {
    if (!info.isFile()) return Failure::NotAFile;
    if (writeProtected(info)) return Failure::ReadOnlyFile;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) mode = st.st_mode & 07777;
  }
  const QFileInfo folder(info.absolutePath());
  if (!folder.exists()) return Failure::MissingFolder;
  if (!folder.isDir()) return Failure::NotAFile;
  if (writeProtected(folder)) return Failure::ReadOnlyFolder;

  QByteArray tmpPath;
  if (const std::optional<Failure> failure = writeTemporary(path, bytes, mode, tmpPath)) return failure;
  // A link is replaced through its target, as an editor saving it would.
  const QString target = info.isSymLink() ? info.canonicalFilePath() : path;
  if (::rename(tmpPath.constData(), QFile::encodeName(target).constData()) != 0) {
    const int error = errno;
    ::unlink(tmpPath.constData());
    return failureOf(error);
  }
  syncFolder(info.absolutePath());
  return std::nullopt;
}

QString reason(Failure failure) {
  switch (failure) {
    case Failure::ReadOnlyFile:
      return QStringLiteral("ファイルが読み取り専用です");
    case Failure::NotAFile:
      return QStringLiteral("同じ名前のフォルダなどがあり、ファイルではありません");
    case Failure::MissingFolder:
      return QStringLiteral("保存先のフォルダがありません");
    case Failure::ReadOnlyFolder:
      return QStringLiteral("保存先のフォルダに書き込めません");
    case Failure::DiskFull:
      return QStringLiteral("ディスクの空きがありません");
    case Failure::NoCp932Form:
      return QStringLiteral("保存できない文字が含まれています");
    case Failure::WriteFailed:
      break;
  }
  return QStringLiteral("書き込みに失敗しました");
}

namespace {

bool isTemporaryOf(const QString& path, const QString& candidateName) {
  const QString prefix = QFileInfo(path).fileName() + kTemporaryMark;
  if (candidateName.size() != prefix.size() + kRandomLetters || !candidateName.startsWith(prefix)) return false;
  for (qsizetype i = prefix.size(); i < candidateName.size(); ++i) {
    const char16_t c = candidateName.at(i).unicode();
    const bool letterOrDigit = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    if (!letterOrDigit) return false;
  }
  return true;
}

}  // namespace

void removeStrayTemporaries(const QString& path) {
  const QFileInfo info(path);
  QDir folder(info.absolutePath());
  const QString pattern = info.fileName() + kTemporaryMark + QString(kRandomLetters, u'?');
  for (const QFileInfo& stray : folder.entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::System)) {
    if (isTemporaryOf(path, stray.fileName()) && !stray.isSymLink()) QFile::remove(stray.filePath());
  }
}

}  // namespace kopira::file_replace
