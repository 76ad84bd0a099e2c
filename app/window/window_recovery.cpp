#include "app/window/window_recovery.h"

#include "app/files/file_locations.h"
#include "app/printing/tform5.h"
#include "app/recovery/recovery_offer.h"
#include "app/window/tform1.h"

namespace kopira {
namespace {

// The history and the note panes are kept under the names of their files.
const QString kHistory = QStringLiteral("kopiralog.txt");
struct NotePane {
  const char* name;
  TMemo* TForm1::*memo;
};
constexpr NotePane kNotePanes[] = {{"memo2.txt", &TForm1::Memo3}, {"memo3.txt", &TForm1::Memo4}};

// The office address, then every other text the settings file keeps.
QList<stored_settings::NamedText> storedTexts(TForm1& main, TForm5& dialog) {
  TMemo* office = main.Memo6;
  QList<stored_settings::NamedText> texts{
      {stored_settings::officeAddressName(),
       {[office] { return office->toPlainText(); }, [office](const QString& text) { office->setText(text); }}}};
  return texts + stored_settings::namedTexts(main.mainFields(), dialog.dialogFields());
}

}  // namespace

WindowRecovery::WindowRecovery(TForm1& main, TForm5& dialog, bool readOnly)
    : main_(main), dialog_(dialog), stored_(storedTexts(main, dialog)),
      slot_(recovery::Slot::claim({main.IniGT1->path(), file_locations::dataFolder()}, readOnly)) {
  if (!slot_) return;  // nowhere to keep one
  keeper_ = std::make_unique<recovery::Keeper>(*slot_, [this] { return take(); });
  keeper_->setBaseline(texts());
  if (const std::optional<recovery::Snapshot> found = recovery::offer(*slot_)) {
    restore(*found);
    keeper_->restored();
  }
  watch();
  main_.setRecovery(keeper_.get());
}

WindowRecovery::~WindowRecovery() {
  if (!keeper_) return;
  main_.setRecovery(nullptr);
  main_.heldHistory().setOnHold({});
}

recovery::Snapshot WindowRecovery::texts() const {
  recovery::Snapshot snapshot;
  for (const auto& [name, field] : stored_) snapshot.entries.append({name, field.get()});
  snapshot.entries.append({kHistory, main_.historyAsClosed()});
  for (const NotePane& pane : kNotePanes) {
    const TMemo* memo = main_.*pane.memo;
    if (memo->document()->isModified()) snapshot.entries.append({QLatin1String(pane.name), memo->toPlainText()});
  }
  return snapshot;
}

std::optional<recovery::Snapshot> WindowRecovery::take() const {
  if (!main_.historyInBox()) return std::nullopt;
  return texts();
}

void WindowRecovery::restore(const recovery::Snapshot& snapshot) {
  for (const auto& [name, field] : stored_) {
    if (const std::optional<QString> text = snapshot.text(name)) field.set(*text);
  }
  if (const std::optional<QString> history = snapshot.text(kHistory)) main_.restoreHistory(*history);
  for (const NotePane& pane : kNotePanes) {
    TMemo* memo = main_.*pane.memo;
    if (const std::optional<QString> text = snapshot.text(QLatin1String(pane.name))) {
      memo->setText(*text);
      memo->document()->setModified(true);  // saved at the close as typed
    }
  }
}

void WindowRecovery::watch() {
  recovery::Keeper* keeper = keeper_.get();
  const auto changed = [keeper] { keeper->changed(); };
  for (QWidget* window : {static_cast<QWidget*>(&main_), static_cast<QWidget*>(&dialog_)}) {
    for (const TEdit* edit : window->findChildren<TEdit*>()) QObject::connect(edit, &TEdit::textChanged, keeper, changed);
    for (const TMemo* memo : window->findChildren<TMemo*>()) QObject::connect(memo, &TMemo::textChanged, keeper, changed);
  }
  main_.heldHistory().setOnHold(changed);
  QObject::connect(&main_, &TForm1::historyLoaded, keeper,
                   [this, keeper] { keeper->setBaselineText(kHistory, main_.historyAsClosed()); });
}

}  // namespace kopira
