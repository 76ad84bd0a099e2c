#pragma once
// The entries a print adds to the history once its preview has closed. The
// print is held from the moment its preview opens, so that closing the
// program while a preview is still open records the entries before the
// history is saved.
#include <QStringList>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "platform/tstrings.h"

namespace kopira {

class HeldHistory {
 public:
  explicit HeldHistory(TStrings& history) : history_(history) {}

  // What a print appends, read when it is appended.
  using Entries = std::function<QStringList()>;

  // Holds one print for as long as it lives; appends its entries to the
  // history when it ends, unless the close appended them already.
  class Hold {
   public:
    Hold(HeldHistory& owner, Entries entries);
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    HeldHistory& owner_;
    std::uint64_t id_;
  };

  // Appends every held print's entries, oldest print first.
  void releaseAll();

  // Every held print's entries as they would be appended now, oldest first.
  QStringList pending() const;
  // Called each time a print is held.
  void setOnHold(std::function<void()> onHold) { onHold_ = std::move(onHold); }

 private:
  void release(std::uint64_t id);
  void append(const Entries& entries);

  TStrings& history_;
  std::vector<std::pair<std::uint64_t, Entries>> held_;
  std::uint64_t nextId_ = 0;
  std::function<void()> onHold_;
};

}  // namespace kopira
