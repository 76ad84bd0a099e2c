#include "app/controls/memo_rows.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

MemoRows::MemoRows(const QPlainTextEdit& box) : box_(box), document_(*box.document()) {
  watch_ = QObject::connect(&document_, &QTextDocument::contentsChange,
                            [this](int position, int removed, int added) { noteChange(position, removed, added); });
}

MemoRows::~MemoRows() { QObject::disconnect(watch_); }

MemoRows::LayoutKey MemoRows::currentKey() const {
  const auto* layout = qobject_cast<const QPlainTextDocumentLayout*>(document_.documentLayout());
  // The box lays its text out at the width of its viewport.
  return {box_.viewport()->width(), static_cast<int>(document_.defaultTextOption().wrapMode()),
          document_.defaultFont(), document_.documentMargin(), layout ? layout->cursorWidth() : 0};
}

void MemoRows::noteChange(int position, int removed, int added) {
  if (!valid_) return;
  if (changes_++ == 0) {
    changedFrom_ = position;
    changedTo_ = position + added;
    shift_ = added - removed;
    return;
  }
  // Carry the end of the earlier change through this one.
  int to = changedTo_;
  if (to >= position + removed)
    to += added - removed;
  else if (to > position)
    to = position + added;
  changedFrom_ = std::min(changedFrom_, position);
  changedTo_ = std::max(to, position + added);
  shift_ += added - removed;
}

QList<MemoRows::Row> MemoRows::rowsOf(const QTextBlock& first, const QTextBlock& last) const {
  QAbstractTextDocumentLayout* layout = document_.documentLayout();
  QList<Row> result;
  for (QTextBlock block = first; block.isValid(); block = block.next()) {
    layout->blockBoundingRect(block);  // lays the block out when it is not
    const QTextLayout* text = block.layout();
    const int lines = text->lineCount();
    if (lines == 0) result.append({block.position(), block.length() - 1});
    for (int i = 0; i < lines; ++i) {
      const QTextLine line = text->lineAt(i);
      result.append({block.position() + line.textStart(), line.textLength()});
    }
    if (block == last) break;
  }
  return result;
}

qsizetype MemoRows::firstRowFrom(int position) const {
  qsizetype low = 0;
  qsizetype high = rows_.size();
  while (low < high) {
    const qsizetype middle = low + (high - low) / 2;
    if (at(middle).position < position)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

bool MemoRows::startsLine(qsizetype i) const {
  // Rows of one line follow each other without a gap; a line break lies
  // between the last row of a line and the first of the next.
  if (i == 0) return true;
  const Row previous = at(i - 1);
  return previous.position + previous.length < at(i).position;
}

void MemoRows::replaceRows(qsizetype from, qsizetype to, const QList<Row>& fresh) {
  // Move the start of the shifted tail to `to`, storing the rows between
  // its old and new start as they now lie; then the tail moves on.
  for (qsizetype i = to; i < tailFrom_; ++i) rows_[i].position -= tailShift_;
  for (qsizetype i = tailFrom_; i < to; ++i) rows_[i].position += tailShift_;
  tailShift_ += shift_;
  const qsizetype grow = fresh.size() - (to - from);
  if (grow > 0)
    rows_.insert(to, grow, Row{});
  else if (grow < 0)
    rows_.remove(to + grow, -grow);
  std::copy(fresh.cbegin(), fresh.cend(), rows_.begin() + from);
  tailFrom_ = from + fresh.size();
}

bool MemoRows::dropWholeLines() {
  // One removal from the start of a line to the start of a later one: the
  // lines that stay keep their text and so their rows.
  if (changes_ != 1 || changedTo_ != changedFrom_ || shift_ >= 0) return false;
  const auto lineStartAt = [this](int position) {
    const qsizetype i = firstRowFrom(position);
    return i < rows_.size() && at(i).position == position && startsLine(i) ? i : -1;
  };
  const qsizetype from = lineStartAt(changedFrom_);
  const qsizetype to = from < 0 ? -1 : lineStartAt(changedFrom_ - shift_);
  if (to < 0) return false;
  replaceRows(from, to, {});
  return true;
}

void MemoRows::updateChangedLines() {
  QTextBlock last = document_.findBlock(changedTo_);
  if (!last.isValid()) last = document_.lastBlock();
  QTextBlock first = document_.findBlock(changedFrom_);
  if (!first.isValid()) first = last;
  // The rows of the changed lines are laid out again; the rows after them
  // only move.
  const qsizetype from = firstRowFrom(first.position());
  const qsizetype to = firstRowFrom(last.position() + last.length() - shift_);
  replaceRows(from, to, rowsOf(first, last));
}

void MemoRows::update() {
  const LayoutKey key = currentKey();
  if (!valid_ || !(key == key_)) {
    rows_ = rowsOf(document_.begin(), document_.lastBlock());
    tailFrom_ = rows_.size();
    tailShift_ = 0;
    key_ = key;
    valid_ = true;
  } else if (changes_ > 0 && !dropWholeLines()) {
    updateChangedLines();
  }
  changes_ = 0;
}
