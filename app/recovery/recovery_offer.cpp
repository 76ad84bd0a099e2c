#include "app/recovery/recovery_offer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "app/files/close_report.h"
#include "platform/bounded_read.h"
#include "platform/file_io.h"
#include "platform/file_replace.h"
#include "platform/message_box.h"

namespace kopira::recovery {
namespace {

// How many numbered names are tried when the dated one is taken.
constexpr int kMaxNameAttempts = 100;

std::optional<Snapshot> read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = readAtMost(file, kMaxFileBytes);
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return decode(bytes);
}

// Gives the file a new name unless that name is taken.
bool moveWithoutReplacing(const QByteArray& from, const QByteArray& to) {
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without that kind of rename: the new name, then the old goes.
  return ::link(from.constData(), to.constData()) == 0 && ::unlink(from.constData()) == 0;
}

// Moves the file to "YYYYMMDD-hhmmss-<name>.txt" in the unsaved folder,
// or, where that folder cannot take it, beside itself. The new path, or
// an empty string when it could not be moved.
QString moveAside(const QString& path, const QString& name, const QDateTime& now) {
  const QString dated = now.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + name;
  const QByteArray from = QFile::encodeName(path);
  for (const QString& folder : {unsavedFolder(), QFileInfo(path).absolutePath()}) {
    if (!file_replace::makeFolder(folder)) continue;
    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
      const QString to = QDir(folder).filePath(dated + (attempt == 1 ? QString() : u'-' + QString::number(attempt)) +
                                               QStringLiteral(".txt"));
      if (moveWithoutReplacing(from, QFile::encodeName(to))) {
        file_io::syncFolder(QFile::encodeName(folder));
        file_io::syncFolder(file_io::folderOf(from));
        return to;
      }
      if (errno != EEXIST) break;
    }
  }
  return {};
}

void tellDamaged(const QString& path, const QString& keptAt) {
  const QString where = keptAt.isEmpty()
                            ? QStringLiteral("ファイルは移せなかったため、そのまま次の場所にあります：\n　%1").arg(path)
                            : QStringLiteral("ファイルは次の名前で残しました：\n　%1").arg(keptAt);
  const QString text = QStringLiteral("前回 Kopira が残した入力の控えは壊れているため、元に戻せませんでした。\n") + where;
  qWarning().noquote() << text;
  messageBoxes().plain(text);
}

}  // namespace

QString question(const QDateTime& taken) {
  return QStringLiteral("前回 Kopira は正しく終了しませんでした。保存されていない入力（%1）を元に戻しますか？")
      .arg(taken.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm")));
}

std::optional<Snapshot> offer(const Slot& slot, const QDateTime& now) {
  const QFileInfo info(slot.path());
  if (!info.exists() && !info.isSymLink()) return std::nullopt;
  const std::optional<Snapshot> found = read(slot.path());
  // A file of other kept files could only come from a name shared by chance.
  if (!found || found->files != slot.files()) {
    tellDamaged(slot.path(), moveAside(slot.path(), QStringLiteral("kopira-recovery-damaged"), now));
    return std::nullopt;
  }
  const QString asked = question(found->taken);
  // Also logged, for whoever looks into what the start offered.
  qWarning().noquote() << asked;
  if (messageBoxes().choose(asked, {QStringLiteral("元に戻す"), QStringLiteral("破棄")}) == 0) return found;
  const QString keptAt = moveAside(slot.path(), QStringLiteral("kopira-recovery"), now);
  qWarning().noquote() << (keptAt.isEmpty() ? QStringLiteral("破棄した入力の控えを移せませんでした：") + slot.path()
                                            : QStringLiteral("破棄した入力の控えを残しました：") + keptAt);
  return std::nullopt;
}

}  // namespace kopira::recovery
