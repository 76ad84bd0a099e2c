#include "platform/file_in_place.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file_io.h"
#include "platform/save_temporary.h"

namespace kopira::file_in_place {
namespace {

using file_io::Descriptor;

QByteArray copyPathOf(const QByteArray& path) { return path + ".kopira-old"; }

}  // namespace

int write(const QByteArray& path, QByteArrayView bytes, mode_t copyMode) {
  const Descriptor file(::open(path.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
  if (file.fd < 0) return errno;
  const QByteArray folder = file_io::folderOf(path);
  const QByteArray copyPath = copyPathOf(path);
  save_temporary::TemporaryFile copy(path);
  if (!copy.isOpen()) return errno;
  if (::fchmod(copy.fd(), copyMode & 0666) != 0 || !file_io::copyWhole(file.fd, copy.fd()) || !copy.renameTo(copyPath))
    return errno;
  file_io::syncFolder(folder);
  const auto dropCopy = [&] {
    ::unlink(copyPath.constData());
    copy.keep();
    file_io::syncFolder(folder);
  };
  // Space for the new content is asked for before the old content is
  // touched (where the file system can reserve it).
  if (!bytes.isEmpty() && ::fallocate(file.fd, FALLOC_FL_KEEP_SIZE, 0, bytes.size()) != 0 && errno == ENOSPC) {
    dropCopy();
    return ENOSPC;
  }
  if (!file_io::writeWhole(file.fd, bytes)) {
    const int error = errno;
    if (file_io::copyWhole(copy.fd(), file.fd))
      dropCopy();
    else
      copy.keep();
    return error;
  }
  dropCopy();
  return 0;
}

void restoreInterrupted(const QByteArray& path) {
  const QByteArray copyPath = copyPathOf(path);
  const Descriptor copy(save_temporary::takeAbandoned(copyPath));
  if (copy.fd < 0) return;
  bool restored = false;
  {
    const Descriptor file(::open(path.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
    if (file.fd >= 0)
      restored = file_io::copyWhole(copy.fd, file.fd) && ::unlink(copyPath.constData()) == 0;
    else if (errno == ENOENT)  // the file itself is gone: the copy becomes it
      restored = ::rename(copyPath.constData(), path.constData()) == 0;
  }
  if (restored) file_io::syncFolder(file_io::folderOf(path));
}

}  // namespace kopira::file_in_place
