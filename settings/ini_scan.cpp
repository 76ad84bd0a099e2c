#include "settings/ini_scan.h"

#include "settings/ini_text.h"

namespace kopira::ini {
namespace {

struct Line {
  qsizetype begin = 0;
  qsizetype end = 0;   // before the line break
  qsizetype next = 0;  // start of the following line
  bool hasBreak = false;
  enum Kind { Blank, Header, Entry, Other } kind = Blank;
  QByteArrayView name;   // Header: the section name; Entry: the key
  QByteArrayView value;  // Entry
};

Line lineAt(QByteArrayView content, qsizetype begin) {
  Line line;
  line.begin = begin;
  const qsizetype lf = content.indexOf('\n', begin);
  line.hasBreak = lf >= 0;
  line.next = line.hasBreak ? lf + 1 : content.size();
  line.end = line.hasBreak ? lf : content.size();
  if (line.hasBreak && line.end > begin && content[line.end - 1] == '\r') --line.end;

  const QByteArrayView text = trimmed(content.sliced(begin, line.end - begin));
  if (text.isEmpty()) return line;
  if (text.front() == '[') {
    const qsizetype close = lastClosingBracket(text);
    if (close > 0) {
      line.kind = Line::Header;
      line.name = trimmed(text.sliced(1, close - 1));
      return line;
    }
  }
  const qsizetype eq = text.indexOf('=');  // '=' is never a trail byte
  if (eq >= 0) {
    line.kind = Line::Entry;
    line.name = trimmed(text.first(eq));
    line.value = trimmed(text.sliced(eq + 1));
    return line;
  }
  line.kind = Line::Other;
  return line;
}

// Calls visit(line) for the header and then each line of the first section
// named `section`, until the section ends or visit returns false.
template <typename Visit>
void walkSection(QByteArrayView content, QByteArrayView section, Visit visit) {
  bool inside = false;
  for (qsizetype pos = 0; pos < content.size();) {
    const Line line = lineAt(content, pos);
    pos = line.next;
    if (line.kind == Line::Header) {
      if (inside) return;
      inside = sameName(line.name, section);
    }
    if (inside && !visit(line)) return;
  }
}

}  // namespace

EntryLocation locateEntry(QByteArrayView content, QByteArrayView section, QByteArrayView key) {
  EntryLocation at;
  at.insertAt = content.size();
  at.insertNeedsBreak = !content.isEmpty() && !content.endsWith('\n');
  walkSection(content, section, [&](const Line& line) {
    if (line.kind == Line::Blank) return true;
    at.sectionFound = true;
    at.insertAt = line.next;
    at.insertNeedsBreak = !line.hasBreak;
    if (line.kind != Line::Entry || !sameName(line.name, key)) return true;
    at.keyFound = true;
    at.lineBegin = line.begin;
    at.lineEnd = line.end;
    at.key = line.name;
    at.value = line.value;
    return false;
  });
  return at;
}

SectionEntries sectionEntries(QByteArrayView content, QByteArrayView section) {
  SectionEntries entries;
  walkSection(content, section, [&](const Line& line) {
    if (line.kind != Line::Entry) return true;
    const QByteArray name = foldedName(line.name);
    if (!entries.contains(name)) entries.insert(name, line.value.toByteArray());
    return true;
  });
  return entries;
}

}  // namespace kopira::ini
