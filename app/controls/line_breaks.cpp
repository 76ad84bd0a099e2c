#include "app/controls/line_breaks.h"

namespace kopira {

QString toLf(const QString& text) {
  QString result = text;
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

QString toCrLf(const QString& lfText) {
  QString result = lfText;
  result.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return result;
}

QString appendedEntry(bool textEndsWithBreak, const QString& entry) {
  return textEndsWithBreak ? entry + QLatin1Char('\n') : QLatin1Char('\n') + entry;
}

}  // namespace kopira
