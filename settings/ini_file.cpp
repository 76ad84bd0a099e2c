#include "settings/ini_file.h"

#include <QDateTime>
#include <QFileInfo>

#include "platform/cp932.h"
#include "platform/write_refusal.h"
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

// The content with the key (found at `at`) set to text, or nothing when it
// holds that value already.
std::optional<QByteArray> edited(const QByteArray& content, const ini::EntryLocation& at, const QByteArray& section,
                                 const QByteArray& key, const QByteArray& text) {
  if (at.keyFound && at.value == text) return std::nullopt;
  if (at.keyFound) return content.first(at.lineBegin) + at.key.toByteArray() + '=' + text + content.sliced(at.lineEnd);
  const QByteArray lineBreak = ini::lineBreakOf(content);
  QByteArray added = at.insertNeedsBreak ? lineBreak : QByteArray();
  if (!at.sectionFound) added += '[' + section + ']' + lineBreak;
  added += key + '=' + text + lineBreak;
  return content.first(at.insertAt) + added + content.sliced(at.insertAt);
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

qsizetype TIniSection::highestItem(const QString& baseKey) const {
  const std::optional<QByteArray> name = askedName(baseKey);
  if (!name) return -1;
  const QByteArray prefix = ini::foldedName(*name) + '.';
  qsizetype highest = -1;
  for (auto it = entries_.constBegin(); it != entries_.constEnd(); ++it) {
    const QByteArray& key = it.key();
    if (!key.startsWith(prefix)) continue;
    const QByteArrayView digits = QByteArrayView(key).sliced(prefix.size());
    if (digits.isEmpty() || digits.size() > 10 || (digits.size() > 1 && digits.front() == '0')) continue;
    bool number = true;
    qsizetype index = 0;
    for (const char c : digits) {
      number = number && c >= '0' && c <= '9';
      index = index * 10 + (c - '0');
    }
    if (number) highest = std::max(highest, index);
  }
  return highest;
}

void TIniFile::refresh() const {
  // During an update the content in memory is the one being composed.
  if (updating_) return;
  const ini::FileStamp now = ini::stampOf(path_);
  if (loaded_ && now == stamp_) return;
  ini::LoadResult file = ini::loadFile(path_);
  status_ = file.status;
  content_ = std::move(file.content);
  stamp_ = now;
  index_.reset();
  loaded_ = true;
}

ini::Index& TIniFile::index() const {
  refresh();
  if (!index_) index_.emplace(content_);
  return *index_;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
  return ReadSection(section).ReadString(key, def);
}

TIniSection TIniFile::ReadSection(const QString& section) const {
  const std::optional<QByteArray> name = askedName(section);
  if (!name) return TIniSection({});
  return TIniSection(index().section(ini::foldedName(*name)));
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  const QByteArray sectionName = ini::trimmed(writtenText(path_, section, "section")).toByteArray();
  const QByteArray keyName = ini::trimmed(writtenText(path_, key, "key")).toByteArray();
  const QByteArray text = ini::trimmedLeft(writtenText(path_, value, "value")).toByteArray();
  if (keyName.contains('=') || keyName.startsWith('['))
    refuse(path_, QStringLiteral("key cannot be stored: %1").arg(key));

  refresh();
  // A file that exists but could not be loaded is never replaced.
  if (status_ == ini::LoadStatus::Unreadable && !updating_) refuse(path_, QStringLiteral("cannot load the file"));
  const ini::EntryLocation at = ini::locateEntry(content_, sectionName, keyName);
  std::optional<QByteArray> updated = edited(content_, at, sectionName, keyName, text);
  if (!updated) return;
  if (updating_) {
    // Bytes that read as no text at all would be gone with this value.
    if (at.keyFound && !cp932::decode(at.value.toByteArray())) overwritesUnreadable_ = true;
    content_ = std::move(*updated);
    index_.reset();
    changed_ = true;
    return;
  }
  if (path_.isEmpty()) refuse(path_, QStringLiteral("no settings file name"));
  if (!write_refusal::reason().isEmpty()) refuse(path_, write_refusal::reason());
  if (const std::optional<file_replace::Failure> failure = file_replace::replace(path_, *updated))
    refuse(path_, file_replace::reason(*failure));
  content_ = std::move(*updated);
  status_ = ini::LoadStatus::Loaded;
  stamp_ = ini::stampOf(path_);
  index_.reset();
}

void TIniFile::BeginUpdate() {
  refresh();
  updating_ = true;
  changed_ = false;
  overwritesUnreadable_ = false;
  keptAside_.clear();
  // Values are composed on an empty file when the one on disk cannot be
  // loaded; that file itself is kept (see EndUpdate).
  if (status_ == ini::LoadStatus::Unreadable) {
    content_.clear();
    index_.reset();
  }
}

std::optional<file_replace::Unsaved> TIniFile::EndUpdate() {
  updating_ = false;
  if (!changed_) return std::nullopt;
  changed_ = false;
  // Whatever happens, the next read looks at the disk again.
  loaded_ = false;
  const QFileInfo info(path_);
  if (path_.isEmpty()) return file_replace::Unsaved{file_replace::reason(file_replace::Failure::MissingFolder), content_};
  if (!write_refusal::reason().isEmpty()) return file_replace::Unsaved{write_refusal::reason(), content_};
  if (status_ == ini::LoadStatus::Unreadable) {
    const QString why = info.exists() && !info.isFile() ? file_replace::reason(file_replace::Failure::NotAFile)
                                                        : QStringLiteral("読み込めないファイルがあるため、上書きしませんでした");
    return file_replace::Unsaved{why, content_};
  }
  // A file that will refuse the write needs no copy (and would get one at every close).
  if (overwritesUnreadable_ && info.isFile() && !file_replace::writeProtected(info)) {
    const file_replace::KeptCopy copy = file_replace::keepAside(path_, QDateTime::currentDateTime());
    keptAside_ = copy.path;
    if (!copy.made()) return file_replace::Unsaved{file_replace::reason(copy.failure), content_};
  }
  if (const std::optional<file_replace::Failure> failure = file_replace::replace(path_, content_))
    return file_replace::Unsaved{file_replace::reason(*failure), content_};
  return std::nullopt;
}
