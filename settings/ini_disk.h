#pragma once
// Loading the whole INI file, and telling whether it changed on disk since.
// Nothing is held open between calls.
#include <QByteArray>
#include <QString>

namespace kopira::ini {

// A settings file is small; anything larger is not loaded (reads give their
// defaults, writes fail) rather than read into memory.
inline constexpr qsizetype kMaxFileBytes = 16 * 1024 * 1024;

enum class LoadStatus { Loaded, Missing, Unreadable };

// What identifies one version of the file on disk.
struct FileStamp {
  bool exists = false;
  qint64 size = 0;
  qint64 modifiedNs = 0;
  quint64 device = 0;
  quint64 inode = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const QString& path);

struct LoadResult {
  LoadStatus status = LoadStatus::Missing;
  QByteArray content;  // empty unless Loaded
};

// The file's bytes. A path that is not a regular file (a folder, a pipe)
// is Unreadable, as is a file larger than kMaxFileBytes.
LoadResult loadFile(const QString& path);

}  // namespace kopira::ini
