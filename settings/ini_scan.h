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

// The sections of a file, found in one pass over its lines (the first
// section of each name). A section's entries are collected the first time it
// is asked for, so a large section nobody reads costs only that pass. The
// content viewed must outlive the index.
class Index {
 public:
  explicit Index(QByteArrayView content);
  // The entries of the section of that folded name; empty when none.
  const SectionEntries& section(const QByteArray& foldedSectionName);

 private:
  struct Span {
    qsizetype begin = 0;  // the line after the section's header
    qsizetype end = 0;    // the next header, or the end of the file
  };
  QByteArrayView content_;
  QHash<QByteArray, Span> spans_;
  QHash<QByteArray, SectionEntries> entries_;
};

// The line break that lines added to the file get: a lone CR when the file's
// first break is one, else CR LF.
QByteArray lineBreakOf(QByteArrayView content);

}  // namespace kopira::ini
