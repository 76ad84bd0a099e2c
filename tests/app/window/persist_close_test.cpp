// The close of the main window as a whole, its end by signals, and the web
// shortcuts.
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>
#include <csignal>
#include <gtest/gtest.h>

#include "app/files/termination_signals.h"
#include "app/window/close_sequence.h"
#include "app/window/mail_and_hp.h"
#include "persist_support.h"
#include "platform/desktop_open.h"
#include "platform/message_box_recorder.h"
#include "platform/write_refusal.h"

using namespace Qt::StringLiterals;
using kopira::testing::FakeMemo;
using kopira::testing::RecordingOpener;
using kopira::testing::makeReadOnly;
using kopira::testing::readBytes;
using kopira::testing::writeBytes;
namespace ss = kopira::stored_settings;

namespace {

class CloseTest : public ::testing::Test {
 protected:
  CloseTest() {
    ini_.setFileName(dir_.filePath(u"Kopira.ini"_s));
    for (auto& field : mainFields_.memo) field = ss::textOf(&box_);
    for (auto& field : mainFields_.webShortcuts) field = ss::textOf(&box_);
    for (auto& field : dialogFields_.jyu) field = ss::textOf(&box_);
  }
  kopira::CloseOutcome close(bool interactive = true) {
    return kopira::saveAtClose(
        {history_, historyMemo_, historyMemo_, ini_, mainFields_, dialogFields_, notes_, memo4_, memo3_}, interactive);
  }

  QTemporaryDir dir_;
  kopira::MessageBoxRecorder boxes_;
  TIniGT ini_;
  QLineEdit box_;
  TStringList office_;
  QWidget form1_;
  QWidget form5_;
  ss::MainWindowFields mainFields_{&office_, {}, {}, &form1_};
  ss::DialogFields dialogFields_{{}, &form5_};
  kopira::HistoryFile history_{dir_.path()};
  kopira::NotePaneFiles notes_{dir_.path()};
  FakeMemo historyMemo_{{u"会社"_s, u""_s}};
  FakeMemo memo4_;
  FakeMemo memo3_;
};

TEST_F(CloseTest, EverythingSavedWithoutAMessage) {
  memo3_.userTypes(u"note"_s);
  EXPECT_TRUE(close().complete);
  EXPECT_EQ(readBytes(dir_.filePath(u"kopiralog.txt"_s)), "\x89\xef\x8e\xd0\r\n");
  EXPECT_TRUE(readBytes(ini_.path()).startsWith("[memo]\r\n"));
  EXPECT_EQ(readBytes(dir_.filePath(u"memo2.txt"_s)), "note\r\n");
  EXPECT_FALSE(QFile::exists(dir_.filePath(u"memo3.txt"_s))) << "an unchanged pane is not written";
  EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(CloseTest, ReadOnlySettingsCostNoNotesAndAreNamedOnce) {
  writeBytes(ini_.path(), "[memo]\r\n");
  makeReadOnly(ini_.path());
  memo4_.userTypes(u"estate"_s);
  close();
  EXPECT_EQ(readBytes(dir_.filePath(u"memo3.txt"_s)), "estate\r\n");
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  EXPECT_FALSE(boxes_.boxes[0].information);
  EXPECT_TRUE(boxes_.boxes[0].text.contains(u"・Kopira.ini：ファイルが読み取り専用です。"_s)) << boxes_.boxes[0].text.toStdString();
}

TEST_F(CloseTest, NobodyToAnswerMeansNoBox) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir(u"kopiralog.txt"_s));
  close(false);
  EXPECT_TRUE(boxes_.boxes.empty());
}

// The state folder for what could not be saved, for one test.
class StateFolder {
 public:
  explicit StateFolder(const QString& path) : before_(qgetenv("XDG_STATE_HOME")) { qputenv("XDG_STATE_HOME", path.toUtf8()); }
  ~StateFolder() { qputenv("XDG_STATE_HOME", before_); }
  StateFolder(const StateFolder&) = delete;
  StateFolder& operator=(const StateFolder&) = delete;

 private:
  QByteArray before_;
};

