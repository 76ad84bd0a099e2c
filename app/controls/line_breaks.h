#pragma once
// Line breaks: CR LF in stored and returned texts, LF inside the edit boxes.
#include <QString>

namespace kopira {

// Every CR LF pair, lone CR and lone LF becomes LF.
QString toLf(const QString& text);

// Every LF becomes CR LF (the text holds no CR).
QString toCrLf(const QString& lfText);

// What appending an entry adds to a text (LF breaks): the entry and a line
// break when the text is empty or ends with one, else a line break and the
// entry.
QString appendedEntry(bool textEndsWithBreak, const QString& entry);

}  // namespace kopira
