#include "settings/tinigt.h"

#include <QCoreApplication>
#include <QHash>
#include <QStandardPaths>
#include <algorithm>

#include "settings/ini_fence.h"
#include "settings/ini_file.h"
#include "settings/ini_number.h"

using kopira::ini::fenced;
using kopira::ini::unfenced;

namespace {

QString& programFileOverride() {
  static QString path;
  return path;
}

QString& windowsFolderOverride() {
  static QString path;
  return path;
}

// The folder part of a path: everything up to and including its last '/',
// '\' or ':'; empty when there is none.
QString folderPart(const QString& path) {
  qsizetype last = -1;
  for (const QChar sep : {QChar(u'/'), QChar(u'\\'), QChar(u':')}) last = std::max(last, path.lastIndexOf(sep));
  return path.left(last + 1);
}

QString windowsFolder() {
  if (!windowsFolderOverride().isEmpty()) return windowsFolderOverride();
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

char16_t asciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// The settings file name for a program file: its extension replaced by
// ".ini", lower case, the first letter (when an ASCII letter) upper case.
QString iniNameFor(const QString& programFile) {
  QString name = programFile.sliced(folderPart(programFile).size());
  const qsizetype dot = name.lastIndexOf(u'.');
  name = (dot >= 0 ? name.left(dot) : name) + QStringLiteral(".ini");
  for (QChar& c : name) c = QChar(asciiLower(c.unicode()));
  if (name.front() >= u'a' && name.front() <= u'z') name.front() = QChar(name.front().unicode() - u'a' + u'A');
  return name;
}

// The file object of a path, shared by every component on that path (the
// main window's and the dialog's), so the file is parsed once per run and
// all of them see the same content.
std::shared_ptr<TIniFile> sharedFile(const QString& path) {
  static QHash<QString, std::weak_ptr<TIniFile>> files;
  if (std::shared_ptr<TIniFile> file = files.value(path).lock()) return file;
  files.removeIf([](const auto& entry) { return entry.value().expired(); });
  auto file = std::make_shared<TIniFile>(path);
  files.insert(path, file);
  return file;
}

}  // namespace

TIniGT::TIniGT(QObject* owner) : QObject(owner), file_(sharedFile(QString())) {}

TIniGT::~TIniGT() = default;

void TIniGT::setDefaultDir(TIniGTDefaultDir dir) {
  defaultDir_ = dir;
  resolvePath();
}

void TIniGT::setFileName(const QString& name) {
  fileName_ = name;
  resolvePath();
}

void TIniGT::resolvePath() {
  file_.reset();
  QString path = fileName_;
  if (folderPart(fileName_).isEmpty()) {
    switch (defaultDir_) {
      case ddApplication:
        path = folderPart(programFilePath()) + fileName_;
        break;
      case ddWindows:
        path = windowsFolder() + u'/' + fileName_;
        break;
      case ddNone:
        break;
    }
  }
  file_ = sharedFile(path);
}

void TIniGT::Loaded() {
  if (fileName_.isEmpty()) setFileName(iniNameFor(programFilePath()));
}

QString TIniGT::path() const { return file_->FileName(); }

void TIniGT::setDefaultsPath(const QString& path) {
  defaults_ = path.isEmpty() ? nullptr : sharedFile(path);
}

QString TIniGT::ReadRawText(const QString& section, const QString& key, const QString& def) const {
  if (defaults_ && !file_->ReadSection(section).contains(key)) return defaults_->ReadString(section, key, def);
  return file_->ReadString(section, key, def);
}

void TIniGT::WriteRawText(const QString& section, const QString& key, const QString& value) {
  file_->WriteString(section, key, value);
}

int TIniGT::ReadNumber(const QString& section, const QString& key, int def) const {
  return kopira::ini::parseStoredNumber(ReadRawText(section, key, QString())).value_or(def);
}

void TIniGT::WriteNumber(const QString& section, const QString& key, int value) {
  WriteRawText(section, key, QString::number(value));
}

QString TIniGT::ReadText(const QString& section, const QString& key, const QString& def) const {
  return unfenced(ReadRawText(section, key, fenced(def, fence_)), fence_);
}

void TIniGT::WriteText(const QString& section, const QString& key, const QString& value) {
  WriteRawText(section, key, fenced(value, fence_));
}

void TIniGT::ReadLines(const QString& section, const QString& baseKey, TStrings& target) const {
  // One load of the file serves the count and every item.
  const TIniSection stored = file_->ReadSection(section);
  const TIniSection office = defaults_ ? defaults_->ReadSection(section) : TIniSection({});
  // A key the user's file lacks is read from the office defaults.
  const auto read = [&](const QString& key, const QString& def) {
    return stored.contains(key) ? stored.ReadString(key, def) : office.ReadString(key, def);
  };
  const int current = target.Count();
  const int count =
      kopira::ini::parseStoredNumber(read(baseKey + QStringLiteral(".Count"), QString())).value_or(current);
  // A damaged file can claim any count (2147483647). Items past both the
  // highest item either file holds and the target's own lines could only be
  // empty strings, so the list is bounded by the larger of those: a list the
  // files really hold is read in full, gaps included, and a claimed count
  // cannot build billions of empty lines.
  const qsizetype items = std::min<qsizetype>(
      count, std::max({qsizetype{current}, stored.highestItem(baseKey) + 1, office.highestItem(baseKey) + 1}));
  QStringList lines;
  for (qsizetype i = 0; i < items; ++i) {
    const QString def = i < current ? target.Get(static_cast<int>(i)) : QString();
    const QString key = baseKey + u'.' + QString::number(i);
    lines << unfenced(read(key, fenced(def, fence_)), fence_);
  }
  target.Clear();
  for (const QString& line : lines) target.Add(line);
}

void TIniGT::WriteLines(const QString& section, const QString& baseKey, const TStrings& source) {
  const int count = source.Count();
  WriteNumber(section, baseKey + QStringLiteral(".Count"), count);
  for (int i = 0; i < count; ++i) WriteText(section, baseKey + u'.' + QString::number(i), source.Get(i));
}

void TIniGT::BeginUpdate() { file_->BeginUpdate(); }

std::optional<kopira::file_replace::Unsaved> TIniGT::EndUpdate() { return file_->EndUpdate(); }

QString TIniGT::KeptAside() const { return file_->KeptAside(); }

void TIniGT::setProgramFilePath(const QString& path) { programFileOverride() = path; }

QString TIniGT::programFilePath() {
  if (!programFileOverride().isEmpty()) return programFileOverride();
  return QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
}

void TIniGT::setWindowsFolder(const QString& path) { windowsFolderOverride() = path; }
