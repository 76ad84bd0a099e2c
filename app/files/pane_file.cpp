#include "app/files/pane_file.h"

#include <QFileInfo>

namespace kopira {

QString PaneFile::name() const { return QFileInfo(path_).fileName(); }

text_file::LoadStatus PaneFile::loadInto(TextPane& pane) {
  using text_file::LoadStatus;
  // Leftovers of a save that was killed halfway are no one's content.
  file_replace::removeStrayTemporaries(path_);
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
  if (mustKeepAside_ && QFileInfo::exists(path_)) {
    outcome.keptAs = text_file::keepAside(path_, now);
    if (outcome.keptAs.isEmpty()) {
      outcome.unsaved = unsaved(QStringLiteral("読み込めなかった元のファイルを別の名前で残せませんでした"));
      return outcome;
    }
  }
  mustKeepAside_ = false;
  if (const std::optional<file_replace::Failure> failure = text_file::save(path_, text))
    outcome.unsaved = unsaved(file_replace::reason(*failure));
  return outcome;
}

}  // namespace kopira
