#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>

#include "platform/file_identity.h"
#include "platform/file_in_place.h"
#include "platform/file_io.h"
#include "platform/save_temporary.h"
#include "platform/trusted_links.h"

namespace kopira::file_replace {
namespace {

using save_temporary::TemporaryFile;

// How many numbered names keepAside tries when the dated one is taken.
constexpr int kMaxKeepAsideAttempts = 100;

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

mode_t modeForNewFile() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Fills the temporary file and puts it in the place of target.
std::optional<Failure> commit(TemporaryFile& temporary, const QByteArray& target, QByteArrayView bytes) {
  if (!file_io::writeWhole(temporary.fd(), bytes) || !temporary.renameTo(target)) return failureOf(errno);
  temporary.keep();
  file_io::syncFolder(file_io::folderOf(target));
  return std::nullopt;
}

std::optional<Failure> createFile(const QByteArray& target, QByteArrayView bytes) {
  TemporaryFile temporary(target);
  if (!temporary.isOpen() || ::fchmod(temporary.fd(), modeForNewFile()) != 0) return failureOf(errno);
  return commit(temporary, target, bytes);
}

std::optional<Failure> replaceFile(const QByteArray& target, const struct stat& old, QByteArrayView bytes) {
  // Further hard links would keep the old content under their names.
  if (old.st_nlink == 1) {
    TemporaryFile temporary(target);
    if (!temporary.isOpen()) return failureOf(errno);
    if (file_identity::carryOver(target, old, temporary.fd())) return commit(temporary, target, bytes);
  }
  if (const int error = file_in_place::write(target, bytes)) return failureOf(error);
  return std::nullopt;
}

// The file a save of path writes: the path itself, or a trusted link's
// final target; why not, when there is none.
std::optional<Failure> savedFile(const QString& path, QString& file) {
  const trusted_links::Followed followed = trusted_links::follow(path);
  if (!followed.untrustedLink.isEmpty()) return Failure::UntrustedLink;
  // A link whose target is missing (or a loop) is not followed.
  if (followed.dangling) return Failure::NotAFile;
  file = followed.file;
  return std::nullopt;
}

}  // namespace

bool writeProtected(const QFileInfo& info) {
  constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  return !(info.permissions() & anyWrite) || !info.isWritable();
}

std::optional<Failure> replace(const QString& path, QByteArrayView bytes) {
  QString file;
  if (const std::optional<Failure> refusal = savedFile(path, file)) return refusal;
  const QFileInfo info(file);
  if (info.exists() && !info.isFile()) return Failure::NotAFile;
  if (info.exists() && writeProtected(info)) return Failure::ReadOnlyFile;
  const QFileInfo folder(info.absolutePath());
  if (!folder.exists()) return Failure::MissingFolder;
  if (!folder.isDir()) return Failure::NotAFile;
  if (writeProtected(folder)) return Failure::ReadOnlyFolder;

  const QByteArray target = QFile::encodeName(info.absoluteFilePath());
  struct stat old {};
  if (::stat(target.constData(), &old) != 0) return errno == ENOENT ? createFile(target, bytes) : failureOf(errno);
  return replaceFile(target, old, bytes);
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
    case Failure::NotKeptAside:
      return QStringLiteral("読み込めなかった元のファイルを別の名前で残せませんでした");
    case Failure::UntrustedLink:
      return QStringLiteral("他の利用者が作ったリンクのため保存しません");
    case Failure::WriteFailed:
      break;
  }
  return QStringLiteral("書き込みに失敗しました");
}

QString removeStrayTemporaries(const QString& path) {
  QString file;
  if (savedFile(path, file)) return {};
  const QFileInfo info(file);
  if (info.fileName().isEmpty()) return {};
  save_temporary::removeAbandoned(info.absolutePath(), info.fileName());
  const QByteArray target = QFile::encodeName(info.absoluteFilePath());
  if (file_in_place::restoreInterrupted(target) != file_in_place::Restore::Refused) return {};
  return info.absoluteFilePath() + QStringLiteral(".kopira-old");
}

void removeStrayTemporariesIn(const QString& folder) { save_temporary::removeAbandoned(folder, QString()); }

KeptCopy keepAside(const QString& path, const QDateTime& when) {
  QString saved;
  if (const std::optional<Failure> refusal = savedFile(path, saved)) return {{}, *refusal};
  const QByteArray source = QFile::encodeName(saved);
  const file_io::Descriptor file(::open(source.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  struct stat st {};
  if (file.fd < 0 || ::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) return {};
  TemporaryFile copy(source);
  if (!copy.isOpen() || !file_identity::shareLike(copy.fd(), st) || !file_io::copyWhole(file.fd, copy.fd())) return {};
  const QString dated = saved + u'.' + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
  for (int attempt = 1; attempt <= kMaxKeepAsideAttempts; ++attempt) {
    const QString name = dated + (attempt == 1 ? QString() : u'-' + QString::number(attempt)) + QStringLiteral(".bak");
    if (QFileInfo::exists(name) || QFileInfo(name).isSymLink()) continue;
    if (!copy.renameTo(QFile::encodeName(name))) return {};
    copy.keep();
    file_io::syncFolder(file_io::folderOf(source));
    return {name};
  }
  return {};
}

bool makeFolder(const QString& path) {
  const QFileInfo info(path);
  if (info.isDir()) return true;
  const QString parent = info.absolutePath();
  if (parent == info.absoluteFilePath() || !makeFolder(parent)) return false;
  const QByteArray folder = QFile::encodeName(info.absoluteFilePath());
  if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) return false;
  file_io::syncFolder(QFile::encodeName(parent));
  return QFileInfo(path).isDir();
}

}  // namespace kopira::file_replace
