// The stored settings: defaults, read-back, and the layout of a fresh file.
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

#include "app/files/stored_settings.h"
#include "app/files/window_on_screen.h"
#include "persist_support.h"

using namespace Qt::StringLiterals;
using kopira::testing::makeReadOnly;
using kopira::testing::readBytes;
using kopira::testing::writeBytes;
namespace ss = kopira::stored_settings;

namespace {

// The boxes and windows of Form1 and Form5 that the settings reach.
struct Windows {
  Windows() {
    for (auto& box : edits) box = std::make_unique<QLineEdit>();
    for (auto& box : dialogEdits) box = std::make_unique<QLineEdit>();
    form1.resize(300, 200);
    form5.resize(200, 150);
    for (size_t i = 0; i < 5; ++i) mainFields.memo[i] = ss::textOf(edits[i].get());
    for (size_t i = 0; i < 3; ++i) mainFields.webShortcuts[i] = ss::textOf(edits[5 + i].get());
    for (size_t i = 0; i < 6; ++i) dialogFields.jyu[i] = ss::textOf(dialogEdits[i].get());
  }
  QStringList texts() const {
    QStringList all;
    for (const auto& box : edits) all << box->text();
    for (const auto& box : dialogEdits) all << box->text();
    return all;
  }

  std::array<std::unique_ptr<QLineEdit>, 8> edits;  // Edit1 to Edit8 of Form1
  std::array<std::unique_ptr<QLineEdit>, 6> dialogEdits;
  TStringList office;
  QWidget form1;
  QWidget form5;
  ss::MainWindowFields mainFields{&office, {}, {}, &form1};
  ss::DialogFields dialogFields{{}, &form5};
};

class StoredSettingsTest : public ::testing::Test {
 protected:
  StoredSettingsTest() { ini_.setFileName(path()); }
  QString path() const { return dir_.filePath(u"Kopira.ini"_s); }
  void readAll(Windows& w) const {
    ss::readMainWindow(ini_, w.mainFields);
    ss::readDialog(ini_, w.dialogFields);
  }
  QStringList fileLines() const { return QString::fromLatin1(readBytes(path())).split(u"\r\n"_s, Qt::SkipEmptyParts); }

