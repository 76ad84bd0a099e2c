// The history's tidy-up and its file, and the note panes' files.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/history/history_copy.h"
#include "app/history/history_file.h"
#include "app/history/history_tidy.h"
#include "app/history/note_panes.h"
#include "persist_support.h"
#include "platform/message_box_recorder.h"

using namespace Qt::StringLiterals;
using kopira::testing::FakeMemo;
using kopira::testing::makeReadOnly;
using kopira::testing::readBytes;
using kopira::testing::writeBytes;

namespace {

QStringList numbered(int from, int to) {
  QStringList rows;
  for (int i = from; i <= to; ++i) rows << QString::number(i);
  return rows;
}

TEST(HistoryTidy, RemovesEveryEmptyRowIncludingTheFirst) {
  TStringList rows({u""_s, u"会社"_s, u""_s, u""_s, u"土地"_s, u""_s});
  kopira::tidyAndCap(rows);
  EXPECT_EQ(rows.lines(), (QStringList{u"会社"_s, u"土地"_s}));

  TStringList blank({u""_s, u""_s});
  kopira::tidyAndCap(blank);
  EXPECT_EQ(blank.Count(), 0);
}

TEST(HistoryTidy, KeepsTheNewestHundredRows) {
  TStringList rows(numbered(1, 130));
  kopira::tidyAndCap(rows);
  EXPECT_EQ(rows.lines(), numbered(31, 130));

  TStringList exact(numbered(1, 100));
  kopira::tidyAndCap(exact);
  EXPECT_EQ(exact.lines(), numbered(1, 100));
}

TEST(HistoryTidy, CapCountsRowsLeftAfterTheEmptyOnesGo) {
  QStringList withGaps;
  for (const QString& row : numbered(1, 105)) withGaps << row << QString();
  TStringList rows(withGaps);
  kopira::tidyAndCap(rows);
  EXPECT_EQ(rows.lines(), numbered(6, 105));
}

TEST(HistoryCopy, SelectionKeepsItsLineBreaks) {
  QPlainTextEdit box;
  box.setPlainText(u"会社\n土地\n建物\n"_s);
  EXPECT_EQ(kopira::selectedLines(box), QString()) << "nothing selected";
  QTextCursor cursor = box.textCursor();
  cursor.setPosition(0);
  cursor.setPosition(5, QTextCursor::KeepAnchor);
  box.setTextCursor(cursor);
  EXPECT_EQ(kopira::selectedLines(box), u"会社\r\n土地"_s);
  cursor.setPosition(6, QTextCursor::KeepAnchor);
  box.setTextCursor(cursor);
  EXPECT_EQ(kopira::selectedLines(box), u"会社\r\n土地\r\n"_s);
}

// The close keeps what it could not save under this time in the keep folder.
const QDateTime kNow(QDate(2026, 12, 9), QTime(10, 30, 0));

// The message names the file and why, and the new content is in the keep
// folder under the close's time.
void expectKept(const QString& folder, const kopira::CloseReport& report, const QString& name, const QString& why,
                const QByteArray& content) {
  const QString kept = folder + u"/unsaved/20261209-103000-"_s + name;
  EXPECT_TRUE(report.message().contains(u"・"_s + name + u"："_s + why)) << report.message().toStdString();
  EXPECT_TRUE(report.message().contains(kept)) << report.message().toStdString();
  EXPECT_EQ(readBytes(kept), content);
}

class HistoryFileTest : public ::testing::Test {
 protected:
  QString path() const { return dir_.filePath(u"kopiralog.txt"_s); }
  QStringList keptFiles() const { return QDir(dir_.path()).entryList({u"kopiralog.txt.*.bak"_s}, QDir::Files); }

