#pragma once
// At start, before the main window takes input: a recovery file in this
// copy's slot was left by a copy that did not end properly. The user is
// asked whether to put its texts back. Discarded, it moves into the unsaved
// folder under a dated name, so no click destroys anything; a damaged one
// is told and moved there too.
#include <QDateTime>
#include <optional>

#include "app/recovery/recovery_slot.h"

namespace kopira::recovery {

// The texts to put back, when there is a file and the user chose to; the
// file then stays until the next snapshot replaces it.
std::optional<Snapshot> offer(const Slot& slot, const QDateTime& now = QDateTime::currentDateTime());

// The question, for a snapshot taken at that time.
QString question(const QDateTime& taken);

}  // namespace kopira::recovery
