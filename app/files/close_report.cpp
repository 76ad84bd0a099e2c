#include "app/files/close_report.h"

#include <QDir>
#include <QFileInfo>
#include <QtDebug>

#include "app/files/file_locations.h"
#include "platform/message_box.h"

namespace kopira {
namespace {

// How many numbered names keep() tries when the dated one is taken.
constexpr int kMaxKeepAttempts = 100;

}  // namespace

QString unsavedFolder() { return file_locations::stateFolder() + QStringLiteral("/unsaved"); }

QString CloseReport::keep(const QString& fileName, const QByteArray& content, QString& why) const {
  if (!file_replace::makeFolder(keepFolder_)) {
    why = file_replace::reason(file_replace::Failure::ReadOnlyFolder);
    return {};
  }
  const QString dated = QDir(keepFolder_).filePath(now_.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + fileName);
  for (int attempt = 1; attempt <= kMaxKeepAttempts; ++attempt) {
    const QString path = attempt == 1 ? dated : dated + u'.' + QString::number(attempt);
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) continue;
    if (const std::optional<file_replace::Failure> failure = file_replace::replace(path, content)) {
      why = file_replace::reason(*failure);
      return {};
    }
    return path;
  }
  why = file_replace::reason(file_replace::Failure::WriteFailed);
  return {};
}

void CloseReport::notSaved(const QString& fileName, const file_replace::Unsaved& unsaved) {
  QString line = QStringLiteral("・%1：%2。").arg(fileName, unsaved.reason);
  QString why;
  const QString keptAt = keep(fileName, unsaved.content, why);
  if (!keptAt.isEmpty())
    line += QStringLiteral("\n　新しい内容は次のファイルに残しました：\n　%1").arg(QDir::toNativeSeparators(keptAt));
  else
    line += QStringLiteral("\n　新しい内容を残すこともできませんでした（%1）。").arg(why);
  lost_ = lost_ || keptAt.isEmpty();
  notSaved_ << line;
}

void CloseReport::refused(const QString& fileName, const QStringList& keys) {
  if (keys.isEmpty()) return;
  refusedValues_ = true;
  notSaved_ << QStringLiteral("・%1：保存できない文字を含む次の項目は保存しませんでした。\n　%2")
                   .arg(fileName, keys.join(QStringLiteral("、")));
}

void CloseReport::keptAside(const QString& fileName, const QString& keptPath) {
  kept_ << fileName + QStringLiteral(" → ") + QFileInfo(keptPath).fileName();
}

void CloseReport::record(const PaneFile& file, const PaneFile::SaveOutcome& outcome) {
  if (!outcome.keptAs.isEmpty()) keptAside(file.name(), outcome.keptAs);
  if (outcome.unsaved) notSaved(file.name(), *outcome.unsaved);
}

QString CloseReport::message() const {
  QStringList parts;
  if (!notSaved_.isEmpty())
    parts << QStringLiteral("次のファイルを保存できませんでした（ディスク上のファイルは変えていません）。\n") +
                 notSaved_.join(u'\n');
  if (!kept_.isEmpty())
    parts << QStringLiteral("読み込めなかったファイルを次の名前で残しました。\n") + kept_.join(u'\n');
  return parts.join(QStringLiteral("\n\n"));
}

bool CloseReport::tell(bool interactive) const {
  if (empty()) return true;
  // Also logged, so that what was kept where can be found later.
  qWarning().noquote() << message();
  if (!interactive) return true;
  if (!lost_) {
    messageBoxes().plain(message());
    return true;
  }
  const QString offer = QStringLiteral("\n\n「再試行」を押すと、入力した内容はそのままウィンドウに残ります。"
                                       "空きを作るなどしてから、もう一度閉じてください。");
  return messageBoxes().choose(message() + offer, {QStringLiteral("再試行"), QStringLiteral("保存せずに終了")}) != 0;
}

}  // namespace kopira