  QTemporaryDir dir_;
  kopira::HistoryFile history_{dir_.path()};
  kopira::CloseReport report_{dir_.filePath(u"unsaved"_s), kNow};
};

TEST_F(HistoryFileTest, LoadsAndSavesTidiedText) {
  writeBytes(path(), "\r\nA\r\n\r\n\x93\x8c\x8b\x9e");
  FakeMemo memo;
  history_.load(memo);
  EXPECT_EQ(memo.text(), u"\r\nA\r\n\r\n東京\r\n"_s);
  memo.Add(QString());  // a print with an empty real-estate block
  history_.close(memo, memo, report_);
  EXPECT_EQ(readBytes(path()), "A\r\n\x93\x8c\x8b\x9e\r\n");
  EXPECT_TRUE(report_.empty());
}

TEST_F(HistoryFileTest, MissingFileIsAnEmptyHistoryWithoutMessage) {
  kopira::MessageBoxRecorder boxes;
  FakeMemo memo;
  history_.load(memo);
  EXPECT_EQ(memo.Count(), 0);
  memo.Add(u"会社"_s);
  history_.close(memo, memo, report_);
  EXPECT_EQ(readBytes(path()), "\x89\xef\x8e\xd0\r\n");
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(HistoryFileTest, FailedSaveReloadsFromTheUntouchedFile) {
  writeBytes(path(), "old\r\n");
  makeReadOnly(path());
  FakeMemo memo;
  history_.load(memo);
  memo.Add(u"new"_s);
  history_.close(memo, memo, report_);
  EXPECT_EQ(readBytes(path()), "old\r\n");
  EXPECT_EQ(memo.text(), u"old\r\n"_s);
  expectKept(dir_.path(), report_, u"kopiralog.txt"_s, u"ファイルが読み取り専用です"_s, "old\r\nnew\r\n");
}

TEST_F(HistoryFileTest, UnloadableFileIsKeptAsideBeforeTheNewHistoryIsWritten) {
  const QByteArray broken("old history \x81\x7f");
  writeBytes(path(), broken);
  FakeMemo memo;
  history_.load(memo);
  EXPECT_EQ(memo.Count(), 0);
  memo.Add(u"new"_s);
  history_.close(memo, memo, report_);

  ASSERT_EQ(keptFiles().size(), 1);
  EXPECT_EQ(readBytes(dir_.filePath(keptFiles().first())), broken);
  EXPECT_EQ(readBytes(path()), "new\r\n");
  EXPECT_TRUE(report_.message().contains(u"kopiralog.txt → "_s + keptFiles().first())) << report_.message().toStdString();
}

TEST_F(HistoryFileTest, FolderInPlaceOfTheFileIsLeftAndReported) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir(u"kopiralog.txt"_s));
  FakeMemo memo;
  history_.load(memo);
  memo.Add(u"new"_s);
  history_.close(memo, memo, report_);
  EXPECT_TRUE(QFileInfo(path()).isDir());
  EXPECT_TRUE(keptFiles().isEmpty());
  expectKept(dir_.path(), report_, u"kopiralog.txt"_s, u"同じ名前のフォルダなどがあり"_s, "new\r\n");
}

class NotePaneFilesTest : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return dir_.filePath(name); }

  QTemporaryDir dir_;
  kopira::NotePaneFiles notes_{dir_.path()};
  kopira::MessageBoxRecorder boxes_;
  FakeMemo memo4_{{u"M"_s, u"e"_s, u"m"_s, u"o"_s, u"4"_s}};
  FakeMemo memo3_{{u""_s}};
  kopira::CloseReport report_{dir_.filePath(u"unsaved"_s), kNow};
};

TEST_F(NotePaneFilesTest, BothMissingAskForBothFilesMemo3First) {
  notes_.load(memo4_, memo3_);
  ASSERT_EQ(boxes_.boxes.size(), 2u);
  EXPECT_EQ(boxes_.boxes[0].text, u"memo3.txtファイルを作成してください"_s);
  EXPECT_EQ(boxes_.boxes[1].text, u"memo2.txtファイルを作成してください"_s);
  EXPECT_FALSE(boxes_.boxes[0].information);
  EXPECT_EQ(memo4_.Count(), 5) << "the pane keeps its initial text";
}

