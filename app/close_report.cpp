#include "app/close_report.h"

#include <QFileInfo>
#include <QtDebug>

#include "platform/message_box.h"

namespace kopira {

void CloseReport::keptAside(const QString& fileName, const QString& keptPath) {
  kept_ << fileName + QStringLiteral(" → ") + QFileInfo(keptPath).fileName();
}

void CloseReport::record(const PaneFile& file, const PaneFile::SaveOutcome& outcome) {
  if (!outcome.keptAs.isEmpty()) keptAside(file.name(), outcome.keptAs);
  if (!outcome.saved) notSaved(file.name());
}

QString CloseReport::message() const {
  QStringList parts;
  if (!notSaved_.isEmpty())
    parts << QStringLiteral("次のファイルを保存できませんでした。\n") + notSaved_.join(u'\n');
  if (!kept_.isEmpty())
    parts << QStringLiteral("読み込めなかったファイルを次の名前で残しました。\n") + kept_.join(u'\n');
  return parts.join(QStringLiteral("\n\n"));
}

void CloseReport::tell(bool interactive) const {
  if (empty()) return;
  if (interactive)
    messageBoxes().plain(message());
  else
    qWarning().noquote() << message();
}

}  // namespace kopira
