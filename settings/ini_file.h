#pragma once
// TIniFile: reads and writes single values of one INI file the way the
// Windows profile functions do (see ini_scan.h and ini_text.h for the
// rules). Each call loads the file; each write saves it before returning.
// Lines a write does not change keep their bytes exactly.
#include <QString>

#include "settings/ini_scan.h"

// Several keys of one section, read from a single load of the file.
class TIniSection {
 public:
  explicit TIniSection(kopira::ini::SectionEntries entries) : entries_(std::move(entries)) {}
  // The value as TIniFile::ReadString would return it.
  QString ReadString(const QString& key, const QString& def) const;
  // Whether the section holds the key.
  bool contains(const QString& key) const;
  // Number of distinct keys the section holds.
  qsizetype size() const { return entries_.size(); }

 private:
  kopira::ini::SectionEntries entries_;
};

class TIniFile {
 public:
  explicit TIniFile(QString path) : path_(std::move(path)) {}

  const QString& FileName() const { return path_; }

  // The stored value (quotes removed, cut to 2047 bytes), or the default
  // when the file, the section or the key is missing or the file cannot
  // be loaded.
  QString ReadString(const QString& section, const QString& key, const QString& def) const;

  // Stores the value (leading blanks dropped), creating the file, the
  // section and the key as needed. Raises EIniWriteError when the file
  // cannot be written, when a text has no CP932 form or holds a line
  // break, or when the key could not be read back (holds '=' or looks
  // like a section line).
  void WriteString(const QString& section, const QString& key, const QString& value);

  TIniSection ReadSection(const QString& section) const;

 private:
  QString path_;
};
