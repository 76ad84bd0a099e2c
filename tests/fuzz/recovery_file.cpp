// Fuzz target: arbitrary bytes as a recovery file, as they are and with the
// checksum line they would need, so that the records behind the checksum
// are reached too. Whatever the reader takes must be written back and read
// again as the same snapshot.
#include <QCryptographicHash>
#include <cstdint>
#include <cstdlib>

#include "app/recovery/recovery_snapshot.h"

namespace rc = kopira::recovery;

namespace {

void readBackWhatIsRead(QByteArrayView bytes) {
  const std::optional<rc::Snapshot> read = rc::decode(bytes);
  if (!read) return;
  const std::optional<rc::Snapshot> again = rc::decode(rc::encode(*read));
  if (!again || again->taken != read->taken || again->files != read->files || again->entries != read->entries)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  readBackWhatIsRead(bytes);
  readBackWhatIsRead(bytes.toByteArray() + "end " + QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex() + '\n');
  return 0;
}
