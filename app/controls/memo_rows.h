#pragma once
// The display rows of a multi-line box, kept between reads. An edit lays
// out again only the lines it touched (none when it removed whole lines);
// a change of width, font or wrapping lays out every line. The rows after
// an edit move by a shift kept for the whole tail, so a line list that
// reads, deletes and reads again (the history's tidy-up at close) stays
// linear in the number of rows.
#include <QFont>
#include <QList>
#include <QMetaObject>

class QPlainTextEdit;
class QTextBlock;
class QTextDocument;

class MemoRows {
 public:
  // A display row: where it starts in the document and how many
  // characters it holds (its line break not counted).
  struct Row {
    int position;
    int length;
    bool operator==(const Row&) const = default;
  };

  explicit MemoRows(const QPlainTextEdit& box);
  ~MemoRows();
  MemoRows(const MemoRows&) = delete;
  MemoRows& operator=(const MemoRows&) = delete;

  // Brings the rows up to date with the box's text and layout; the caller
  // settles the box's geometry first.
  void update();
  qsizetype count() const { return rows_.size(); }
  Row at(qsizetype i) const {
    Row row = rows_.at(i);
    if (i >= tailFrom_) row.position += tailShift_;
    return row;
  }
  // The rows of the lines from first to last alone, laying out only those.
  QList<Row> rowsOf(const QTextBlock& first, const QTextBlock& last) const;

 private:
  // What the breaking of every line depends on besides its text.
  struct LayoutKey {
    int textWidth = -1;
    int wrapMode = -1;
    QFont font;
    qreal margin = 0;
    int cursorWidth = 0;
    bool operator==(const LayoutKey&) const = default;
  };
  LayoutKey currentKey() const;
  void noteChange(int position, int removed, int added);
  qsizetype firstRowFrom(int position) const;
  bool startsLine(qsizetype row) const;
  // Rows [from, to) become fresh; the rows after them move by shift_.
  void replaceRows(qsizetype from, qsizetype to, const QList<Row>& fresh);
  bool dropWholeLines();
  void updateChangedLines();

  const QPlainTextEdit& box_;
  QTextDocument& document_;
  QMetaObject::Connection watch_;
  LayoutKey key_;
  bool valid_ = false;
  // The stored rows; from row tailFrom_ on, each lies tailShift_
  // characters further than stored.
  QList<Row> rows_;
  qsizetype tailFrom_ = 0;
  int tailShift_ = 0;
  // The edits since the last update: the text before changedFrom_ is
  // unchanged, the text from changedTo_ on was at changedTo_ - shift_.
  int changes_ = 0;
  int changedFrom_ = 0;
  int changedTo_ = 0;
  int shift_ = 0;
};
