#include "app/history/held_history.h"

#include <algorithm>

namespace kopira {

HeldHistory::Hold::Hold(HeldHistory& owner, Entries entries) : owner_(owner), id_(owner.nextId_++) {
  owner_.held_.emplace_back(id_, std::move(entries));
  if (owner_.onHold_) owner_.onHold_();
}

HeldHistory::Hold::~Hold() { owner_.release(id_); }

void HeldHistory::append(const Entries& entries) {
  for (const QString& entry : entries()) history_.Add(entry);
}

void HeldHistory::release(std::uint64_t id) {
  const auto it = std::find_if(held_.begin(), held_.end(), [id](const auto& held) { return held.first == id; });
  if (it == held_.end()) return;
  const Entries entries = std::move(it->second);
  held_.erase(it);
  append(entries);
}

QStringList HeldHistory::pending() const {
  QStringList entries;
  for (const auto& [id, held] : held_) entries << held();
  return entries;
}

void HeldHistory::releaseAll() {
  auto held = std::move(held_);
  held_.clear();
  for (const auto& [id, entries] : held) append(entries);
}

}  // namespace kopira
