#include "settings/ini_file.h"

#include <optional>

#include "platform/cp932.h"
#include "settings/ini_disk.h"
#include "settings/ini_error.h"
#include "settings/ini_text.h"

using namespace kopira;

namespace {

// A section or key as asked for: CP932, blanks around it dropped; nothing
// when it has no CP932 form (no entry of the file can then match it).
std::optional<QByteArray> askedName(const QString& name) {
  const std::optional<QByteArray> bytes = cp932::encode(name);
  if (!bytes) return std::nullopt;
  return ini::trimmed(*bytes).toByteArray();
}

[[noreturn]] void refuse(const QString& path, const QString& why) {
  throw EIniWriteError(QStringLiteral("%1: %2").arg(path, why).toStdString());
}

QByteArray writtenText(const QString& path, const QString& text, const char* what) {
  std::optional<QByteArray> bytes = cp932::encode(text);
  if (!bytes) refuse(path, QStringLiteral("%1 has no CP932 form").arg(QLatin1String(what)));
  if (bytes->contains('\n') || bytes->contains('\r')) refuse(path, QStringLiteral("%1 holds a line break").arg(QLatin1String(what)));
  return *bytes;
}

}  // namespace

QString TIniSection::ReadString(const QString& key, const QString& def) const {
  const std::optional<QByteArray> name = askedName(key);
  const auto it = name ? entries_.constFind(ini::foldedName(*name)) : entries_.constEnd();
  return it != entries_.constEnd() ? ini::storedValueText(*it) : ini::defaultValueText(def);
}

bool TIniSection::contains(const QString& key) const {
  const std::optional<QByteArray> name = askedName(key);
  return name && entries_.contains(ini::foldedName(*name));
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
  const std::optional<QByteArray> sectionName = askedName(section);
  const std::optional<QByteArray> keyName = askedName(key);
  if (!sectionName || !keyName) return ini::defaultValueText(def);
  const ini::LoadResult file = ini::loadFile(path_);
  const ini::EntryLocation at = ini::locateEntry(file.content, *sectionName, *keyName);
  return at.keyFound ? ini::storedValueText(at.value) : ini::defaultValueText(def);
}

TIniSection TIniFile::ReadSection(const QString& section) const {
  const std::optional<QByteArray> name = askedName(section);
  if (!name) return TIniSection({});
  return TIniSection(ini::sectionEntries(ini::loadFile(path_).content, *name));
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  const QByteArray sectionName = ini::trimmed(writtenText(path_, section, "section")).toByteArray();
  const QByteArray keyName = ini::trimmed(writtenText(path_, key, "key")).toByteArray();
  const QByteArray text = ini::trimmedLeft(writtenText(path_, value, "value")).toByteArray();
  if (keyName.contains('=') || keyName.startsWith('['))
    refuse(path_, QStringLiteral("key cannot be stored: %1").arg(key));

  const ini::LoadResult file = ini::loadFile(path_);
  // A file that exists but could not be loaded is never replaced.
  if (file.status == ini::LoadStatus::Unreadable) refuse(path_, QStringLiteral("cannot load the file"));
  const QByteArray& content = file.content;
  const ini::EntryLocation at = ini::locateEntry(content, sectionName, keyName);
  if (at.keyFound && at.value == text) return;

  QByteArray updated;
  if (at.keyFound) {
    updated = content.first(at.lineBegin) + at.key.toByteArray() + '=' + text + content.sliced(at.lineEnd);
  } else {
    QByteArray added = at.insertNeedsBreak ? QByteArray("\r\n") : QByteArray();
    if (!at.sectionFound) added += '[' + sectionName + "]\r\n";
    added += keyName + '=' + text + "\r\n";
    updated = content.first(at.insertAt) + added + content.sliced(at.insertAt);
  }
  if (const std::optional<QString> error = ini::saveFile(path_, updated)) refuse(path_, *error);
}
