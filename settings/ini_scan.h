#pragma once
// Finding sections and entries in the raw bytes of an INI file. Lines end
// at CR LF, LF or a lone CR; blanks around a line are
// ignored. A line "[name]" (the last ']' ends the name) opens a section, a
// line with '=' is an entry (key before the first '=', value after it),
// any other line is neither. Only the first section of a name counts, and
// in it only the first entry of a key.
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

namespace kopira::ini {

// Where an entry is in the file, or where a new one would go.
struct EntryLocation {
  bool sectionFound = false;
  bool keyFound = false;
  // The entry's line without its line break (when keyFound).
  qsizetype lineBegin = 0;
  qsizetype lineEnd = 0;
  QByteArrayView key;    // as spelled in the file
  QByteArrayView value;  // blanks around it dropped
  // Where a new entry of the section goes: after the section's last
  // non-blank line (when sectionFound), else the end of the file.
  qsizetype insertAt = 0;
  // The line before insertAt has no line break yet.
  bool insertNeedsBreak = false;
};

EntryLocation locateEntry(QByteArrayView content, QByteArrayView section, QByteArrayView key);

// The entries of a section by folded key name (see foldedName), first
// occurrence of each key, values with blanks around them dropped.
using SectionEntries = QHash<QByteArray, QByteArray>;

// Every section's entries, by folded section name, in one pass over the file.
using Index = QHash<QByteArray, SectionEntries>;
Index buildIndex(QByteArrayView content);

// The line break that lines added to the file get: a lone CR when the file's
// first break is one, else CR LF.
QByteArray lineBreakOf(QByteArrayView content);

}  // namespace kopira::ini
