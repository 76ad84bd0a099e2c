#pragma once
// What the close of the main window could not save, and which unloadable
// files it moved aside, told to the user in one message at the end.
#include <QString>
#include <QStringList>

#include "app/pane_file.h"

namespace kopira {

class CloseReport {
 public:
  void notSaved(const QString& fileName) { notSaved_ << fileName; }
  void keptAside(const QString& fileName, const QString& keptPath);
  // Notes both parts of a pane file's save.
  void record(const PaneFile& file, const PaneFile::SaveOutcome& outcome);

  bool empty() const { return notSaved_.isEmpty() && kept_.isEmpty(); }
  // The text of the message; empty when there is nothing to tell.
  QString message() const;
  // Shows the message in a plain box; when nobody is there to press OK
  // (the session is ending, a signal asked to quit) it goes to the log.
  void tell(bool interactive) const;

 private:
  QStringList notSaved_;
  QStringList kept_;
};

}  // namespace kopira
