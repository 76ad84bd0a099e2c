#pragma once
// What a recovery file holds: the texts the close would save, each under
// the name it is kept by ("memo/edit1.text", "kopiralog.txt"), when they
// were taken, and the set of kept files they belong to. The file is UTF-8
// text a person can read: a first line, then each value as a line
// "NAME BYTES" followed by its bytes and a line break, and a last line
// "end" with a checksum of everything before it.
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace kopira::recovery {

// The set of kept files: the settings file and the folder of the history
// and note files, as this start resolved them.
struct KeptFiles {
  QString settingsFile;
  QString dataFolder;
  bool operator==(const KeptFiles&) const = default;
};

struct Entry {
  QString name;  // printable ASCII without blanks
  QString text;  // line breaks as LF
  bool operator==(const Entry&) const = default;
};

struct Snapshot {
  QDateTime taken;
  KeptFiles files;
  QList<Entry> entries;

  // The text kept under name, or nothing.
  std::optional<QString> text(const QString& name) const;
  // Sets the text under name, adding the entry when it is missing.
  void set(const QString& name, const QString& text);
  // Whether both hold the same texts under the same names, whenever taken.
  bool sameTexts(const Snapshot& other) const { return entries == other.entries; }
};

// A recovery file larger than this is not read.
constexpr qint64 kMaxFileBytes = 128 * 1024 * 1024;

QByteArray encode(const Snapshot& snapshot);

// The snapshot a recovery file holds; nothing when the bytes are not a
// whole, undamaged recovery file.
std::optional<Snapshot> decode(QByteArrayView bytes);

}  // namespace kopira::recovery
