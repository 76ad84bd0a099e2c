#pragma once
// TIniFile: reads and writes single values of one INI file the way the
// Windows profile functions do (see ini_scan.h and ini_text.h for the
// rules). The file is parsed once and served from memory; it is read again
// only when its size, time stamp or identity changed on disk. Lines a write
// does not change keep their bytes exactly.
#include <QString>
#include <optional>

#include "platform/file_replace.h"
#include "settings/ini_disk.h"
#include "settings/ini_scan.h"

// Several keys of one section.
class TIniSection {
 public:
  explicit TIniSection(kopira::ini::SectionEntries entries) : entries_(std::move(entries)) {}
  // The value as TIniFile::ReadString would return it.
  QString ReadString(const QString& key, const QString& def) const;
  // Whether the section holds the key.
  bool contains(const QString& key) const;
  // The highest i for which the section holds the key "<baseKey>.<i>" (i in
  // decimal without leading zeros), or -1.
  qsizetype highestItem(const QString& baseKey) const;

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
  // section and the key as needed. Raises EIniWriteError when a text has no
  // CP932 form or holds a line break, or when the key could not be read
  // back (holds '=' or looks like a section line). Outside an update the
  // file is replaced before the call returns, and a file that cannot be
  // written raises EIniWriteError too.
  void WriteString(const QString& section, const QString& key, const QString& value);

  TIniSection ReadSection(const QString& section) const;

  // Between BeginUpdate and EndUpdate writes change the file's content in
  // memory only; EndUpdate writes it as one replacement of the file, or
  // leaves the file as it was. Nothing changed: nothing is written.
  void BeginUpdate();
  // What could not be saved, with the content that was to be written (also
  // when the file on disk could not be loaded and is therefore kept).
  // A value whose stored bytes are not CP932 is only overwritten after a
  // copy of the file was kept aside (see KeptAside).
  std::optional<kopira::file_replace::Unsaved> EndUpdate();
  // Where the last EndUpdate kept a copy of the file; empty when it did not.
  const QString& KeptAside() const { return keptAside_; }

 private:
  // Loads the file when it is not loaded yet or changed on disk.
  void refresh() const;
  kopira::ini::Index& index() const;

  QString path_;
  mutable kopira::ini::FileStamp stamp_;
  mutable bool loaded_ = false;
  mutable kopira::ini::LoadStatus status_ = kopira::ini::LoadStatus::Missing;
  mutable QByteArray content_;
  mutable std::optional<kopira::ini::Index> index_;
  bool updating_ = false;
  bool changed_ = false;
  bool overwritesUnreadable_ = false;
  QString keptAside_;
};
