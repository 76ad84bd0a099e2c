#include "app/history_tidy.h"

namespace kopira {

void tidyAndCap(TStrings& rows, int cap) {
  for (int i = rows.Count() - 1; i >= 0; --i) {
    if (rows.Get(i).isEmpty()) rows.Delete(i);
  }
  for (int excess = rows.Count() - cap; excess > 0; --excess) rows.Delete(0);
}

}  // namespace kopira
