#include <QTextBlock>
#include <QTextCursor>

#include "app/line_breaks.h"
#include "app/tmemo.h"
#include "platform/cp932.h"

namespace {
// A row is read through a buffer of this many bytes, its terminating zero
// included.
constexpr qsizetype kRowBufferBytes = 4096;
}  // namespace

int TMemoLines::Count() const {
  const QList<TMemo::Row> rows = memo_.rows();
  const int count = static_cast<int>(rows.size());
  return rows.last().length == 0 ? count - 1 : count;
}

QString TMemoLines::Get(int i) const {
  const QList<TMemo::Row> rows = memo_.rows();
  if (i < 0 || i >= rows.size()) return QString();
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
  const QList<TMemo::Row> rows = memo_.rows();
  if (i < 0 || i >= rows.size()) return;
  const TMemo::Row row = rows.at(i);
  const bool last = i + 1 == rows.size();
  const int end = last ? row.position + row.length : rows.at(i + 1).position;
  if (end == row.position) return;
  QTextCursor cursor(memo_.document());
  cursor.setPosition(row.position);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
}

void TMemoLines::DeleteFrom(int i) {
  const QList<TMemo::Row> rows = memo_.rows();
  if (i < 0 || i >= rows.size()) return;
  QTextCursor cursor(memo_.document());
  cursor.setPosition(rows.at(i).position);
  cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  if (cursor.hasSelection()) cursor.removeSelectedText();
}
