#include <QTextBlock>
#include <QTextCursor>

#include "app/controls/line_breaks.h"
#include "app/controls/tmemo.h"
#include "platform/cp932.h"

namespace {
// A row is read through a buffer of this many bytes, its terminating zero
// included.
constexpr qsizetype kRowBufferBytes = 4096;

// Removes the text between two positions. Inside an edit block the cursor
// does not lay out the line it lands on, which it would at every move.
void removeText(QTextDocument* document, int from, int to) {
  QTextCursor cursor(document);
  cursor.beginEditBlock();
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  cursor.endEditBlock();
}
}  // namespace

int TMemoLines::Count() const {
  const MemoRows& rows = memo_.rows();
  const int count = static_cast<int>(rows.count());
  return rows.at(rows.count() - 1).length == 0 ? count - 1 : count;
}

QString TMemoLines::textOf(Row row) const {
  const QTextBlock block = memo_.document()->findBlock(row.position);
  const QString text = block.text().mid(row.position - block.position(), row.length);
  return kopira::cp932::truncateToBytes(text, kRowBufferBytes - 1);
}

QString TMemoLines::Get(int i) const {
  const MemoRows& rows = memo_.rows();
  if (i < 0 || i >= rows.count()) return QString();
  return textOf(rows.at(i));
}

void TMemoLines::Clear() { memo_.setText(QString()); }

void TMemoLines::Add(const QString& s) {
  const QString entry = kopira::cp932::filterInput(kopira::toLf(s));
  const bool endsWithBreak = memo_.document()->lastBlock().text().isEmpty();
  QTextCursor cursor(memo_.document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(kopira::appendedEntry(endsWithBreak, entry));
  memo_.setTextCursor(cursor);
}

void TMemoLines::remove(Row row, std::optional<Row> next) {
  const int end = next ? next->position : row.position + row.length;
  if (end != row.position) removeText(memo_.document(), row.position, end);
}

void TMemoLines::Delete(int i) {
  const MemoRows& rows = memo_.rows();
  if (i < 0 || i >= rows.count()) return;
  remove(rows.at(i), i + 1 < rows.count() ? std::optional(rows.at(i + 1)) : std::nullopt);
}

void TMemoLines::DeleteFrom(int i) {
  const MemoRows& rows = memo_.rows();
  if (i < 0 || i >= rows.count()) return;
  const int from = rows.at(i).position;
  const int end = memo_.document()->characterCount() - 1;
  if (end > from) removeText(memo_.document(), from, end);
}

void TMemoLines::DeleteEmpty() {
  // Each empty line but the last goes with the line break after it; an
  // empty last line is the uncounted row.
  QTextDocument* document = memo_.document();
  QList<int> empty;
  for (QTextBlock block = document->begin(); block != document->lastBlock(); block = block.next()) {
    if (block.length() == 1) empty.append(block.position());
  }
  if (empty.isEmpty()) return;
  QTextCursor cursor(document);
  cursor.beginEditBlock();
  for (qsizetype i = empty.size() - 1; i >= 0; --i) {
    cursor.setPosition(empty.at(i));
    cursor.setPosition(empty.at(i) + 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  }
  cursor.endEditBlock();
}

void TMemoLines::KeepLast(int n) {
  // Everything before the n-th counted row from the end goes in one edit:
  // the lines before the one holding that row, and that line's rows before
  // it. Rows are broken greedily, each from its own start, so the rest of
  // the line wraps as it did; removing its rows one by one would lay the
  // long rest out again for each.
  QTextDocument* document = memo_.document();
  QTextBlock block = document->lastBlock();
  int rows = block.length() == 1 ? -1 : 0;  // an empty last row is not counted
  QList<Row> blockRows;
  for (; block.isValid(); block = block.previous()) {
    blockRows = memo_.rowsOf(block, block);
    rows += static_cast<int>(blockRows.size());
    if (rows >= n) break;
  }
  if (!block.isValid()) return;
  const qsizetype surplus = rows - n;
  // With no row kept the last line goes whole.
  const int end = surplus < blockRows.size() ? blockRows.at(surplus).position : block.position() + block.length() - 1;
  if (end > 0) removeText(document, 0, end);
}

TMemoLines::LastRows TMemoLines::lastRows() const {
  const QTextBlock last = memo_.document()->lastBlock();
  QList<Row> rows = memo_.rowsOf(last.previous().isValid() ? last.previous() : last, last);
  LastRows result;
  if (rows.last().length == 0) {
    result.next = rows.takeLast();
  }
  if (!rows.isEmpty()) result.last = rows.last();
  return result;
}

QString TMemoLines::Last() const {
  const LastRows rows = lastRows();
  return rows.last ? textOf(*rows.last) : QString();
}

void TMemoLines::DeleteLast() {
  const LastRows rows = lastRows();
  if (rows.last) remove(*rows.last, rows.next);
}
