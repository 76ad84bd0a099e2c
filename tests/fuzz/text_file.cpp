// Fuzz target: arbitrary bytes as a history or note file. Whatever loads
// must hold only CR LF breaks, save without loss and load back the same.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "app/files/text_file.h"

namespace tf = kopira::text_file;

namespace {

bool hasLoneBreak(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text.at(i) == u'\r' && (i + 1 == text.size() || text.at(i + 1) != u'\n')) return true;
    if (text.at(i) == u'\n' && (i == 0 || text.at(i - 1) != u'\r')) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Each save ends in an fsync; a memory file system keeps the replay fast.
  static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/kopira-fuzz-XXXXXX")
                                                                      : QDir::tempPath() + QStringLiteral("/kopira-fuzz-XXXXXX"));
  const QString path = dir.filePath(QStringLiteral("kopiralog.txt"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }

  const tf::LoadResult loaded = tf::load(path);
  if (!loaded.ok()) return 0;
  if (hasLoneBreak(loaded.text)) std::abort();
  const QString copy = dir.filePath(QStringLiteral("memo2.txt"));
  if (tf::save(copy, loaded.text)) std::abort();
  const tf::LoadResult again = tf::load(copy);
  if (!again.ok() || again.text != loaded.text) std::abort();
  return 0;
}
