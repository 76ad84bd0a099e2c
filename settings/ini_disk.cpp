#include "settings/ini_disk.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

#include "platform/bounded_read.h"

namespace kopira::ini {

FileStamp stampOf(const QString& path) {
  struct stat st {};
  if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
  return {true, static_cast<qint64>(st.st_size), static_cast<qint64>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
          static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino)};
}

LoadResult loadFile(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.exists()) return {LoadStatus::Missing, {}};
  // Only a regular file: opening a pipe would wait for a writer.
  if (!info.isFile() || info.size() > kMaxFileBytes) return {LoadStatus::Unreadable, {}};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {LoadStatus::Unreadable, {}};
  QByteArray content = readAtMost(file, kMaxFileBytes);
  if (content.size() > kMaxFileBytes || file.error() != QFileDevice::NoError) return {LoadStatus::Unreadable, {}};
  return {LoadStatus::Loaded, content};
}

}  // namespace kopira::ini
