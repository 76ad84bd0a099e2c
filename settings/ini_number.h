#pragma once
#include <QString>
#include <optional>

namespace kopira::ini {

// The integer a stored text stands for: "0x"/"0X" followed by hexadecimal
// digits (when the text is longer than two characters), else a decimal
// integer with an optional sign, where a leading "$" marks hexadecimal.
// Nothing for empty or invalid text or a number outside the int range.
std::optional<int> parseStoredNumber(const QString& text);

}  // namespace kopira::ini
