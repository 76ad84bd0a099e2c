#include "settings/ini_text.h"

#include "platform/cp932.h"

namespace kopira::ini {
namespace {

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// One pair of the same quote around the whole value (at least two
// characters) is removed. Quotes are single-byte characters that no trail
// byte can be taken for, so this works alike on bytes and on text.
template <typename Text>
Text unquoted(Text value) {
  if (value.size() < 2 || value.front() != value.back()) return value;
  if (value.front() != u'"' && value.front() != u'\'') return value;
  return value.sliced(1, value.size() - 2);
}

}  // namespace

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

QByteArrayView trimmedLeft(QByteArrayView bytes) {
  qsizetype begin = 0;
  while (begin < bytes.size() && isBlank(bytes[begin])) ++begin;
  return bytes.sliced(begin);
}

QByteArrayView trimmed(QByteArrayView bytes) {
  // Trail bytes are 0x40 and above, so a blank byte is always a character.
  QByteArrayView left = trimmedLeft(bytes);
  qsizetype end = left.size();
  while (end > 0 && isBlank(left[end - 1])) --end;
  return left.first(end);
}

qsizetype charLength(QByteArrayView bytes, qsizetype i) {
  return isLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
}

bool sameName(QByteArrayView a, QByteArrayView b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size();) {
    const qsizetype len = charLength(a, i);
    if (len == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
    } else if (asciiLower(a[i]) != asciiLower(b[i])) {
      return false;
    }
    i += len;
  }
  return true;
}

QByteArray foldedName(QByteArrayView name) {
  QByteArray out = name.toByteArray();
  for (qsizetype i = 0; i < out.size(); i += charLength(name, i)) out[i] = asciiLower(out[i]);
  return out;
}

qsizetype lastClosingBracket(QByteArrayView bytes) {
  qsizetype found = -1;
  for (qsizetype i = 0; i < bytes.size(); i += charLength(bytes, i)) {
    if (bytes[i] == ']') found = i;
  }
  return found;
}

QString storedValueText(QByteArrayView stored) {
  const QByteArrayView value = unquoted(stored);
  qsizetype end = 0;
  while (end < value.size()) {
    const qsizetype len = charLength(value, end);
    if (end + len > kMaxValueBytes) break;
    end += len;
  }
  const QByteArray bytes = value.first(end).toByteArray();
  if (std::optional<QString> text = cp932::decode(bytes)) return *text;
  return cp932::decodeLossy(bytes);
}

QString defaultValueText(const QString& def) {
  qsizetype end = def.size();
  while (end > 0 && def.at(end - 1) == u' ') --end;
  return cp932::truncateToBytes(unquoted(def.left(end)), kMaxValueBytes);
}

}  // namespace kopira::ini
