// Fuzz target: arbitrary bytes as a settings file. Reads typed values and a
// string list, then writes one value and checks that it reads back and that
// a write of the same value leaves the file as it is.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "settings/tinigt.h"

namespace {

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Each write ends in an fsync; a memory file system keeps the replay fast.
  static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/kopira-fuzz-XXXXXX")
                                                                      : QDir::tempPath() + QStringLiteral("/kopira-fuzz-XXXXXX"));
  const QString path = dir.filePath(QStringLiteral("Fuzz.ini"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }

  TIniGT ini;
  ini.setFileName(path);
  for (const TIniGTFence fence : {fnDoubleQuote, fnParenthesis, fnVer11Mode, fnNone}) {
    ini.setFence(fence);
    ini.ReadText(QStringLiteral("memo"), QStringLiteral("edit1.text"), QStringLiteral("東京"));
    ini.ReadText(QStringLiteral("s"), QStringLiteral("k"), QString());
  }
  ini.ReadNumber(QStringLiteral("form"), QStringLiteral("top"), 50);
  TStringList lines(QStringList{QStringLiteral("a"), QStringLiteral("b")});
  ini.ReadLines(QStringLiteral("memo"), QStringLiteral("memo.lines"), lines);

  ini.setFence(fnNone);
  const QString value = QStringLiteral("値 x");
  ini.WriteText(QStringLiteral("memo"), QStringLiteral("edit1.text"), value);
  if (ini.ReadText(QStringLiteral("memo"), QStringLiteral("edit1.text"), QString()) != value) std::abort();
  const QByteArray written = fileBytes(path);
  ini.WriteText(QStringLiteral("memo"), QStringLiteral("edit1.text"), value);
  if (fileBytes(path) != written) std::abort();
  return 0;
}
