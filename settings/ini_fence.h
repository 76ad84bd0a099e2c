#pragma once
// The fence pairs TIniGT puts around string values so that blanks at either
// end survive the file.
#include <QString>

#include "settings/tinigt.h"

namespace kopira::ini {

// The value as written under the fence.
QString fenced(const QString& value, TIniGTFence fence);

// The value with its fence pair removed, when it is enclosed in a pair the
// fence accepts on reading: at least two characters, the first the opening
// mark and the last the closing one.
QString unfenced(const QString& value, TIniGTFence fence);

}  // namespace kopira::ini
