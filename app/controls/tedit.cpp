#include "app/controls/tedit.h"

#include <QValidator>

#include "platform/cp932.h"

namespace kopira {
QString singleLineInput(const QString& text) {
  QString result = cp932::filterInput(text);
  result.remove(QLatin1Char('\r'));
  result.remove(QLatin1Char('\n'));
  return result;
}
}  // namespace kopira

namespace {
// Rewrites every edit of the box to what the box may hold; nothing is
// ever refused outright, so typing a character without a form does nothing.
class SingleLineFilter final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override {
    const QString allowed = kopira::singleLineInput(input);
    if (allowed != input) {
      pos = static_cast<int>(kopira::singleLineInput(input.left(pos)).size());
      input = allowed;
    }
    return Acceptable;
  }
};
}  // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new SingleLineFilter(this));
}

void TEdit::setText(const QString& text) { QLineEdit::setText(kopira::singleLineInput(text)); }

void TEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  Q_EMIT doubleClicked();
}
