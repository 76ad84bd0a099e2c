// Fuzz target: arbitrary bytes as a recovery file. Whatever the reader takes
// must be written back and read again as the same snapshot.
#include <cstdint>
#include <cstdlib>

#include "app/recovery/recovery_snapshot.h"

namespace rc = kopira::recovery;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<rc::Snapshot> read =
      rc::decode(QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!read) return 0;
  const std::optional<rc::Snapshot> again = rc::decode(rc::encode(*read));
  if (!again || again->taken != read->taken || again->files != read->files || again->entries != read->entries)
    std::abort();
  return 0;
}
