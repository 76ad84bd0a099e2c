#include "platform/bounded_read.h"

#include <algorithm>

namespace kopira {

QByteArray readAtMost(QIODevice& device, qint64 limit) {
  // The size seen now is only a hint: a file that grows meanwhile is read on.
  QByteArray bytes(std::clamp<qint64>(device.size(), 0, limit) + 1, Qt::Uninitialized);
  qint64 got = 0;
  for (;;) {
    if (got == bytes.size()) {
      if (got > limit) break;
      bytes.resize(std::min(got * 2, limit + 1));
    }
    const qint64 read = device.read(bytes.data() + got, bytes.size() - got);
    if (read <= 0) break;
    got += read;
  }
  bytes.resize(got);
  return bytes;
}

}  // namespace kopira
