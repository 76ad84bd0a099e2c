#pragma once
// Line breaks: CR LF in stored and returned texts, LF inside the edit boxes.
#include <QString>

namespace kopira {

// Every CR LF pair, lone CR and lone LF becomes LF.
QString toLf(const QString& text);

// Every LF becomes CR LF (the text holds no CR).
QString toCrLf(const QString& lfText);

}  // namespace kopira
