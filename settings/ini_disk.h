#pragma once
// Loading and saving the whole INI file. Nothing is held open between calls.
#include <QByteArray>
#include <QString>
#include <optional>

namespace kopira::ini {

// A settings file is small; anything larger is not loaded (reads give their
// defaults, writes fail) rather than read into memory.
inline constexpr qsizetype kMaxFileBytes = 16 * 1024 * 1024;

enum class LoadStatus { Loaded, Missing, Unreadable };

struct LoadResult {
  LoadStatus status = LoadStatus::Missing;
  QByteArray content;  // empty unless Loaded
};

// The file's bytes. A path that is not a regular file (a folder, a pipe)
// is Unreadable, as is a file larger than kMaxFileBytes.
LoadResult loadFile(const QString& path);

// Replaces the file's content: the new content goes to a temporary file in
// the same folder, which then takes the file's place, so a failure never
// leaves a half-written file. Refuses (returns an error text) when the file
// or its folder is read-only: judged by the owner's write permission bit
// as well as by access(2), since the superuser passes access(2) for any
// file; the owner bit is what "read-only" means for a settings file.
std::optional<QString> saveFile(const QString& path, const QByteArray& content);

}  // namespace kopira::ini
