#pragma once
// Keeps the recovery file up to date with the inputs the close would save:
// once the user has paused for a second, and at least every ten seconds
// while typing goes on. The snapshot is taken on the user-interface thread
// and written by the writer's thread. Inputs that hold just what the kept
// files hold need no file, and one written before is removed.
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "app/recovery/recovery_slot.h"
#include "app/recovery/recovery_writer.h"

namespace kopira::recovery {

class Keeper final : public QObject {
 public:
  // The texts of the inputs now; nothing while they are not all there (a
  // history still going into its box).
  using Take = std::function<std::optional<Snapshot>()>;

  Keeper(const Slot& slot, Take take, QObject* parent = nullptr);

  // What the kept files hold, as the inputs show it once loaded; a text
  // loaded later (the history) is set when it is in.
  void setBaseline(Snapshot baseline) { baseline_ = std::move(baseline); }
  void setBaselineText(const QString& name, const QString& text) { baseline_.set(name, text); }
  // The inputs were given a recovery file's texts: whatever they hold now
  // differs from the kept files.
  void restored();

  // Something the close saves has changed.
  void changed();

  // The close begins: the latest inputs are handed to the writer, and from
  // now on nothing more (what the close does to the boxes is not typing).
  void closing();
  // The close completed: every file saved or kept with the message. The
  // file goes.
  void closed();
  // The close was taken back; the window stays.
  void resume();

 private:
  void keepNow();

  const KeptFiles files_;
  Take take_;
  Writer writer_;
  QTimer pause_;
  QTimer longest_;
  Snapshot baseline_;
  bool baselineIsKept_ = true;  // the baseline is what the kept files hold
  bool fileThere_;              // a recovery file is there or handed over
  std::optional<Snapshot> written_;  // the last snapshot handed over
  bool closing_ = false;
};

}  // namespace kopira::recovery
