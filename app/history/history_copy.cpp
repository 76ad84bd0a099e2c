#include "app/history/history_copy.h"

#include "app/files/text_file.h"

namespace kopira {

QString selectedLines(const QPlainTextEdit& box) {
  QString text = box.textCursor().selectedText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  return text_file::toCrLfBreaks(text);
}

}  // namespace kopira
