#include "settings/ini_disk.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kopira::ini {
namespace {

bool writable(const QFileInfo& info) { return info.isWritable() && info.permissions().testFlag(QFileDevice::WriteOwner); }

}  // namespace

LoadResult loadFile(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.exists()) return {LoadStatus::Missing, {}};
  // Only a regular file: opening a pipe would wait for a writer.
  if (!info.isFile() || info.size() > kMaxFileBytes) return {LoadStatus::Unreadable, {}};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {LoadStatus::Unreadable, {}};
  QByteArray content = file.readAll();
  if (content.size() > kMaxFileBytes || file.error() != QFileDevice::NoError) return {LoadStatus::Unreadable, {}};
  return {LoadStatus::Loaded, content};
}

std::optional<QString> saveFile(const QString& path, const QByteArray& content) {
  if (path.isEmpty()) return QStringLiteral("no settings file name");
  const QFileInfo info(path);
  if (info.exists() && (!info.isFile() || !writable(info))) return QStringLiteral("read-only file: %1").arg(path);
  const QFileInfo folder(info.absolutePath());
  if (!folder.isDir()) return QStringLiteral("missing folder: %1").arg(folder.filePath());
  if (!writable(folder)) return QStringLiteral("read-only folder: %1").arg(folder.filePath());

  // QSaveFile gives the temporary file the permissions of the file it replaces.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
    return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
  return std::nullopt;
}

}  // namespace kopira::ini
