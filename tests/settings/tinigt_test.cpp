// TIniGT: finding its file, numbers, fences and string lists.
#include "settings/tinigt.h"

#include <gtest/gtest.h>

#include <chrono>

#include "ini_test_dir.h"

namespace {

class TIniGTTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TIniGT::setProgramFilePath(dir.path("kopira"));
    ini.Loaded();
  }
  void TearDown() override { TIniGT::setProgramFilePath(QString()); }

  void store(const QByteArray& content) { dir.write("Kopira.ini", content); }
  QByteArray stored() const { return dir.read("Kopira.ini"); }

  IniTestDir dir;
  TIniGT ini;
};

// Records every Add, as a box's line list raises its change event per Add.
class RecordingList : public TStringList {
 public:
  using TStringList::TStringList;
  void Add(const QString& s) override {
    added << s;
    TStringList::Add(s);
  }
  QStringList added;
};

TEST(TIniGTPath, SettingsFileIsNamedAfterTheProgramFile) {
  for (const QString program : {"/opt/app/FORMS.EXE", "/opt/app/forms.exe", "/opt/app/Forms.Exe"}) {
    TIniGT::setProgramFilePath(program);
    TIniGT ini;
    ini.Loaded();
    EXPECT_EQ(ini.FileName(), "Forms.ini");
    EXPECT_EQ(ini.path(), "/opt/app/Forms.ini");
  }
  TIniGT::setProgramFilePath("/opt/app/kopira");
  TIniGT plain;
  plain.Loaded();
  EXPECT_EQ(plain.path(), "/opt/app/Kopira.ini");
  TIniGT::setProgramFilePath("/opt/app/9LIVES.Exe");
  TIniGT digit;
  digit.Loaded();
  EXPECT_EQ(digit.FileName(), "9lives.ini");
  // A name set by the layout is kept.
  TIniGT named;
  named.setFileName("own.ini");
  named.Loaded();
  EXPECT_EQ(named.path(), "/opt/app/own.ini");
  TIniGT::setProgramFilePath(QString());
}

TEST(TIniGTPath, NamesWithoutAFolderArePlacedByDefaultDir) {
  TIniGT::setProgramFilePath("/opt/app/kopira");
  TIniGT::setWindowsFolder("/win");
  TIniGT ini;
  ini.setFileName("a.ini");
  EXPECT_EQ(ini.path(), "/opt/app/a.ini");
  ini.setDefaultDir(ddWindows);
  EXPECT_EQ(ini.path(), "/win/a.ini");
  ini.setDefaultDir(ddNone);
  EXPECT_EQ(ini.path(), "a.ini");
  for (const QString withFolder : {"/etc/b.ini", "sub\\b.ini", "C:b.ini"}) {
    ini.setDefaultDir(ddApplication);
    ini.setFileName(withFolder);
    EXPECT_EQ(ini.path(), withFolder);
  }
  TIniGT::setProgramFilePath(QString());
  TIniGT::setWindowsFolder(QString());
}

TEST_F(TIniGTTest, NumbersReadInDecimalAndHexOrGiveTheDefault) {
  store("[n]\r\nhex=0x1F\r\nmax=0X7fffffff\r\ndollar=$1f\r\nneg=-2147483648\r\nquoted=\"42\"\r\n"
        "bad=12abc\r\nempty=\r\nx=0x\r\nbig=2147483648\r\nbighex=0x80000000\r\nspace=1 2\r\nplus=+7\r\n");
  EXPECT_EQ(ini.ReadNumber("n", "hex", -1), 31);
  EXPECT_EQ(ini.ReadNumber("n", "max", -1), 2147483647);
  EXPECT_EQ(ini.ReadNumber("n", "dollar", -1), 31);
  EXPECT_EQ(ini.ReadNumber("n", "neg", -1), -2147483647 - 1);
  EXPECT_EQ(ini.ReadNumber("n", "quoted", -1), 42);
  EXPECT_EQ(ini.ReadNumber("n", "plus", -1), 7);
  for (const char* key : {"bad", "empty", "x", "big", "bighex", "space", "missing"}) EXPECT_EQ(ini.ReadNumber("n", key, 50), 50) << key;
  ini.WriteNumber("form", "top", -12);
  EXPECT_EQ(ini.ReadNumber("form", "top", 50), -12);
  EXPECT_TRUE(stored().endsWith("[form]\r\ntop=-12\r\n"));
}

