#pragma once
// A temporary folder for settings-file tests, with byte-exact file helpers.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class IniTestDir {
 public:
  QString path(const QString& name) const { return dir_.filePath(name); }
  QString folder() const { return dir_.path(); }

  QString write(const QString& name, const QByteArray& content) const {
    QFile file(path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path(name);
  }

  QByteArray read(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private:
  QTemporaryDir dir_;
};
