#pragma once
// What the close of the main window could not save, and which unloadable
// files it moved aside, told to the user in one message at the end. The new
// content of a file that could not be saved is kept in the user's state
// folder, so nothing typed is lost.
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "app/files/pane_file.h"
#include "platform/file_replace.h"

namespace kopira {

// Where the content of files that could not be saved is kept:
// $XDG_STATE_HOME/kopira/unsaved (~/.local/state/kopira/unsaved).
QString unsavedFolder();

class CloseReport {
 public:
  explicit CloseReport(QString keepFolder = unsavedFolder(), QDateTime now = QDateTime::currentDateTime())
      : keepFolder_(std::move(keepFolder)), now_(std::move(now)) {}

  // The file kept its old content: keeps the new one in the state folder
  // and notes why and where.
  void notSaved(const QString& fileName, const file_replace::Unsaved& unsaved);
  // Values of the settings file that could not be stored at all.
  void refused(const QString& fileName, const QStringList& keys);
  void keptAside(const QString& fileName, const QString& keptPath);
  // Notes both parts of a pane file's save.
  void record(const PaneFile& file, const PaneFile::SaveOutcome& outcome);

  bool empty() const { return notSaved_.isEmpty() && kept_.isEmpty(); }
  // Whether all new content is either saved or kept: no value refused, no
  // content lost.
  bool complete() const { return !lost_ && !refusedValues_; }
  // The text of the message; empty when there is nothing to tell.
  QString message() const;
  // Writes the message to the log and, when someone is there to press OK
  // (not when the session is ending or a signal asked to quit), shows it in
  // a plain box. When something could not be kept at all, the box offers
  // to try again instead; returns false when the user takes that offer.
  bool tell(bool interactive) const;

 private:
  // Writes content under a dated name in the keep folder; the path, or why not.
  QString keep(const QString& fileName, const QByteArray& content, QString& why) const;

  QString keepFolder_;
  QDateTime now_;
  QStringList notSaved_;
  QStringList kept_;
  bool lost_ = false;  // some new content could be neither saved nor kept
  bool refusedValues_ = false;
};

}  // namespace kopira
