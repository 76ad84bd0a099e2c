#include "platform/file_identity.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <QByteArrayList>
#include <cerrno>
#include <functional>
#include <optional>

namespace kopira::file_identity {
namespace {

// A list or a value of extended attributes, read through a call that tells
// the size needed when given none; nothing (errno) when the call failed.
std::optional<QByteArray> readSized(const std::function<ssize_t(char*, size_t)>& read) {
  for (;;) {
    const ssize_t size = read(nullptr, 0);
    if (size < 0) return std::nullopt;
    QByteArray buffer(size, Qt::Uninitialized);
    const ssize_t got = read(buffer.data(), static_cast<size_t>(size));
    if (got >= 0) return buffer.first(got);
    if (errno != ERANGE) return std::nullopt;  // grew in between: ask again
  }
}

QByteArrayList namesIn(const QByteArray& list) {
  QByteArrayList names = list.split('\0');
  names.removeAll(QByteArray());
  return names;
}

bool carryAttributes(const QByteArray& oldPath, int fd) {
  const std::optional<QByteArray> oldList =
      readSized([&](char* buffer, size_t size) { return ::listxattr(oldPath.constData(), buffer, size); });
  // A file system that keeps no attributes has none to carry.
  if (!oldList) return errno == ENOTSUP;
  const QByteArrayList wanted = namesIn(*oldList);
  // The new file may have inherited attributes (a folder's default ACL)
  // that the old one does not have.
  const std::optional<QByteArray> newList = readSized([&](char* buffer, size_t size) { return ::flistxattr(fd, buffer, size); });
  if (!newList) return false;
  for (const QByteArray& name : namesIn(*newList)) {
    if (!wanted.contains(name) && ::fremovexattr(fd, name.constData()) != 0 && errno != ENODATA) return false;
  }
  for (const QByteArray& name : wanted) {
    const std::optional<QByteArray> value = readSized(
        [&](char* buffer, size_t size) { return ::getxattr(oldPath.constData(), name.constData(), buffer, size); });
    if (!value || ::fsetxattr(fd, name.constData(), value->constData(), static_cast<size_t>(value->size()), 0) != 0)
      return false;
  }
  return true;
}

}  // namespace

bool carryOver(const QByteArray& oldPath, const struct stat& old, int fd) {
  struct stat now {};
  if (::fstat(fd, &now) != 0) return false;
  if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0) return false;
  // The mode last: a change of owner clears set-id bits, and an access ACL
  // set above agrees with the old mode.
  return carryAttributes(oldPath, fd) && ::fchmod(fd, old.st_mode & 07777) == 0;
}

bool shareLike(int fd, const struct stat& of) {
  const bool groupGiven = ::fchown(fd, of.st_uid, of.st_gid) == 0 || ::fchown(fd, static_cast<uid_t>(-1), of.st_gid) == 0;
  return ::fchmod(fd, of.st_mode & (groupGiven ? 0666 : 0606)) == 0;
}

}  // namespace kopira::file_identity
