#pragma once
// A scratch folder standing for both the program's folder (where the
// settings file "Kopira.ini" goes) and the working directory (history and
// note files), so a test's main window reads and writes nothing else.
#include <QDir>
#include <QTemporaryDir>

#include "persist_support.h"
#include "settings/tinigt.h"

namespace kopira::testing {

class ProgramFolder {
 public:
  ProgramFolder() : previous_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
    TIniGT::setProgramFilePath(dir_.filePath(QStringLiteral("kopira")));
  }
  ~ProgramFolder() {
    TIniGT::setProgramFilePath(QString());
    QDir::setCurrent(previous_);
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  QString path(const QString& name) const { return dir_.filePath(name); }
  QString ini() const { return path(QStringLiteral("Kopira.ini")); }
  // Both note files, so the window starts without asking for them.
  void writeNotes(const QByteArray& memo2 = {}, const QByteArray& memo3 = {}) const {
    writeBytes(path(QStringLiteral("memo2.txt")), memo2);
    writeBytes(path(QStringLiteral("memo3.txt")), memo3);
  }

 private:
  QTemporaryDir dir_;
  QString previous_;
};

}  // namespace kopira::testing
