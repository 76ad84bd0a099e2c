#include "app/recovery/recovery_slot.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include "app/files/close_report.h"
#include "platform/file_replace.h"

namespace kopira::recovery {
namespace {

// More read-only copies at once than anyone opens.
constexpr int kReadOnlySlots = 16;
constexpr int kNameHexDigits = 16;

// A path as the system finds it: links resolved where it exists.
QString resolved(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  if (!canonical.isEmpty()) return canonical;
  const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
  return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

QString fileNameFor(const KeptFiles& files) {
  const QByteArray key = (files.settingsFile + u'\n' + files.dataFolder).toUtf8();
  return QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(kNameHexDigits)) +
         QStringLiteral(".kopira-recovery");
}

// The folder made when missing, and kept to its owner alone; its
// temporary files of killed writes are removed.
bool prepareFolder(const QString& folder) {
  if (!file_replace::makeFolder(folder)) return false;
  QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  file_replace::removeStrayTemporariesIn(folder);
  return true;
}

}  // namespace

QString recoveryFolder() { return QFileInfo(unsavedFolder()).dir().filePath(QStringLiteral("recovery")); }

std::optional<Slot> Slot::claim(const KeptFiles& given, bool readOnly) {
  const KeptFiles files{resolved(given.settingsFile), resolved(given.dataFolder)};
  const QString name = fileNameFor(files);
  if (!prepareFolder(recoveryFolder())) return std::nullopt;
  if (!readOnly) return Slot(files, QDir(recoveryFolder()).filePath(name), nullptr);
  for (int n = 1; n <= kReadOnlySlots; ++n) {
    const QString folder = QDir(recoveryFolder()).filePath(QStringLiteral("read-only-%1").arg(n));
    if (!prepareFolder(folder)) return std::nullopt;
    auto lock = std::make_shared<FilesLock>();
    if (lock->take({folder})) continue;  // another read-only copy's
    if (!lock->holds()) return std::nullopt;
    return Slot(files, QDir(folder).filePath(name), std::move(lock));
  }
  return std::nullopt;
}

}  // namespace kopira::recovery
