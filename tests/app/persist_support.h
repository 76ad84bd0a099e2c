#pragma once
// Helpers shared by the tests of the files kept between runs.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include "app/files/text_pane.h"
#include "platform/desktop_open.h"
#include "platform/tstrings.h"

namespace kopira::testing {

inline QByteArray readBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

inline void makeReadOnly(const QString& path) {
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

// A pane whose rows are its lines (no wrapping): the text is the rows
// joined by CR LF, with a final break, as the history has after start-up.
class FakeMemo final : public TextPane, public TStrings {
 public:
  explicit FakeMemo(QStringList rows = {}) : rows_(std::move(rows)) {}

  QString text() const override { return rows_.isEmpty() ? QString() : rows_.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }
  void setText(const QString& text) override {
    rows_ = text.split(QStringLiteral("\r\n"));
    if (rows_.last().isEmpty()) rows_.removeLast();
    modified_ = false;
  }
  bool isModified() const override { return modified_; }
  void userTypes(const QString& text) {
    rows_ << text;
    modified_ = true;
  }

  int Count() const override { return static_cast<int>(rows_.size()); }
  QString Get(int i) const override { return rows_.value(i); }
  void Clear() override { rows_.clear(); }
  void Add(const QString& s) override { rows_ << s; }
  void Delete(int i) override {
    if (i >= 0 && i < rows_.size()) rows_.removeAt(i);
  }

 private:
  QStringList rows_;
  bool modified_ = false;
};

// Records what the desktop would have been asked to open.
class RecordingOpener final : public DesktopOpener {
 public:
  RecordingOpener() { installDesktopOpener(this); }
  ~RecordingOpener() override { installDesktopOpener(nullptr); }
  RecordingOpener(const RecordingOpener&) = delete;
  RecordingOpener& operator=(const RecordingOpener&) = delete;
  void open(const QString& target) override { opened << target; }
  QStringList opened;
};

}  // namespace kopira::testing
