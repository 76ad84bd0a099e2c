#pragma once
// TEdit: the single-line input box. Whatever enters it, typed, pasted or
// set, holds only characters with a CP932 form and no line break.
#include <QLineEdit>

class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent = nullptr);

  // Sets the text through the same filter as typing.
  void setText(const QString& text);

 Q_SIGNALS:
  void doubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

namespace kopira {
// What a single-line box keeps of a text: JIS twins mapped to their CP932
// forms, characters without a CP932 form and line breaks dropped.
QString singleLineInput(const QString& text);
}  // namespace kopira
