#pragma once
// The text file behind one pane (history or note). It remembers a file that
// existed but could not be loaded, and keeps a copy of it aside before the
// pane's text is first written over it, so nothing the user had is lost.
#include <QDateTime>
#include <QString>
#include <optional>

#include "app/files/text_file.h"
#include "app/files/text_pane.h"

namespace kopira {

class PaneFile {
 public:
  explicit PaneFile(QString path) : path_(std::move(path)) {}

  const QString& path() const { return path_; }
  // The file's name without its folder, as messages name it.
  QString name() const;

  // Sets the file's text into the pane; on failure the pane keeps its text.
  text_file::LoadStatus loadInto(TextPane& pane);

  struct SaveOutcome {
    QString keptAs;  // where an unloadable earlier file was copied; empty if none
    std::optional<file_replace::Unsaved> unsaved;  // why the text is not in the file
    bool saved() const { return !unsaved; }
  };
  // Writes the pane's text to the file, first keeping a copy of a file that
  // was there but could not be loaded. Without that copy nothing is written.
  SaveOutcome saveFrom(const TextPane& pane, const QDateTime& now = QDateTime::currentDateTime());

 private:
  QString path_;
  bool mustKeepAside_ = false;
};

}  // namespace kopira
