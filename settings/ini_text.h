#pragma once
// Byte rules of the INI format, applied to the raw CP932 bytes of the file:
// which bytes are blanks, where characters start, how names compare and how
// a stored value or a default turns into the text a read returns.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kopira::ini {

// The longest value a read returns, in CP932 bytes (a 2048-byte buffer
// with its terminating zero).
inline constexpr qsizetype kMaxValueBytes = 2047;

// Space, tab, CR, LF, VT, FF and 0x1A (the old end-of-file mark).
bool isBlank(char c);
QByteArrayView trimmed(QByteArrayView bytes);
QByteArrayView trimmedLeft(QByteArrayView bytes);

// Length of the CP932 character at bytes[i]: 2 for a lead byte with a byte
// after it, else 1.
qsizetype charLength(QByteArrayView bytes, qsizetype i);

// Section and key names compare per character, ASCII letters without case;
// a double-byte character must match both its bytes exactly.
bool sameName(QByteArrayView a, QByteArrayView b);
// The form of a name under which equal names (as sameName) are identical.
QByteArray foldedName(QByteArrayView name);

// Position of the last ']' that is a character of its own (not the trail
// byte of a double-byte character), or -1.
qsizetype lastClosingBracket(QByteArrayView bytes);

// What a read of a stored (already trimmed) value returns: one matching
// pair of quotes removed, cut to kMaxValueBytes without splitting a
// double-byte character, decoded (invalid bytes show as U+FFFD).
QString storedValueText(QByteArrayView stored);
// What a read returns when the key is missing: the default with its
// trailing spaces dropped, then treated like a stored value.
QString defaultValueText(const QString& def);

}  // namespace kopira::ini