TEST_F(TIniGTTest, FencesAreWrittenAndRemovedAsTheFenceSays) {
  ini.setFence(fnParenthesis);
  ini.WriteText("s", "corner", " a ");
  EXPECT_EQ(stored(), "[s]\r\ncorner=\xA2 a \xA3\r\n");
  EXPECT_EQ(ini.ReadText("s", "corner", "d"), " a ");

  store("[s]\r\nq=\"  x  \"\r\none=\"\r\nc=\xA2 y \xA3\r\nspaced=  z  \r\nkana=\xA2\x82\xA3\r\n");
  ini.setFence(fnNone);
  EXPECT_EQ(ini.ReadText("s", "q", "d"), "  x  ");  // the file layer already removes quotes
  EXPECT_EQ(ini.ReadText("s", "spaced", "d"), "z");
  EXPECT_EQ(ini.ReadText("s", "c", "d"), QStringLiteral("｢ y ｣"));
  ini.setFence(fnDoubleQuote);
  EXPECT_EQ(ini.ReadText("s", "one", "d"), "\"");
  EXPECT_EQ(ini.ReadText("s", "c", "d"), QStringLiteral("｢ y ｣"));
  ini.setFence(fnVer11Mode);
  EXPECT_EQ(ini.ReadText("s", "q", "d"), "  x  ");
  EXPECT_EQ(ini.ReadText("s", "c", "d"), " y ");
  // 0xA2 then "ぅ" (0x82 0xA3): the trail byte 0xA3 is no closing mark.
  EXPECT_EQ(ini.ReadText("s", "kana", "d"), QStringLiteral("｢ぅ"));
  ini.WriteText("s", "new", "v");
  EXPECT_TRUE(stored().endsWith("new=\xA2v\xA3\r\n"));

  // A default comes back unchanged under every fence.
  for (const TIniGTFence fence : {fnDoubleQuote, fnParenthesis, fnVer11Mode, fnNone}) {
    ini.setFence(fence);
    EXPECT_EQ(ini.ReadText("s", "missing", QStringLiteral("東京")), QStringLiteral("東京"));
    EXPECT_EQ(ini.ReadText("s", "missing", ""), "");
  }
}

TEST_F(TIniGTTest, LinesAreStoredUnderCountAndIndexKeys) {
  ini.WriteLines("memo", "memo.lines", TStringList({"one", QStringLiteral("二行目"), "three", "four"}));
  ini.WriteLines("memo", "memo.lines", TStringList({"a", "b"}));
  EXPECT_EQ(stored(),
            "[memo]\r\nmemo.lines.Count=2\r\nmemo.lines.0=a\r\nmemo.lines.1=b\r\nmemo.lines.2=three\r\n"
            "memo.lines.3=four\r\n");
  RecordingList target({"old"});
  ini.ReadLines("memo", "memo.lines", target);
  EXPECT_EQ(target.lines(), QStringList({"a", "b"}));
  EXPECT_EQ(target.added, QStringList({"a", "b"}));
}

TEST_F(TIniGTTest, MissingItemsDefaultToTheTargetsOwnLines) {
  store("[m]\r\nl.Count=3\r\nl.0=first\r\nl.2=third\r\n");
  TStringList longer({"x", "former second", "y", "z"});
  ini.ReadLines("m", "l", longer);
  EXPECT_EQ(longer.lines(), QStringList({"first", "former second", "third"}));
  TStringList shorter({"x"});
  ini.ReadLines("m", "l", shorter);
  EXPECT_EQ(shorter.lines(), QStringList({"first", "", "third"}));
  // No list at all: the target keeps its lines.
  TStringList kept({"p", "q"});
  ini.ReadLines("m", "other", kept);
  EXPECT_EQ(kept.lines(), QStringList({"p", "q"}));
}

