#pragma once
// TIniGT: the settings component a window carries to keep values between
// runs in one INI file (CP932, CR LF) beside the program file.
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "platform/file_replace.h"
#include "platform/tstrings.h"
#include "settings/ini_error.h"

class TIniFile;

enum TIniGTDefaultDir { ddApplication = 0, ddWindows = 1, ddNone = 2 };
enum TIniGTFence { fnDoubleQuote = 0, fnParenthesis = 1, fnVer11Mode = 2, fnNone = 3 };

class TIniGT : public QObject {
  Q_OBJECT
 public:
  explicit TIniGT(QObject* owner = nullptr);
  ~TIniGT() override;

  TIniGTDefaultDir DefaultDir() const { return defaultDir_; }
  void setDefaultDir(TIniGTDefaultDir dir);
  QString FileName() const { return fileName_; }
  void setFileName(const QString& name);
  TIniGTFence Fence() const { return fence_; }
  void setFence(TIniGTFence fence) { fence_ = fence; }

  // Completes the load once the layout has set every property: an empty
  // FileName becomes the program file's name with ".ini" (first letter
  // capital), which resolves the path.
  void Loaded();

  // The resolved path of the backing file.
  QString path() const;

  // A second, read-only file of office defaults: a key the backing file
  // does not hold is read from it (before the caller's default applies).
  // Writes never touch it. An empty path turns it off.
  void setDefaultsPath(const QString& path);

  QString ReadRawText(const QString& section, const QString& key, const QString& def) const;
  void WriteRawText(const QString& section, const QString& key, const QString& value);
  int ReadNumber(const QString& section, const QString& key, int def) const;
  void WriteNumber(const QString& section, const QString& key, int value);
  QString ReadText(const QString& section, const QString& key, const QString& def) const;
  void WriteText(const QString& section, const QString& key, const QString& value);
  void ReadLines(const QString& section, const QString& baseKey, TStrings& target) const;
  void WriteLines(const QString& section, const QString& baseKey, const TStrings& source);

  // Writes made between these two reach the file as one replacement at
  // EndUpdate, which tells what could not be saved (the file is then as it
  // was before BeginUpdate).
  void BeginUpdate();
  std::optional<kopira::file_replace::Unsaved> EndUpdate();
  // Where the last EndUpdate kept a copy of a file holding bytes that are
  // not CP932 before writing over them; empty when it did not.
  QString KeptAside() const;

  // The program file whose name and folder the component uses; tests set it.
  static void setProgramFilePath(const QString& path);
  static QString programFilePath();
  // The folder that stands for the Windows folder (ddWindows).
  static void setWindowsFolder(const QString& path);

 private:
  void resolvePath();

  TIniGTDefaultDir defaultDir_ = ddApplication;
  QString fileName_;
  TIniGTFence fence_ = fnNone;
  std::shared_ptr<TIniFile> file_;
  std::shared_ptr<TIniFile> defaults_;
};
