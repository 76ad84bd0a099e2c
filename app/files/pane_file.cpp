#include "app/files/pane_file.h"

#include <QFileInfo>

#include "platform/write_refusal.h"

namespace kopira {

QString PaneFile::name() const { return QFileInfo(path_).fileName(); }

text_file::LoadStatus PaneFile::loadInto(TextPane& pane) {
  using text_file::LoadStatus;
  // Leftovers of a save that was killed halfway are no one's content; a
  // copy that may not write could meet another copy's save in progress.
  if (write_refusal::reason().isEmpty()) file_replace::removeStrayTemporaries(path_);
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
    outcome.keptAs = file_replace::keepAside(path_, now);
    if (outcome.keptAs.isEmpty()) {
      outcome.unsaved = unsaved(file_replace::reason(file_replace::Failure::NotKeptAside));
      return outcome;
    }
  }
  mustKeepAside_ = false;
  if (const std::optional<file_replace::Failure> failure = text_file::save(path_, text))
    outcome.unsaved = unsaved(file_replace::reason(*failure));
  return outcome;
}

}  // namespace kopira
