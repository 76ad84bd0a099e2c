#include "settings/ini_number.h"

#include <climits>

namespace kopira::ini {
namespace {

int digitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  int v = base;
  if (u >= u'0' && u <= u'9') v = u - u'0';
  else if (u >= u'a' && u <= u'f') v = u - u'a' + 10;
  else if (u >= u'A' && u <= u'F') v = u - u'A' + 10;
  return v < base ? v : -1;
}

// Digits only, at least one; the magnitude may reach INT_MAX + 1 so that
// INT_MIN stays reachable with a minus sign.
std::optional<long long> parseDigits(QStringView digits, int base) {
  if (digits.isEmpty()) return std::nullopt;
  long long value = 0;
  for (const QChar c : digits) {
    const int d = digitValue(c, base);
    if (d < 0) return std::nullopt;
    value = value * base + d;
    if (value > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
  }
  return value;
}

std::optional<int> inIntRange(std::optional<long long> value) {
  if (!value || *value < INT_MIN || *value > INT_MAX) return std::nullopt;
  return static_cast<int>(*value);
}

}  // namespace

std::optional<int> parseStoredNumber(const QString& text) {
  if (text.size() > 2 && text.at(0) == u'0' && (text.at(1) == u'x' || text.at(1) == u'X'))
    return inIntRange(parseDigits(QStringView(text).sliced(2), 16));
  QStringView rest(text);
  bool negative = false;
  if (!rest.isEmpty() && (rest.front() == u'-' || rest.front() == u'+')) {
    negative = rest.front() == u'-';
    rest = rest.sliced(1);
  }
  const bool hex = !rest.isEmpty() && rest.front() == u'$';
  std::optional<long long> magnitude = parseDigits(hex ? rest.sliced(1) : rest, hex ? 16 : 10);
  if (magnitude && negative) *magnitude = -*magnitude;
  return inIntRange(magnitude);
}

}  // namespace kopira::ini
