#include "app/pane_file.h"

#include <QFileInfo>

namespace kopira {

QString PaneFile::name() const { return QFileInfo(path_).fileName(); }

text_file::LoadStatus PaneFile::loadInto(TextPane& pane) {
  using text_file::LoadStatus;
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
  if (mustKeepAside_ && QFileInfo::exists(path_)) {
    outcome.keptAs = text_file::keepAside(path_, now);
    if (outcome.keptAs.isEmpty()) return outcome;
  }
  mustKeepAside_ = false;
  outcome.saved = text_file::save(path_, pane.text()) == text_file::SaveStatus::Saved;
  return outcome;
}

}  // namespace kopira
