#pragma once
// Reading a whole file that has a size limit, without setting aside memory
// for the limit: only what the file holds is read, and a file larger than
// the limit is noticed by the byte past it.
#include <QByteArray>
#include <QIODevice>

namespace kopira {

// Reads from device to its end, but no more than limit + 1 bytes: a result
// longer than limit means the file is too large. Read errors show in the
// device's error state.
QByteArray readAtMost(QIODevice& device, qint64 limit);

}  // namespace kopira
