#include "app/files/text_file.h"

#include <QFile>
#include <QFileInfo>

#include "platform/bounded_read.h"
#include "platform/cp932.h"

namespace kopira::text_file {
QString toCrLfBreaks(const QString& text) {
  QString out;
  out.reserve(text.size() + text.size() / 32 + 2);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'\r' || c == u'\n') {
      out.append(u"\r\n");
      if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
    } else {
      out.append(c);
    }
  }
  return out;
}

LoadResult decode(const QByteArray& bytes) {
  if (bytes.size() > kMaxBytes) return {LoadStatus::TooLarge, {}};
  std::optional<QString> text = cp932::decode(bytes);
  if (!text) return {LoadStatus::NotCp932, {}};
  return {LoadStatus::Loaded, toCrLfBreaks(*text)};
}

LoadResult load(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return {LoadStatus::Missing, {}};
  if (!info.isFile()) return {LoadStatus::NotAFile, {}};
  if (info.size() > kMaxBytes) return {LoadStatus::TooLarge, {}};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {LoadStatus::Unreadable, {}};
  // One byte more than allowed tells a file that grew since it was looked at.
  const QByteArray bytes = readAtMost(file, kMaxBytes);
  if (file.error() != QFileDevice::NoError) return {LoadStatus::Unreadable, {}};
  return decode(bytes);
}

std::optional<QByteArray> contentOf(const QString& text) { return cp932::encode(toCrLfBreaks(text)); }

std::optional<file_replace::Failure> save(const QString& path, const QString& text) {
  const std::optional<QByteArray> bytes = contentOf(text);
  if (!bytes) return file_replace::Failure::NoCp932Form;
  return file_replace::replace(path, *bytes);
}

}  // namespace kopira::text_file
