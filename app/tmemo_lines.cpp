#include <QTextBlock>
#include <QTextCursor>

#include "app/line_breaks.h"
#include "app/tmemo.h"
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

QString TMemoLines::Get(int i) const {
  const MemoRows& rows = memo_.rows();
  if (i < 0 || i >= rows.count()) return QString();
  const TMemo::Row row = rows.at(i);
  const QTextBlock block = memo_.document()->findBlock(row.position);
  const QString text = block.text().mid(row.position - block.position(), row.length);
  return kopira::cp932::truncateToBytes(text, kRowBufferBytes - 1);
}

void TMemoLines::Clear() { memo_.setText(QString()); }

void TMemoLines::Add(const QString& s) {
  const QString entry = kopira::cp932::filterInput(kopira::toLf(s));
  const bool endsWithBreak = memo_.document()->lastBlock().text().isEmpty();
  QTextCursor cursor(memo_.document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(endsWithBreak ? entry + QLatin1Char('\n') : QLatin1Char('\n') + entry);
  memo_.setTextCursor(cursor);
}

void TMemoLines::Delete(int i) {
  const MemoRows& rows = memo_.rows();
  if (i < 0 || i >= rows.count()) return;
  const TMemo::Row row = rows.at(i);
  const bool last = i + 1 == rows.count();
  const int end = last ? row.position + row.length : rows.at(i + 1).position;
  if (end != row.position) removeText(memo_.document(), row.position, end);
}

void TMemoLines::DeleteFrom(int i) {
  const MemoRows& rows = memo_.rows();
  if (i < 0 || i >= rows.count()) return;
  const int from = rows.at(i).position;
  const int end = memo_.document()->characterCount() - 1;
  if (end > from) removeText(memo_.document(), from, end);
}
