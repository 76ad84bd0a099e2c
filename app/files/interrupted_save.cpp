#include "app/files/interrupted_save.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtDebug>

#include "platform/file_replace.h"
#include "platform/message_box.h"
#include "platform/write_refusal.h"

namespace kopira {

void clearInterruptedSave(const QString& path) {
  // A read-only copy could meet another copy's save in progress.
  if (!write_refusal::reason().isEmpty()) return;
  const QString refused = file_replace::removeStrayTemporaries(path);
  if (refused.isEmpty()) return;
  const QFileInfo copy(refused);
  const QString file = copy.fileName().chopped(QStringLiteral(".kopira-old").size());
  const QString owner = copy.owner().isEmpty() ? QString::number(copy.ownerId()) : copy.owner();
  const QString text = QStringLiteral("%1 は、%2 に書き込めない利用者（%3）が置いたファイルのため、元に戻しませんでした。")
                           .arg(copy.fileName(), file, owner);
  qWarning().noquote() << text;
  if (QCoreApplication* app = QCoreApplication::instance())
    QMetaObject::invokeMethod(app, [text] { messageBoxes().plain(text); }, Qt::QueuedConnection);
}

}  // namespace kopira