// In the program's own data folder a missing note file is made, not asked
// for; one that is there keeps its text; a folder in a file's place is
// still reported.
TEST_F(NotePaneFilesTest, InTheProgramsOwnFolderMissingFilesAreCreatedEmptySilently) {
  writeBytes(path(u"memo2.txt"_s), "company notes\r\n");
  kopira::NotePaneFiles own(dir_.path(), kopira::NotePaneFiles::WhenMissing::CreateEmpty);
  own.load(memo4_, memo3_);
  EXPECT_TRUE(boxes_.boxes.empty());
  EXPECT_EQ(readBytes(path(u"memo3.txt"_s)), "");
  EXPECT_EQ(memo4_.text(), QString());
  EXPECT_EQ(memo3_.text(), u"company notes\r\n"_s);

  ASSERT_TRUE(QFile::remove(path(u"memo2.txt"_s)));
  ASSERT_TRUE(QDir(dir_.path()).mkdir(u"memo2.txt"_s));
  own.load(memo4_, memo3_);
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_TRUE(boxes_.boxes[0].text.startsWith(u"memo2.txtと同じ名前のフォルダ"_s));
}

TEST_F(NotePaneFilesTest, NamesCrossOver) {
  writeBytes(path(u"memo2.txt"_s), "company notes\r\n");
  notes_.load(memo4_, memo3_);
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_EQ(boxes_.boxes[0].text, u"memo3.txtファイルを作成してください"_s);
  EXPECT_EQ(memo3_.text(), u"company notes\r\n"_s);
  EXPECT_FALSE(memo3_.isModified()) << "loading is not an edit";
}

TEST_F(NotePaneFilesTest, OnlyModifiedPanesAreSavedAndOneFailureDoesNotStopTheOther) {
  writeBytes(path(u"memo3.txt"_s), "estate\r\n");
  writeBytes(path(u"memo2.txt"_s), "company\r\n");
  notes_.load(memo4_, memo3_);

  notes_.save(memo4_, memo3_, report_);
  EXPECT_EQ(readBytes(path(u"memo3.txt"_s)), "estate\r\n");
  EXPECT_TRUE(report_.empty());

  makeReadOnly(path(u"memo3.txt"_s));
  memo4_.userTypes(u"more"_s);
  memo3_.userTypes(u"more"_s);
  notes_.save(memo4_, memo3_, report_);
  EXPECT_EQ(readBytes(path(u"memo3.txt"_s)), "estate\r\n");
  EXPECT_EQ(readBytes(path(u"memo2.txt"_s)), "company\r\nmore\r\n");
  expectKept(dir_.path(), report_, u"memo3.txt"_s, u"ファイルが読み取り専用です"_s, "estate\r\nmore\r\n");
}

TEST_F(NotePaneFilesTest, UnloadableNoteFileSurvivesTheEditedPane) {
  writeBytes(path(u"memo2.txt"_s), "\x93\x8c\x93");  // 東, then a lead byte cut off
  notes_.load(memo4_, memo3_);
  EXPECT_TRUE(boxes_.boxes.back().text.startsWith(u"memo2.txtを読み込めませんでした（Shift-JISで読めないバイトがあります）"_s))
      << boxes_.boxes.back().text.toStdString();
  memo3_.userTypes(u"typed"_s);
  notes_.save(memo4_, memo3_, report_);
  const QStringList kept = QDir(dir_.path()).entryList({u"memo2.txt.*.bak"_s}, QDir::Files);
  ASSERT_EQ(kept.size(), 1);
  EXPECT_EQ(readBytes(path(kept.first())), QByteArray("\x93\x8c\x93"));
  EXPECT_EQ(readBytes(path(u"memo2.txt"_s)), "\r\ntyped\r\n");
}

}  // namespace
