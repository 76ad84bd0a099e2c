#include "platform/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace kopira::file_io {
namespace {

constexpr size_t kCopyChunk = 64 * 1024;

bool writeAt(int fd, const char* data, size_t size, off_t offset) {
  while (size > 0) {
    const ssize_t written = ::pwrite(fd, data, size, offset);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    data += written;
    size -= static_cast<size_t>(written);
    offset += written;
  }
  return true;
}

// fsync reports what a buffered write could not: a full disk shows here on
// file systems that delay allocation.
bool flush(int fd) {
  while (::fsync(fd) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

bool endAt(int fd, off_t size) { return ::ftruncate(fd, size) == 0 && flush(fd); }

}  // namespace

Descriptor::~Descriptor() {
  if (fd >= 0) ::close(fd);
}

bool writeWhole(int fd, QByteArrayView bytes) {
  return writeAt(fd, bytes.data(), static_cast<size_t>(bytes.size()), 0) && endAt(fd, bytes.size());
}

bool copyWhole(int from, int to) {
  QByteArray chunk(kCopyChunk, Qt::Uninitialized);
  off_t offset = 0;
  for (;;) {
    const ssize_t got = ::pread(from, chunk.data(), kCopyChunk, offset);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    if (!writeAt(to, chunk.constData(), static_cast<size_t>(got), offset)) return false;
    offset += got;
  }
  return endAt(to, offset);
}

void syncFolder(const QByteArray& folder) {
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

QByteArray folderOf(const QByteArray& path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) return QByteArrayLiteral(".");
  return slash == 0 ? QByteArrayLiteral("/") : path.first(slash);
}

}  // namespace kopira::file_io
