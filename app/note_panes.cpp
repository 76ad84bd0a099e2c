#include "app/note_panes.h"

#include <QDir>

#include "platform/message_box.h"

namespace kopira {
namespace {

void loadOrAsk(PaneFile& file, TextPane& pane, const QString& askToCreate) {
  if (file.loadInto(pane) != text_file::LoadStatus::Loaded) messageBoxes().plain(askToCreate);
}

void saveIfModified(PaneFile& file, const TextPane& pane, CloseReport& report) {
  if (pane.isModified()) report.record(file, file.saveFrom(pane));
}

}  // namespace

NotePaneFiles::NotePaneFiles(const QString& folder)
    : memo3Txt_(QDir(folder).filePath(QStringLiteral("memo3.txt"))),
      memo2Txt_(QDir(folder).filePath(QStringLiteral("memo2.txt"))) {}

void NotePaneFiles::load(TextPane& memo4, TextPane& memo3) {
  loadOrAsk(memo3Txt_, memo4, QStringLiteral("memo3.txtファイルを作成してください"));
  loadOrAsk(memo2Txt_, memo3, QStringLiteral("memo2.txtファイルを作成してください"));
}

void NotePaneFiles::save(const TextPane& memo4, const TextPane& memo3, CloseReport& report) {
  saveIfModified(memo3Txt_, memo4, report);
  saveIfModified(memo2Txt_, memo3, report);
}

}  // namespace kopira
