#pragma once
// TMemo: the multi-line input box. Its text is read and edited through its
// line list, whose entries are the rows the box displays.
#include <QPlainTextEdit>
#include <functional>
#include <optional>

#include "app/controls/memo_rows.h"
#include "platform/tstrings.h"

class TMemo;

// The line list of a TMemo: one entry per display row.
class TMemoLines final : public TStrings {
 public:
  explicit TMemoLines(TMemo& memo) : memo_(memo) {}
  // Rows, less one when the last row is empty.
  int Count() const override;
  // Row i as read through a 4096-byte buffer; empty past the end.
  QString Get(int i) const override;
  void Clear() override;
  // Appends s after a line break, or s and a line break when the text is
  // empty or already ends with one; the caret ends behind it.
  void Add(const QString& s) override;
  // Removes row i and the line break that ends it (for the last row only
  // its text).
  void Delete(int i) override;
  // Removes row i and everything after it, keeping the line break before it.
  void DeleteFrom(int i);
  // The same results as the plain walks over the rows, laying out only the
  // lines they must: the empty rows are the empty lines, and removing the
  // first row of a line leaves the rest of it broken as before.
  void DeleteEmpty() override;
  void KeepLast(int n) override;
  // The last counted row, and its removal, from the last two lines alone:
  // what activation needs of a long history.
  QString Last() const;
  void DeleteLast();

 private:
  using Row = MemoRows::Row;
  // The last counted row, and the row after it (the uncounted empty one).
  struct LastRows {
    std::optional<Row> last;
    std::optional<Row> next;
  };
  LastRows lastRows() const;
  QString textOf(Row row) const;
  // Removes row from its start to the start of next, or only its text.
  void remove(Row row, std::optional<Row> next);

  TMemo& memo_;
};

class TMemo : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit TMemo(QWidget* parent = nullptr);

  TMemoLines& Lines() { return lines_; }
  const TMemoLines& Lines() const { return lines_; }

  // The whole text with CR LF line breaks.
  QString Text() const;
  // Replaces the text; lone CR or LF become line breaks, characters that
  // have no CP932 form are dropped.
  void setText(const QString& text);

  void setWordWrap(bool wrap);
  // Empties the box as one edit, which Ctrl+Z takes back.
  void clearAsEdit();

  using Row = MemoRows::Row;
  // Every display row, from the same layout that draws the box; a hidden
  // box is laid out at its current size first. Valid until the next edit.
  const MemoRows& rows() const;
  // The rows of the lines from first to last alone, laid out as rows() lays
  // them out.
  QList<Row> rowsOf(const QTextBlock& first, const QTextBlock& last) const;

  // Called with each character typed (CR for Enter) before it is inserted;
  // setting it to the null character discards it.
  std::function<void(QChar&)> OnKeyPress;

 Q_SIGNALS:
  void clicked();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Gives the box a document whose rows lie a character height apart;
  // runs before the line list and the rows take hold of the document.
  bool useRowPitchLayout();
  void settleGeometry() const;
  // A key event whose text may enter the box.
  void handleKey(QKeyEvent* event);
  void typeText(const QString& text);

  bool rowPitchLayout_ = useRowPitchLayout();
  TMemoLines lines_{*this};
  mutable MemoRows rows_{*this};
};