  QTemporaryDir dir_;
  TIniGT ini_;
};

TEST_F(StoredSettingsTest, DefaultsWithoutAFile) {
  Windows w;
  w.office.Add(u"stale"_s);
  readAll(w);
  EXPECT_EQ(w.office.Count(), 1) << "without a stored list the box keeps its own lines";
  const QStringList texts = w.texts();
  EXPECT_EQ(texts.mid(0, 4), (QStringList{u"東京"_s, u"１２３４５"_s, u"東京法務局"_s, u"浦和市長"_s}));
  EXPECT_TRUE(texts[4].startsWith(u"tel "_s));
  EXPECT_TRUE(texts[5].startsWith(u"https://"_s));
  EXPECT_TRUE(texts[6].startsWith(u"http://"_s));
  EXPECT_TRUE(texts[7].startsWith(u"http://"_s));
  EXPECT_EQ(texts[8], u"千代田区長"_s);
  EXPECT_TRUE(texts[9].endsWith(u"番地"_s));
  EXPECT_EQ(texts.mid(10), (QStringList{u"山田花子"_s, u"世帯員の全員"_s, u"全部"_s, u"裁判資料"_s}));
  EXPECT_EQ(w.form1.pos(), QPoint(50, 50));
  EXPECT_EQ(w.form5.pos(), QPoint(50, 50));
}

TEST_F(StoredSettingsTest, FreshFileHoldsEveryKeyInCloseOrder) {
  Windows w;
  readAll(w);
  w.office.Add(u"東京都千代田区"_s);
  w.office.Add(u"弁護士　山田"_s);
  ss::writeAll(ini_, w.mainFields, w.dialogFields);

  QStringList layout;
  for (const QString& line : fileLines()) layout << (line.startsWith(u'[') ? line : line.section(u'=', 0, 0));
  EXPECT_EQ(layout, (QStringList{u"[memo]"_s, u"memo.lines.Count"_s, u"memo.lines.0"_s, u"memo.lines.1"_s,
                                 u"edit1.text"_s, u"edit2.text"_s, u"edit3.text"_s, u"edit4.text"_s, u"edit5.text"_s,
                                 u"[form]"_s, u"top"_s, u"left"_s,
                                 u"[jyu]"_s, u"edit1.text"_s, u"edit2.text"_s, u"edit3.text"_s, u"edit4.text"_s,
                                 u"edit5.text"_s, u"edit6.text"_s,
                                 u"[form5]"_s, u"top"_s, u"left"_s,
                                 u"[URL]"_s, u"edit6.text"_s, u"edit7.text"_s, u"edit8.text"_s}));
}

TEST_F(StoredSettingsTest, ValuesComeBackAtTheNextStart) {
  Windows before;
  readAll(before);
  before.office.Add(u"事務所"_s);
  for (size_t i = 0; i < before.edits.size(); ++i) before.edits[i]->setText(u"値"_s + QString::number(i));
  for (size_t i = 0; i < before.dialogEdits.size(); ++i) before.dialogEdits[i]->setText(u"欄"_s + QString::number(i));
  before.form1.move(120, 80);
  before.form5.move(210, 90);
  ss::writeAll(ini_, before.mainFields, before.dialogFields);

  Windows after;
  readAll(after);
  EXPECT_EQ(after.office.lines(), QStringList{u"事務所"_s});
  EXPECT_EQ(after.texts(), before.texts());
  EXPECT_EQ(after.form1.pos(), QPoint(120, 80));
  EXPECT_EQ(after.form5.pos(), QPoint(210, 90));
}

TEST_F(StoredSettingsTest, StaleListKeysAreNotReadBack) {
  Windows w;
  readAll(w);
  for (const QString& line : {u"1"_s, u"2"_s, u"3"_s, u"4"_s}) w.office.Add(line);
  ss::writeAll(ini_, w.mainFields, w.dialogFields);
  w.office.Delete(3);
  w.office.Delete(2);
  ss::writeAll(ini_, w.mainFields, w.dialogFields);
  EXPECT_TRUE(fileLines().contains(u"memo.lines.3=4"_s));

  Windows next;
  readAll(next);
  EXPECT_EQ(next.office.lines(), (QStringList{u"1"_s, u"2"_s}));
}

TEST_F(StoredSettingsTest, BadNumbersAndMissingSectionsFallBack) {
  writeBytes(path(), "[form]\r\ntop=abc\r\nleft=12abc\r\n[memo]\r\nedit1.text=  \x91\xe5\x8d\xe3  \r\n");  // 大阪 between blanks
  Windows w;
  readAll(w);
  EXPECT_EQ(w.form1.pos(), QPoint(50, 50));
  EXPECT_EQ(w.edits[0]->text(), u"大阪"_s);
  EXPECT_EQ(w.edits[1]->text(), u"１２３４５"_s);
}

TEST_F(StoredSettingsTest, PositionFarOffEveryScreenComesBack) {
  writeBytes(path(), "[form]\r\ntop=-2147483648\r\nleft=2147483647\r\n[form5]\r\ntop=90000\r\nleft=-90000\r\n");
  Windows w;
  readAll(w);
  const QList<QRect> screens = kopira::availableScreenAreas();
  ASSERT_FALSE(screens.isEmpty());
  EXPECT_TRUE(screens.first().contains(w.form1.pos())) << w.form1.x() << "," << w.form1.y();
  EXPECT_TRUE(screens.first().contains(w.form5.pos())) << w.form5.x() << "," << w.form5.y();
}

// The close composes every value and replaces the file once: a read-only
// file stays whole and the content it would have got comes back whole; a
// value the file cannot hold costs none of the others.
TEST_F(StoredSettingsTest, OnePassWriteKeepsTheFileWholeOrStoresEveryStorableValue) {
  writeBytes(path(), "[memo]\r\nedit1.text=x\r\n");
  makeReadOnly(path());
  Windows w;
  readAll(w);
  EXPECT_EQ(w.edits[0]->text(), u"x"_s) << "reads still work";
  w.edits[1]->setText(u"新しい番号"_s);
  const ss::WriteOutcome readOnly = ss::writeAll(ini_, w.mainFields, w.dialogFields);
  EXPECT_EQ(readBytes(path()), "[memo]\r\nedit1.text=x\r\n");
  ASSERT_TRUE(readOnly.unsaved.has_value());
  EXPECT_EQ(readOnly.unsaved->reason, u"ファイルが読み取り専用です"_s);
  EXPECT_TRUE(readOnly.unsaved->content.contains("edit2.text=\x90\x56\x82\xb5\x82\xa2\x94\xd4\x8d\x86\r\n"));
  EXPECT_TRUE(readOnly.unsaved->content.contains("[URL]\r\nedit6.text="));

  QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  w.mainFields.memo[2].get = [] { return u"東京\n[evil]"_s; };
  w.dialogFields.jyu[0].get = [] { return u"区長\U0001F600"_s; };
  const ss::WriteOutcome refused = ss::writeAll(ini_, w.mainFields, w.dialogFields);
  EXPECT_FALSE(refused.unsaved.has_value());
  EXPECT_EQ(refused.refused, (QStringList{u"memo/edit3.text"_s, u"jyu/edit1.text"_s}));
  Windows next;
  readAll(next);
  EXPECT_EQ(next.edits[1]->text(), u"新しい番号"_s);
  EXPECT_EQ(next.edits[7]->text(), w.edits[7]->text()) << "values after a refused one are stored";
}

TEST(WindowOnScreen, KeepsAReachableWindowAndBringsBackAnUnreachableOne) {
  const QList<QRect> one{QRect(0, 0, 1920, 1040)};
  EXPECT_EQ(kopira::placeOnScreens(QRect(50, 50, 770, 700), one), QPoint(50, 50));
  EXPECT_EQ(kopira::placeOnScreens(QRect(1700, 900, 770, 700), one), QPoint(1700, 900)) << "half off is the user's choice";
  EXPECT_EQ(kopira::placeOnScreens(QRect(5000, 3000, 770, 700), one), QPoint(1150, 340));
  EXPECT_EQ(kopira::placeOnScreens(QRect(100, -300, 770, 700), one), QPoint(100, 0)) << "title bar above the screen";
  EXPECT_EQ(kopira::placeOnScreens(QRect(-900, 20, 770, 700), QList<QRect>{QRect(0, 0, 600, 500)}), QPoint(0, 0))
      << "a window larger than the screen goes to its corner";
  EXPECT_EQ(kopira::placeOnScreens(QRect(7, 8, 770, 700), {}), QPoint(7, 8));
}

TEST(WindowOnScreen, SeveralScreens) {
  const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 200, 1280, 1024)};
  EXPECT_EQ(kopira::placeOnScreens(QRect(2000, 300, 770, 700), two), QPoint(2000, 300));
  EXPECT_EQ(kopira::placeOnScreens(QRect(2000, 50, 770, 700), two), QPoint(2000, 200))
      << "above the second screen, beside nothing of the first";
  EXPECT_EQ(kopira::placeOnScreens(QRect(4000, 600, 770, 700), two), QPoint(2430, 524)) << "the nearest screen";
}

}  // namespace
