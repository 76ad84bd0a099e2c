#include "app/files/pane_file.h"

#include <QFileInfo>

#include "app/files/interrupted_save.h"
#include "platform/write_refusal.h"

namespace kopira {

QString PaneFile::name() const { return QFileInfo(path_).fileName(); }

text_file::LoadStatus PaneFile::loadInto(TextPane& pane) {
  using text_file::LoadStatus;
  clearInterruptedSave(path_);
  const text_file::LoadResult result = text_file::load(path_);
  if (result.ok()) pane.setText(result.text);
  // A missing file holds nothing to lose, and a folder in the file's place
  // is never written over anyway.
  mustKeepAside_ = result.status != LoadStatus::Loaded && result.status != LoadStatus::Missing &&
                   result.status != LoadStatus::NotAFile;
  return result.status;
}

PaneFile::SaveOutcome PaneFile::saveFrom(const TextPane& pane, const QDateTime& now) {
  SaveOutcome outcome;
  const QString text = pane.text();
  // What is kept elsewhere when the file cannot take it; a text without a
  // CP932 form is kept as UTF-8 rather than lost.
  const auto unsaved = [&text](const QString& why) {
    return file_replace::Unsaved{why, text_file::contentOf(text).value_or(text.toUtf8())};
  };
  // A copy that may not write the shared files keeps only what differs.
  if (const QString& refusal = write_refusal::reason(); !refusal.isEmpty()) {
    const text_file::LoadResult onDisk = text_file::load(path_);
    if (!onDisk.ok() || onDisk.text != text_file::toCrLfBreaks(text)) outcome.unsaved = unsaved(refusal);
    return outcome;
  }
  if (mustKeepAside_ && QFileInfo::exists(path_)) {
    const file_replace::KeptCopy copy = file_replace::keepAside(path_, now);
    outcome.keptAs = copy.path;
    if (!copy.made()) {
      outcome.unsaved = unsaved(file_replace::reason(copy.failure));
      return outcome;
    }
  }
  mustKeepAside_ = false;
  if (const std::optional<file_replace::Failure> failure = text_file::save(path_, text))
    outcome.unsaved = unsaved(file_replace::reason(*failure));
  return outcome;
}

}  // namespace kopira