TEST_F(CloseTest, NothingKeptOffersToTryAgainUnlessNobodyIsThere) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir(u"kopiralog.txt"_s));
  writeBytes(dir_.filePath(u"state"_s), "a file where the unsaved folder would go");
  const StateFolder state(dir_.filePath(u"state"_s));
  struct Case {
    int answer;
    bool interactive;
    bool ends;
  };
  for (const Case& c : {Case{0, true, false}, Case{1, true, true}, Case{0, false, true}}) {
    boxes_.boxes.clear();
    boxes_.answers = {c.answer};
    const kopira::CloseOutcome outcome = kopira::saveAtClose(
        {history_, historyMemo_, historyMemo_, ini_, mainFields_, dialogFields_, notes_, memo4_, memo3_}, c.interactive);
    EXPECT_EQ(outcome.ends, c.ends);
    EXPECT_FALSE(outcome.complete) << "what could not be kept is not complete, however it ends";
    ASSERT_EQ(boxes_.boxes.size(), c.interactive ? 1u : 0u);
    if (!c.interactive) continue;
    EXPECT_EQ(boxes_.boxes[0].choices, (QStringList{u"再試行"_s, u"保存せずに終了"_s}));
    EXPECT_TRUE(boxes_.boxes[0].text.contains(u"新しい内容を残すこともできませんでした"_s));
  }
}

TEST_F(CloseTest, AReadOnlyCopyWritesNothingAndKeepsWhatDiffers) {
  const QByteArray history = "\x89\xef\x8e\xd0\r\n";  // what the history pane holds
  writeBytes(dir_.filePath(u"kopiralog.txt"_s), history);
  const StateFolder state(dir_.filePath(u"state"_s));
  memo3_.userTypes(u"note"_s);
  kopira::write_refusal::set(u"読み取り専用"_s);
  EXPECT_TRUE(close().complete) << "everything kept, with the message";
  kopira::write_refusal::set(QString());
  EXPECT_EQ(readBytes(dir_.filePath(u"kopiralog.txt"_s)), history);
  EXPECT_FALSE(QFile::exists(ini_.path()));
  EXPECT_FALSE(QFile::exists(dir_.filePath(u"memo2.txt"_s)));
  EXPECT_EQ(QDir(dir_.filePath(u"state/kopira/unsaved"_s)).entryList(QDir::Files).size(), 2);
  ASSERT_EQ(boxes_.boxes.size(), 1u);
  const QString& told = boxes_.boxes[0].text;
  EXPECT_TRUE(told.contains(u"・Kopira.ini：読み取り専用。"_s) && told.contains(u"・memo2.txt：読み取り専用。"_s)) << told.toStdString();
  EXPECT_FALSE(told.contains(u"kopiralog.txt"_s)) << "an unchanged history is not news";
}

TEST(TerminationSignals, SigtermAndSessionEndCloseTheWindow) {
  int closes = 0;
  kopira::TerminationSignals signals([&] { ++closes; });
  EXPECT_FALSE(signals.requested());
  std::raise(SIGTERM);
  for (int i = 0; i < 50 && closes == 0; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(signals.requested());
  std::raise(SIGINT);
  for (int i = 0; i < 50 && closes == 1; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(closes, 2);
}

TEST(WebShortcuts, DoubleClickOpensTheBoxTextUnchanged) {
  RecordingOpener opener;
  TMailAndHP launcher;
  EXPECT_EQ(launcher.HomePageAddress(), u"http://"_s);
  kopira::openWebShortcut(launcher, u"https://www1.touki.or.jp/"_s);
  kopira::openWebShortcut(launcher, u"www.example.jp"_s);
  kopira::openWebShortcut(launcher, QString());
  EXPECT_EQ(opener.opened, (QStringList{u"https://www1.touki.or.jp/"_s, u"www.example.jp"_s, QString()}));
  EXPECT_EQ(launcher.HomePageAddress(), QString()) << "the address last opened stays";
}

TEST(WebShortcuts, WhatTheDesktopIsAskedToOpen) {
  EXPECT_EQ(kopira::desktopUrlFor(u"https://www1.touki.or.jp/"_s), QUrl(u"https://www1.touki.or.jp/"_s));
  EXPECT_EQ(kopira::desktopUrlFor(u"mailto:office@example.jp"_s).scheme(), u"mailto"_s);
  const QUrl bare = kopira::desktopUrlFor(u"www.example.jp"_s);
  EXPECT_TRUE(bare.scheme().isEmpty());
  EXPECT_EQ(bare.toString(), u"www.example.jp"_s);
  QTemporaryDir dir;
  EXPECT_EQ(kopira::desktopUrlFor(dir.path()), QUrl::fromLocalFile(dir.path()));
  EXPECT_TRUE(kopira::desktopUrlFor(QString()).isEmpty());
  // The opener must never take a text for one of its options.
  for (const QString& option : {u"--help"_s, u"-x"_s, u"-"_s}) {
    const QUrl url = kopira::desktopUrlFor(option);
    EXPECT_EQ(url.toEncoded(), "./" + option.toUtf8());
    EXPECT_TRUE(url.scheme().isEmpty());
  }
  EXPECT_EQ(kopira::desktopUrlFor(u"www.example.jp/-x"_s).toString(), u"www.example.jp/-x"_s);
}

}  // namespace
