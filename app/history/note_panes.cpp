#include "app/history/note_panes.h"

#include <QDir>
#include <QFile>

#include "platform/message_box.h"

namespace kopira {
namespace {

// Why a note file could not be loaded, for the message at start.
QString loadProblem(const QString& name, text_file::LoadStatus status) {
  using text_file::LoadStatus;
  switch (status) {
    case LoadStatus::Loaded:
      return {};
    case LoadStatus::Missing:
      return name + QStringLiteral("ファイルを作成してください");
    case LoadStatus::NotAFile:
      return name + QStringLiteral("と同じ名前のフォルダなどがあるため、読み込めませんでした。"
                                   "このメモ欄に書いた内容は、閉じるときに別の場所に残します。");
    case LoadStatus::NotCp932:
    case LoadStatus::TooLarge:
    case LoadStatus::Unreadable:
      break;
  }
  const QString why = status == LoadStatus::NotCp932   ? QStringLiteral("Shift-JISで読めないバイトがあります")
                      : status == LoadStatus::TooLarge ? QStringLiteral("ファイルが大きすぎます")
                                                       : QStringLiteral("ファイルを開けません");
  return name + QStringLiteral("を読み込めませんでした（%1）。このメモ欄に書いて閉じると、"
                               "元のファイルは別の名前で残し、新しい内容を保存します。")
                    .arg(why);
}

// An empty file where none is; never over one that appeared meanwhile.
bool createEmpty(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && file.flush();
}

void saveIfModified(PaneFile& file, const TextPane& pane, CloseReport& report) {
  if (pane.isModified()) report.record(file, file.saveFrom(pane));
}

}  // namespace

NotePaneFiles::NotePaneFiles(const QString& folder, WhenMissing whenMissing)
    : memo3Txt_(QDir(folder).filePath(QStringLiteral("memo3.txt"))),
      memo2Txt_(QDir(folder).filePath(QStringLiteral("memo2.txt"))),
      whenMissing_(whenMissing) {}

void NotePaneFiles::loadOrAsk(PaneFile& file, TextPane& pane) {
  text_file::LoadStatus status = file.loadInto(pane);
  if (status == text_file::LoadStatus::Missing && whenMissing_ == WhenMissing::CreateEmpty &&
      createEmpty(file.path()))
    status = file.loadInto(pane);
  const QString problem = loadProblem(file.name(), status);
  if (!problem.isEmpty()) messageBoxes().plain(problem);
}

void NotePaneFiles::load(TextPane& memo4, TextPane& memo3) {
  loadOrAsk(memo3Txt_, memo4);
  loadOrAsk(memo2Txt_, memo3);
}

void NotePaneFiles::save(const TextPane& memo4, const TextPane& memo3, CloseReport& report) {
  saveIfModified(memo3Txt_, memo4, report);
  saveIfModified(memo2Txt_, memo3, report);
}

}  // namespace kopira
