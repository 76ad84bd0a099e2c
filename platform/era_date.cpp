#include "platform/era_date.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

#include <memory>

namespace kopira::era {
namespace {

const icu::Locale& japaneseLocale() {
  static const icu::Locale locale("ja_JP@calendar=japanese");
  return locale;
}

QString toQString(const icu::UnicodeString& s) {
  return QString(reinterpret_cast<const QChar*>(s.getBuffer()), s.length());
}

// ICU counts days from 1970-01-01 in milliseconds; noon avoids any
// time-zone edge at midnight.
UDate toUDate(const QDate& date) {
  constexpr double kMsPerDay = 86400000.0;
  return static_cast<double>(QDate(1970, 1, 1).daysTo(date)) * kMsPerDay + kMsPerDay / 2;
}

// Two digits with a leading zero. ICU's own two-digit year pattern does not
// pad in the Japanese calendar, so the digits are built here.
QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

EraDate fromDate(const QDate& date) {
  if (!date.isValid()) return {};
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> cal(icu::Calendar::createInstance(icu::TimeZone::createTimeZone("UTC"),
                                                                   japaneseLocale(), status));
  if (U_FAILURE(status)) return {};
  cal->setTime(toUDate(date), status);
  EraDate out;
  out.eraYear = cal->get(UCAL_YEAR, status);
  out.month = cal->get(UCAL_MONTH, status) + 1;
  out.day = cal->get(UCAL_DATE, status);
  icu::SimpleDateFormat eraFormat(icu::UnicodeString(u"GGGG"), japaneseLocale(), status);
  if (U_FAILURE(status)) return {};
  eraFormat.adoptCalendar(cal.release());
  eraFormat.setTimeZone(*icu::TimeZone::getGMT());
  icu::UnicodeString name;
  eraFormat.format(toUDate(date), name);
  out.eraName = toQString(name);
  return out;
}

QString format(const QDate& date, const QString& pattern) {
  const EraDate d = fromDate(date);
  QString out;
  for (qsizetype i = 0; i < pattern.size();) {
    const QStringView rest = QStringView(pattern).mid(i);
    if (rest.front() == QLatin1Char('"')) {
      const qsizetype close = pattern.indexOf(QLatin1Char('"'), i + 1);
      const qsizetype end = close < 0 ? pattern.size() : close;
      out += pattern.mid(i + 1, end - i - 1);
      i = end + 1;
    } else if (rest.startsWith(u"gg")) {
      out += d.eraName;
      i += 2;
    } else if (rest.startsWith(u"ee")) {
      out += twoDigits(d.eraYear);
      i += 2;
    } else if (rest.startsWith(u"mm")) {
      out += twoDigits(d.month);
      i += 2;
    } else if (rest.startsWith(u"dd")) {
      out += twoDigits(d.day);
      i += 2;
    } else {
      out += rest.front();
      ++i;
    }
  }
  return out;
}

}  // namespace kopira::era
