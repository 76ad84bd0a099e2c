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
  // A line ends at LF, CR LF or a lone CR (files saved on old systems).
  qsizetype brk = begin;
  while (brk < content.size() && content[brk] != '\n' && content[brk] != '\r') ++brk;
  line.end = brk;
  line.hasBreak = brk < content.size();
  line.next = brk;
  if (line.hasBreak) line.next += content[brk] == '\r' && brk + 1 < content.size() && content[brk + 1] == '\n' ? 2 : 1;

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
  at.insertNeedsBreak = !content.isEmpty() && !content.endsWith('\n') && !content.endsWith('\r');
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

QByteArray lineBreakOf(QByteArrayView content) {
  const qsizetype cr = content.indexOf('\r');
  const qsizetype lf = content.indexOf('\n');
  const bool loneCrFirst = cr >= 0 && (lf < 0 || cr + 1 < lf);
  return loneCrFirst ? QByteArray("\r") : QByteArray("\r\n");
}

Index::Index(QByteArrayView content) : content_(content) {
  QByteArray name;
  qsizetype begin = -1;  // of the section being passed, when it is the first of its name
  for (qsizetype pos = 0; pos < content.size();) {
    const Line line = lineAt(content, pos);
    if (line.kind == Line::Header) {
      if (begin >= 0) spans_.insert(name, {begin, line.begin});
      name = foldedName(line.name);
      begin = spans_.contains(name) ? -1 : line.next;
    }
    pos = line.next;
  }
  if (begin >= 0) spans_.insert(name, {begin, content.size()});
}

const SectionEntries& Index::section(const QByteArray& foldedSectionName) {
  static const SectionEntries kNone;
  const auto cached = entries_.constFind(foldedSectionName);
  if (cached != entries_.constEnd()) return *cached;
  const auto span = spans_.constFind(foldedSectionName);
  if (span == spans_.constEnd()) return kNone;
  SectionEntries entries;
  for (qsizetype pos = span->begin; pos < span->end;) {
    const Line line = lineAt(content_, pos);
    pos = line.next;
    if (line.kind != Line::Entry) continue;
    const QByteArray key = foldedName(line.name);
    if (!entries.contains(key)) entries.insert(key, line.value.toByteArray());
  }
  return *entries_.insert(foldedSectionName, std::move(entries));
}

}  // namespace kopira::ini
