#pragma once
// The recovery file behind the main window and the request dialog. At
// start, before the main window takes input, it offers back what a copy
// that did not end properly left; from then on it keeps the file up to date
// with every input the close saves (the stored texts, the history with the
// entries of open previews, the note panes the user changed), and the
// main window's completed close removes it.
#include <memory>
#include <optional>

#include "app/files/stored_settings.h"
#include "app/recovery/recovery_keeper.h"

class TForm1;
class TForm5;

namespace kopira {

class WindowRecovery {
 public:
  // After both windows are made, before the main window is shown.
  WindowRecovery(TForm1& main, TForm5& dialog, bool readOnly);
  ~WindowRecovery();
  WindowRecovery(const WindowRecovery&) = delete;
  WindowRecovery& operator=(const WindowRecovery&) = delete;

  // The inputs' texts under their names; nothing while the history is
  // still going into its box.
  std::optional<recovery::Snapshot> take() const;
  // Puts each text back into its box as if typed (the history at the
  // window's first show).
  void restore(const recovery::Snapshot& snapshot);

 private:
  recovery::Snapshot texts() const;
  void watch();

  TForm1& main_;
  TForm5& dialog_;
  const QList<stored_settings::NamedText> stored_;
  std::optional<recovery::Slot> slot_;
  std::unique_ptr<recovery::Keeper> keeper_;
};

}  // namespace kopira
