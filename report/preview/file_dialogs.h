#pragma once
// The Save and Open dialogs of the preview window, behind one small interface
// so a test can answer them. The default asks the user with QFileDialog.
#include <QString>

class QWidget;

namespace kopira::report {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // Each returns the chosen path, or an empty string when cancelled. filter
  // uses the Windows form "description|pattern".
  virtual QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                  const QString& defaultExtension) = 0;
  virtual QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
};

// The dialogs in use; the Qt ones unless a test installed others.
FileDialogs& fileDialogs();
// Installs dialogs (not owned); nullptr restores the Qt ones.
void setFileDialogs(FileDialogs* dialogs);

}  // namespace kopira::report
