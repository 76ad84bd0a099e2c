#pragma once
// A multi-line box as the files behind it see it: its whole text and
// whether the user has changed it.
#include <QPlainTextEdit>
#include <QString>

namespace kopira {

class TextPane {
 public:
  virtual ~TextPane() = default;
  // The whole text with CR LF line breaks.
  virtual QString text() const = 0;
  // Replaces the whole text as the program does: afterwards the pane
  // counts as unmodified.
  virtual void setText(const QString& text) = 0;
  // Whether the user has changed the text since the program last set it.
  virtual bool isModified() const = 0;
};

// A TextPane over a box that offers Text() and setText() (TMemo).
template <class Memo>
class MemoPane final : public TextPane {
 public:
  explicit MemoPane(Memo& memo) : memo_(memo) {}
  QString text() const override { return memo_.Text(); }
  void setText(const QString& text) override {
    memo_.setText(text);
    memo_.document()->setModified(false);
  }
  bool isModified() const override { return memo_.document()->isModified(); }

 private:
  Memo& memo_;
};

}  // namespace kopira
