#pragma once
// Dates in the Japanese era calendar, as ICU's Japanese calendar gives them,
// and the date-stamp formats built from them.
#include <QDate>
#include <QString>

namespace kopira::era {

struct EraDate {
  QString eraName;  // full era name, e.g. "令和"
  int eraYear = 0;  // year within the era, 1 for the first year
  int month = 0;
  int day = 0;
};

// The era date of a Gregorian date. An invalid date gives an empty name and zeros.
EraDate fromDate(const QDate& date);

// Formats a date by a stamp pattern: gg the era name, ee the era year in two
// digits, mm the month in two digits, dd the day in two digits, text between
// double quotes literally ("" adds nothing). Other characters are copied.
QString format(const QDate& date, const QString& pattern);

// The stamp of the registry forms: 令和08年12月08日.
inline const QString kRegistryStamp = QStringLiteral("gg\"\"ee\"年\"mm\"月\"dd\"日\"");
// The stamp of the family-register request: era name left out, the numbers
// spaced so that in a fixed-pitch face they fall 2, 5 and 8 full widths in.
inline const QString kRequestStamp = QStringLiteral("\"　　\"ee\" 　 \"mm\" 　 \"dd\" 　\"");

}  // namespace kopira::era
