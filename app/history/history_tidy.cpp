#include "app/history/history_tidy.h"

namespace kopira {

void tidyAndCap(TStrings& rows, int cap) {
  rows.DeleteEmpty();
  rows.KeepLast(cap);
}

}  // namespace kopira
