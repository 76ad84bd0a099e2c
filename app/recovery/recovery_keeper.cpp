#include "app/recovery/recovery_keeper.h"

#include <QFileInfo>
#include <utility>

namespace kopira::recovery {
namespace {

constexpr int kPauseMs = 1000;
constexpr int kLongestMs = 10000;

}  // namespace

Keeper::Keeper(const Slot& slot, Take take, QObject* parent)
    : QObject(parent), files_(slot.files()), take_(std::move(take)), writer_(slot.path()),
      fileThere_(QFileInfo::exists(slot.path())) {
  for (QTimer* timer : {&pause_, &longest_}) {
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &Keeper::keepNow);
  }
  pause_.setInterval(kPauseMs);
  longest_.setInterval(kLongestMs);
}

void Keeper::restored() {
  baselineIsKept_ = false;
  changed();
}

void Keeper::changed() {
  if (closing_) return;
  pause_.start();
  if (!longest_.isActive()) longest_.start();
}

void Keeper::keepNow() {
  pause_.stop();
  longest_.stop();
  std::optional<Snapshot> now = take_();
  if (!now) {
    pause_.start();
    return;
  }
  if (baselineIsKept_ && now->sameTexts(baseline_)) {
    if (std::exchange(fileThere_, false)) writer_.remove();
    written_.reset();
    return;
  }
  if (written_ && now->sameTexts(*written_)) return;
  now->taken = QDateTime::currentDateTime();
  now->files = files_;
  writer_.write(*now);
  written_ = std::move(now);
  fileThere_ = true;
}

void Keeper::closing() {
  if (closing_) return;
  keepNow();
  closing_ = true;
  pause_.stop();
}

void Keeper::closed() {
  writer_.remove();
  fileThere_ = false;
  written_.reset();
}

void Keeper::resume() {
  closing_ = false;
  changed();
}

}  // namespace kopira::recovery
