#include "app/files/one_copy.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>
#include <QtDebug>

#include "app/files/copy_handover.h"
#include "platform/message_box.h"

namespace kopira::one_copy {
namespace {

// Two starts at once (a double double-click): the first may not listen yet
// when the second finds its lock.
constexpr int kHandoverWaitMs = 10000;
constexpr int kRetryMs = 20;

bool userOpensReadOnly(const LockHolder& holder) {
  const QString text = holder.description() +
                       QStringLiteral("\n\n読み取り専用で開くと、共有のファイルには何も書き込みません。"
                                      "入力した内容は、閉じるときに別の場所に残します。");
  // Also logged, for whoever looks into why a copy opened read-only.
  qWarning().noquote() << text;
  return messageBoxes().choose(text, {QStringLiteral("読み取り専用で開く"), QStringLiteral("終了")}) == 0;
}

}  // namespace

QStringList keptFolders(const QString& settingsFile, const QString& dataFolder) {
  return {QFileInfo(settingsFile).absolutePath(), dataFolder};
}

Start claim(FilesLock& lock, const QStringList& folders) {
  const QDeadlineTimer handoverDeadline(kHandoverWaitMs);
  for (;;) {
    const std::optional<LockHolder> holder = lock.take(folders);
    if (!holder) return Start::Editable;
    if (!holder->isThisUserHere() || handoverDeadline.hasExpired())
      return userOpensReadOnly(*holder) ? Start::ReadOnly : Start::End;
    if (askToComeForward(holder->pid)) return Start::End;
    // Not listening yet, or it has just ended and left the lock.
    QThread::msleep(kRetryMs);
  }
}

QString readOnlyTitleSuffix() { return QStringLiteral("（読み取り専用）"); }

QString readOnlyReason() { return QStringLiteral("読み取り専用で開いているため、保存しませんでした"); }

}  // namespace kopira::one_copy
