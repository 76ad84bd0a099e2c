#include "settings/ini_fence.h"

namespace kopira::ini {
namespace {

// The half-width corner brackets, CP932 single bytes 0xA2 and 0xA3.
constexpr QChar kCornerOpen(0xFF62);
constexpr QChar kCornerClose(0xFF63);
constexpr QChar kQuote(u'"');

bool enclosedIn(const QString& value, QChar open, QChar close) {
  return value.size() >= 2 && value.front() == open && value.back() == close;
}

}  // namespace

QString fenced(const QString& value, TIniGTFence fence) {
  switch (fence) {
    case fnDoubleQuote:
      return kQuote + value + kQuote;
    case fnParenthesis:
    case fnVer11Mode:
      return kCornerOpen + value + kCornerClose;
    case fnNone:
      break;
  }
  return value;
}

// Judged on characters rather than bytes: both marks are single-byte
// characters, so this agrees with a byte test except that the trail byte
// 0xA3 of a double-byte character (as in "ぃ", 0x82 0xA3) is never taken
// for a closing mark, which would cut that character in half.
QString unfenced(const QString& value, TIniGTFence fence) {
  const bool quoted = enclosedIn(value, kQuote, kQuote);
  const bool cornered = enclosedIn(value, kCornerOpen, kCornerClose);
  const bool accepted = (fence == fnDoubleQuote && quoted) || (fence == fnParenthesis && cornered) ||
                        (fence == fnVer11Mode && (quoted || cornered));
  return accepted ? value.sliced(1, value.size() - 2) : value;
}

}  // namespace kopira::ini
