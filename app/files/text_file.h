#pragma once
// Whole text files as the user keeps them: CP932 with CR LF, read in one
// piece and replaced in one piece.
#include <QString>
#include <optional>

#include "platform/file_replace.h"

namespace kopira::text_file {

// Largest file loaded into a pane; anything bigger is refused unread.
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

enum class LoadStatus {
  Loaded,
  Missing,    // no such file
  NotAFile,   // a folder, a device or a pipe where a file was expected
  Unreadable, // exists but cannot be opened or read
  TooLarge,   // more than kMaxBytes
  NotCp932,   // holds bytes that are not CP932
};

struct LoadResult {
  LoadStatus status = LoadStatus::Missing;
  QString text;  // with CR LF breaks; empty unless loaded
  bool ok() const { return status == LoadStatus::Loaded; }
};

// Every lone CR and lone LF becomes CR LF; CR LF pairs stay.
QString toCrLfBreaks(const QString& text);

// Reads the whole file and decodes it from CP932.
LoadResult load(const QString& path);

// Decodes file content as load() does once the bytes are read.
LoadResult decode(const QByteArray& bytes);

// The file's content for a text: line breaks made CR LF, CP932; nothing
// when the text holds a character without a CP932 form.
std::optional<QByteArray> contentOf(const QString& text);

// Writes text as the file's content (see contentOf). The new content is
// written in full beside the file and then put in its place, so the old file
// stays whole until the new one is complete on disk. Returns why it failed,
// or nothing once it is saved.
std::optional<file_replace::Failure> save(const QString& path, const QString& text);

}  // namespace kopira::text_file
