// CP932 through ICU's "windows-31j" table (ibm-943_P15A-2003), which maps
// like Windows: 0x5C is the backslash, 0x815F U+FF3C, 0x8160 U+FF5E, the
// single bytes 0xA1-0xDF half-width katakana. Conversions stop at the first
// unmappable or illegal sequence; no substitution bytes are ever produced.
#include "platform/cp932.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <climits>
#include <memory>

namespace kopira::cp932 {
namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// One converter per thread, reset before each use (opening one per call
// costs more than the conversion of a short value).
UConverter* converter() {
  thread_local Converter conv = [] {
    UErrorCode err = U_ZERO_ERROR;
    Converter c(ucnv_open("windows-31j", &err));
    if (U_FAILURE(err)) c.reset();
    return c;
  }();
  if (conv) ucnv_reset(conv.get());
  return conv.get();
}

// Writes U+FFFD for every illegal or unmappable input sequence.
void substituteReplacement(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                           UConverterCallbackReason reason, UErrorCode* err) {
  if (reason > UCNV_IRREGULAR) return;  // reset, close, clone: nothing to write
  *err = U_ZERO_ERROR;
  const UChar replacement = 0xFFFD;
  ucnv_cbToUWriteUChars(args, &replacement, 1, 0, err);
}

// ICU takes lengths as int32_t; longer texts are refused rather than cut.
constexpr qsizetype kMaxUnits = INT32_MAX / 2;

std::optional<QString> toUnicode(const QByteArray& bytes, bool lossy) {
  if (bytes.isEmpty()) return QString();
  if (bytes.size() > kMaxUnits) return std::nullopt;
  UConverter* conv = converter();
  if (!conv) return std::nullopt;
  UErrorCode err = U_ZERO_ERROR;
  if (lossy)
    ucnv_setToUCallBack(conv, substituteReplacement, nullptr, nullptr, nullptr, &err);
  else
    ucnv_setToUCallBack(conv, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
  // Every byte yields at most one UTF-16 unit (CP932 has no supplementary
  // characters), so the output never exceeds the input length.
  QString out(bytes.size(), Qt::Uninitialized);
  const int32_t n = ucnv_toUChars(conv, reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
                                  bytes.constData(), static_cast<int32_t>(bytes.size()), &err);
  if (U_FAILURE(err) && err != U_STRING_NOT_TERMINATED_WARNING) return std::nullopt;
  out.truncate(n);
  return out;
}

// The code point starting at text[i] and the number of UTF-16 units it takes.
char32_t codePointAt(const QString& text, qsizetype i, qsizetype& units) {
  const QChar ch = text.at(i);
  if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
    units = 2;
    return QChar::surrogateToUcs4(ch, text.at(i + 1));
  }
  units = 1;
  return ch.unicode();
}

// Characters with a single-byte CP932 form: ASCII and half-width katakana.
bool isSingleByte(char32_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }

bool hasForm(char32_t c) {
  if (isSingleByte(c)) return true;
  if (c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  const QChar ch(static_cast<char16_t>(c));
  return encode(QString(ch)).has_value();
}

constexpr struct {
  char16_t twin;
  char16_t cp932Form;
} kInputTwins[] = {{0x301C, 0xFF5E}, {0x2016, 0x2225}, {0x2212, 0xFF0D}, {0x2014, 0x2015},
                   {0x00A2, 0xFFE0}, {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}};

}  // namespace

std::optional<QByteArray> encode(const QString& text) {
  if (text.isEmpty()) return QByteArray();
  if (text.size() > kMaxUnits) return std::nullopt;
  UConverter* conv = converter();
  if (!conv) return std::nullopt;
  UErrorCode err = U_ZERO_ERROR;
  ucnv_setFromUCallBack(conv, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
  // At most two bytes per UTF-16 unit.
  QByteArray out(text.size() * 2, Qt::Uninitialized);
  const int32_t n = ucnv_fromUChars(conv, out.data(), static_cast<int32_t>(out.size()),
                                    reinterpret_cast<const UChar*>(text.constData()),
                                    static_cast<int32_t>(text.size()), &err);
  if (U_FAILURE(err) && err != U_STRING_NOT_TERMINATED_WARNING) return std::nullopt;
  out.truncate(n);
  return out;
}

std::optional<QString> decode(const QByteArray& bytes) { return toUnicode(bytes, false); }

QString decodeLossy(const QByteArray& bytes) { return toUnicode(bytes, true).value_or(QString()); }

QString mapInputTwins(const QString& text) {
  QString out = text;
  for (QChar& ch : out) {
    for (const auto& pair : kInputTwins) {
      if (ch.unicode() == pair.twin) ch = QChar(pair.cp932Form);
    }
  }
  return out;
}

QString filterInput(const QString& text) {
  const QString mapped = mapInputTwins(text);
  // One conversion of the whole text settles the usual case, where every
  // character has a form; only a text that fails is filtered one by one.
  if (encode(mapped)) return mapped;
  QString out;
  out.reserve(mapped.size());
  qsizetype units = 0;
  for (qsizetype i = 0; i < mapped.size(); i += units) {
    const char32_t c = codePointAt(mapped, i, units);
    if (c == u'\r' || c == u'\n' || hasForm(c)) out.append(mapped.mid(i, units));
  }
  return out;
}

bool representable(const QString& text) { return encode(text).has_value(); }

qsizetype byteLength(const QString& text) {
  qsizetype total = 0;
  qsizetype units = 0;
  for (qsizetype i = 0; i < text.size(); i += units) total += isSingleByte(codePointAt(text, i, units)) ? 1 : 2;
  return total;
}

QString truncateToBytes(const QString& text, qsizetype maxBytes) {
  qsizetype used = 0;
  qsizetype end = 0;  // in UTF-16 units
  qsizetype units = 0;
  while (end < text.size()) {
    const qsizetype width = isSingleByte(codePointAt(text, end, units)) ? 1 : 2;
    if (used + width > maxBytes) break;
    used += width;
    end += units;
  }
  return text.left(end);
}

}  // namespace kopira::cp932