TEST_F(TIniGTTest, AbsurdCountsGiveBoundedLists) {
  store("[m]\r\nneg.Count=-3\r\nhuge.Count=2147483647\r\nhuge.0=a\r\nhuge.5=f\r\n");
  TStringList negative({"x"});
  ini.ReadLines("m", "neg", negative);
  EXPECT_EQ(negative.Count(), 0);

  TStringList huge({"x", "y"});
  const auto start = std::chrono::steady_clock::now();
  ini.ReadLines("m", "huge", huge);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  // Bounded by the highest item stored (5): every stored item is read,
  // gaps included, and no billions of empty lines.
  EXPECT_EQ(huge.lines(), QStringList({"a", "y", "", "", "", "f"}));

  // Sparse items past the target's own lines still come back.
  store("[L]\r\nk.Count=3\r\nk.2=v2\r\nk.02=no\r\n");
  TStringList sparse;
  ini.ReadLines("L", "k", sparse);
  EXPECT_EQ(sparse.lines(), QStringList({"", "", "v2"}));
}

TEST_F(TIniGTTest, WritesToAReadOnlyFileRaiseAndReadsStillWork) {
  store("[memo]\r\nedit1.text=\x93\x8c\x8b\x9e\r\n");
  const QByteArray before = stored();
  QFile::setPermissions(dir.path("Kopira.ini"), QFileDevice::ReadOwner);
  EXPECT_THROW(ini.WriteText("memo", "edit1.text", "x"), EIniWriteError);
  EXPECT_THROW(ini.WriteNumber("form", "top", 1), EIniWriteError);
  EXPECT_THROW(ini.WriteLines("memo", "memo.lines", TStringList({"a"})), EIniWriteError);
  EXPECT_EQ(stored(), before);
  EXPECT_EQ(ini.ReadText("memo", "edit1.text", "d"), QStringLiteral("東京"));
}

}  // namespace

// Office defaults: a key the user's file lacks is read from the defaults
// file (lists item by item); the user's keys win; writes go to the user's
// file only.
TEST_F(TIniGTTest, OfficeDefaultsFillKeysTheUsersFileLacks) {
  const QByteArray office = "[memo]\r\nedit1.text=大阪\r\nedit2.text=\"'quoted'\"\r\nmemo.lines.Count=2\r\n"
                            "memo.lines.0=office 0\r\nmemo.lines.1=office 1\r\n[form]\r\ntop=70\r\n";
  const QString officeFile = dir.write("office.ini", office);
  store("[memo]\r\nedit1.text=\r\nmemo.lines.1=own 1\r\n");
  ini.setDefaultsPath(officeFile);

  EXPECT_EQ(ini.ReadText("memo", "edit1.text", "東京"), "");  // present, empty: the user's
  EXPECT_EQ(ini.ReadText("memo", "edit2.text", "x"), "'quoted'");  // unquoted once only
  EXPECT_EQ(ini.ReadText("memo", "edit3.text", "default"), "default");
  EXPECT_EQ(ini.ReadNumber("FORM", "TOP", 50), 70);
  TStringList lines;
  ini.ReadLines("memo", "memo.lines", lines);
  EXPECT_EQ(lines.lines(), (QStringList{"office 0", "own 1"}));

  ini.WriteNumber("form", "top", 90);
  EXPECT_EQ(ini.ReadNumber("form", "top", 50), 90);
  EXPECT_EQ(stored(), "[memo]\r\nedit1.text=\r\nmemo.lines.1=own 1\r\n[form]\r\ntop=90\r\n");
  EXPECT_EQ(dir.read("office.ini"), office);
}
