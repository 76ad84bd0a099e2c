#pragma once
// The history's tidy-up at close, on its line list of display rows.
#include "platform/tstrings.h"

namespace kopira {

// Rows the history keeps at close.
constexpr int kHistoryRowCap = 100;

// Removes every empty row, walking from the last counted row to the first,
// then removes the first row as often as the count exceeds cap. On a box's
// line list a removed row takes its line break with it, and when the first
// row is the head of a wrapped line only that head goes.
void tidyAndCap(TStrings& rows, int cap = kHistoryRowCap);

}  // namespace kopira
