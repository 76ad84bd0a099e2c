#pragma once
// CP932 (Windows Shift-JIS) at the file boundary. Text lives in QString in
// memory; every file the program reads or writes is CP932 with CR LF.
#include <QByteArray>
#include <QString>
#include <optional>

namespace kopira::cp932 {

// Encodes text as CP932. Fails (nullopt) when any character has no CP932
// form: the program never writes substitution bytes.
std::optional<QByteArray> encode(const QString& text);

// Decodes CP932 bytes. Fails (nullopt) on a byte sequence that is not CP932.
std::optional<QString> decode(const QByteArray& bytes);

// Decodes and never fails: invalid bytes become U+FFFD. For display only.
QString decodeLossy(const QByteArray& bytes);

// Maps the characters that Linux input methods type as the JIS twins of what
// CP932 holds (U+301C, U+2016, U+2212, U+2014, U+00A2, U+00A3, U+00AC) to
// their CP932 forms (U+FF5E, U+2225, U+FF0D, U+2015, U+FFE0, U+FFE1, U+FFE2).
QString mapInputTwins(const QString& text);

// What may enter an input box: twins mapped, characters without a CP932 form
// removed. A line break (CR, LF) always passes.
QString filterInput(const QString& text);

// Whether every character has a CP932 form.
bool representable(const QString& text);

// Number of CP932 bytes of text (characters without a form count 2).
qsizetype byteLength(const QString& text);

// The longest prefix of text that fits in maxBytes CP932 bytes; a
// double-byte character is never split.
QString truncateToBytes(const QString& text, qsizetype maxBytes);

}  // namespace kopira::cp932
