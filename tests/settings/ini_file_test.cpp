// The INI file layer: how values are found and read, and how writes change
// exactly one line of the file (or add one) and nothing else.
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "settings/ini_error.h"
#include "ini_test_dir.h"

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  QString read(const QByteArray& content, const QString& section, const QString& key, const QString& def = "DEF") {
    return TIniFile(dir.write("t.ini", content)).ReadString(section, key, def);
  }
  // Writes one value into a file holding `before`; returns the file after.
  QByteArray afterWrite(const QByteArray& before, const QString& section, const QString& key, const QString& value) {
    TIniFile file(dir.write("t.ini", before));
    file.WriteString(section, key, value);
    return dir.read("t.ini");
  }

  IniTestDir dir;
};

TEST_F(IniFileTest, ReadsTrimmedUnquotedValues) {
  const QByteArray content =
      "[memo]\r\n"
      "  plain =  a  b  \r\n"
      "dq=\"  inner  \"\r\n"
      "sq=' x '\r\n"
      "lone=\"\r\n"
      "mixed=\"abc'\r\n"
      "empty=\r\n"
      "eq=b=c\r\n"
      "nokey\r\n"
      "\tfull=\x81\x40x\x81\x40\r\n";
  EXPECT_EQ(read(content, "memo", "plain"), "a  b");
  EXPECT_EQ(read(content, "memo", "dq"), "  inner  ");
  EXPECT_EQ(read(content, "memo", "sq"), " x ");
  EXPECT_EQ(read(content, "memo", "lone"), "\"");
  EXPECT_EQ(read(content, "memo", "mixed"), "\"abc'");
  EXPECT_EQ(read(content, "memo", "empty"), "");
  EXPECT_EQ(read(content, "memo", "eq"), "b=c");
  EXPECT_EQ(read(content, "memo", "nokey"), "DEF");
  EXPECT_EQ(read(content, "memo", "full"), QStringLiteral("\u3000x\u3000"));  // the full-width space is no blank
  EXPECT_EQ(read(content, " memo ", " plain "), "a  b");
}

TEST_F(IniFileTest, MatchesNamesAsciiCaseInsensitivelyPerCharacter) {
  // 0x83 0x41 and 0x83 0x61 are two katakana whose trail bytes are 'A' and 'a'.
  const QByteArray content = "[ Memo ]\r\nEdit1.Text=x\r\n[\x83\x41]\r\nk=kana\r\n";
  EXPECT_EQ(read(content, "MEMO", "edit1.text"), "x");
  EXPECT_EQ(read(content, QStringLiteral("ア"), "K"), "kana");
  EXPECT_EQ(read(content, QStringLiteral("ヂ"), "k"), "DEF");
  EXPECT_EQ(read(content, "memo", "edit1 .text"), "DEF");
}

TEST_F(IniFileTest, FirstDuplicateWinsAndSectionNamesEndAtTheLastBracket) {
  const QByteArray content =
      "k=before any section\r\n"
      "[a]\r\nk=1\r\nk=2\r\n"
      "[A]\r\nk=3\r\nonly=4\r\n"
      "[b]c]\r\nk=5\r\n"
      "[\x83\x5d]\r\nk=6\r\n";  // a name whose trail byte is ']'
  EXPECT_EQ(read(content, "a", "k"), "1");
  EXPECT_EQ(read(content, "a", "only"), "DEF");
  EXPECT_EQ(read(content, "b]c", "k"), "5");
  EXPECT_EQ(read(content, QStringLiteral("ゾ"), "k"), "6");
  EXPECT_EQ(afterWrite(content, "A", "k", "9"), QByteArray(content).replace("k=1", "k=9"));
}

TEST_F(IniFileTest, DefaultLosesTrailingSpacesAndQuotes) {
  EXPECT_EQ(read("", "s", "k", "  lead and trail  "), "  lead and trail");
  EXPECT_EQ(read("", "s", "k", "\" kept \""), " kept ");
  EXPECT_EQ(read("[s]\r\n", "s", "k", QString()), "");
}

TEST_F(IniFileTest, LongValuesAreCutAt2047BytesWithoutSplittingACharacter) {
  const QByteArray ascii(3000, 'x');
  EXPECT_EQ(read("[s]\r\nk=" + ascii + "\r\n", "s", "k"), QString(2047, u'x'));
  // 2046 single bytes, then double-byte characters: the one at 2046..2047
  // would be split, so the value stops after 2046 bytes.
  QByteArray split(2046, 'a');
  split += "\x93\x8c\x8b\x9e";
  EXPECT_EQ(read("[s]\r\nk=" + split + "\r\n", "s", "k"), QString(2046, u'a'));
  EXPECT_EQ(read("", "s", "k", QString(2046, u'a') + QStringLiteral("東京")), QString(2046, u'a'));
  // A 1 MB line is read (and cut) like any other.
  const QByteArray huge = "[s]\r\nbig=" + QByteArray(1 << 20, 'y') + "\r\nafter=ok\r\n";
  EXPECT_EQ(read(huge, "s", "big").size(), 2047);
  EXPECT_EQ(read(huge, "s", "after"), "ok");
}

TEST_F(IniFileTest, NewFileSectionAndKeyAreAddedInPlace) {
  TIniFile file(dir.path("new.ini"));
  file.WriteString("S", "key", QStringLiteral("値"));
  EXPECT_EQ(dir.read("new.ini"), "[S]\r\nkey=\x92\x6c\r\n");
  file.WriteString("s", "second", "2");
  file.WriteString("T", "k", "t");
  EXPECT_EQ(dir.read("new.ini"), "[S]\r\nkey=\x92\x6c\r\nsecond=2\r\n[T]\r\nk=t\r\n");

  // A new key goes after the section's last line, before the blank lines
  // that part it from the next section.
  EXPECT_EQ(afterWrite("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "a", "z", "3"), "[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n");
  // A last line without a line break gets one before anything is added.
  EXPECT_EQ(afterWrite("[a]\r\nx=1", "a", "z", "3"), "[a]\r\nx=1\r\nz=3\r\n");
  EXPECT_EQ(afterWrite("; note", "b", "y", "2"), "; note\r\n[b]\r\ny=2\r\n");
}

TEST_F(IniFileTest, ReplacingKeepsSpellingAndEveryOtherByte) {
  const QByteArray before = "; comment\n[Memo]\r\n  Edit1.Text = old  \r\nlf=only\n\r\n[x]\r\n";
  EXPECT_EQ(afterWrite(before, "memo", "edit1.text", "  new  "), "; comment\n[Memo]\r\nEdit1.Text=new  \r\nlf=only\n\r\n[x]\r\n");
  EXPECT_EQ(afterWrite(before, "memo", "lf", "changed"), QByteArray(before).replace("lf=only\n", "lf=changed\n"));
  EXPECT_EQ(TIniFile(dir.path("t.ini")).ReadString("memo", "lf", "DEF"), "changed");
}

TEST_F(IniFileTest, WritingTheStoredValueLeavesTheFileUntouched) {
  const QString path = dir.write("t.ini", "[s]\r\nk = same \r\n");
  QFile::setPermissions(path, QFileDevice::ReadOwner);  // any real write would now fail
  TIniFile file(path);
  EXPECT_NO_THROW(file.WriteString("S", "K", "  same"));
  EXPECT_THROW(file.WriteString("s", "k", "other"), EIniWriteError);
  EXPECT_EQ(dir.read("t.ini"), "[s]\r\nk = same \r\n");
}

TEST_F(IniFileTest, DamagedFilesReadSensiblyAndKeepTheirBytesOnWrite) {
  QByteArray garbage;
  for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 131 + 7) % 256));
  const QByteArray bad =
      "\xEF\xBB\xBF[bom]\r\nk=bom\r\n"     // the BOM belongs to the first line
      "[s]\n"                               // LF only
      "bad=\x80\xFF\x81\r\n"                // not Shift-JIS
      "ok=\x93\x8c\r\n" +
      garbage + "\r\n";
  for (const QByteArray& content : {garbage, bad, QByteArray("\0\0[s]\0=\0\r\n", 11)}) {
    const QString value = read(content, "s", "ok");
    EXPECT_TRUE(value == "DEF" || value == QStringLiteral("東")) << value.toStdString();
    const QByteArray after = afterWrite(content, "new", "k", "v");
    EXPECT_TRUE(after.startsWith(content));
    EXPECT_EQ(TIniFile(dir.path("t.ini")).ReadString("new", "k", "DEF"), "v");
  }
  EXPECT_EQ(read(bad, "bom", "k"), "DEF");
  EXPECT_EQ(read(bad, "s", "ok"), QStringLiteral("東"));
  EXPECT_TRUE(read(bad, "s", "bad").contains(QChar(0xFFFD)));
  EXPECT_EQ(afterWrite(bad, "s", "ok", "x"), QByteArray(bad).replace("ok=\x93\x8c", "ok=x"));
}

// Files whose lines end in a lone CR read like CR LF files; a write changes
// the line in place and adds lines with the file's own break.
TEST_F(IniFileTest, CrOnlyFilesAreReadAndEditedInPlace) {
  const QByteArray cr = "[memo]\rk=v\r[form]\rtop=7\r";
  EXPECT_EQ(read(cr, "memo", "k"), "v");
  EXPECT_EQ(read(cr, "form", "top"), "7");
  EXPECT_EQ(afterWrite(cr, "memo", "k", "w"), "[memo]\rk=w\r[form]\rtop=7\r");
  EXPECT_EQ(afterWrite(cr, "form", "left", "3"), "[memo]\rk=v\r[form]\rtop=7\rleft=3\r");
  EXPECT_EQ(afterWrite("[s]\rk=v", "new", "a", "b"), "[s]\rk=v\r[new]\ra=b\r");
  EXPECT_EQ(afterWrite("[s]\nk=v\n", "s", "a", "b"), "[s]\nk=v\na=b\r\n") << "LF files get CR LF lines as before";
}

// Batched writes reach the file as one replacement, or not at all.
TEST_F(IniFileTest, UpdateWritesOnceOrLeavesTheFileWhole) {
  const QString path = dir.write("t.ini", "[s]\r\nk=v\r\n");
  TIniFile file(path);
  file.BeginUpdate();
  file.WriteString("s", "k", "w");
  file.WriteString("t", "a", "b");
  EXPECT_EQ(dir.read("t.ini"), "[s]\r\nk=v\r\n") << "nothing is written before the end";
  EXPECT_FALSE(file.EndUpdate().has_value());
  EXPECT_EQ(dir.read("t.ini"), "[s]\r\nk=w\r\n[t]\r\na=b\r\n");

  QFile::setPermissions(path, QFileDevice::ReadOwner);
  file.BeginUpdate();
  file.WriteString("s", "k", "x");
  const std::optional<kopira::file_replace::Unsaved> unsaved = file.EndUpdate();
  ASSERT_TRUE(unsaved.has_value());
  EXPECT_EQ(unsaved->content, "[s]\r\nk=x\r\n[t]\r\na=b\r\n");
  EXPECT_EQ(dir.read("t.ini"), "[s]\r\nk=w\r\n[t]\r\na=b\r\n");
  EXPECT_EQ(file.ReadString("s", "k", "DEF"), "w") << "after a failed update reads show the disk";

  // A folder where the file should be is never replaced; the values are
  // composed on an empty file for the caller to keep.
  QDir(dir.folder()).mkdir("folder.ini");
  TIniFile folder(dir.path("folder.ini"));
  folder.BeginUpdate();
  folder.WriteString("s", "k", "v");
  const std::optional<kopira::file_replace::Unsaved> notAFile = folder.EndUpdate();
  ASSERT_TRUE(notAFile.has_value());
  EXPECT_EQ(notAFile->content, "[s]\r\nk=v\r\n");
  EXPECT_TRUE(QFileInfo(dir.path("folder.ini")).isDir());
}

// A value whose bytes are not CP932 is only written over after a copy of
// the whole file was kept aside; writing other values needs no copy.
TEST_F(IniFileTest, UpdateOverBytesThatAreNotCp932KeepsACopyFirst) {
  const QByteArray original = "[jyu]\r\nedit1.text=\x90\xe7\x81\r\nedit2.text=b\r\n;\x81\r\n";
  const QString path = dir.write("t.ini", original);
  TIniFile file(path);
  file.BeginUpdate();
  file.WriteString("jyu", "edit2.text", "c");
  EXPECT_FALSE(file.EndUpdate().has_value());
  EXPECT_TRUE(file.KeptAside().isEmpty());

  const QByteArray before = dir.read("t.ini");
  file.BeginUpdate();
  file.WriteString("jyu", "edit1.text", QStringLiteral("千"));
  EXPECT_FALSE(file.EndUpdate().has_value());
  ASSERT_FALSE(file.KeptAside().isEmpty());
  EXPECT_TRUE(QFileInfo(file.KeptAside()).fileName().startsWith("t.ini.")) << file.KeptAside().toStdString();
  EXPECT_TRUE(file.KeptAside().endsWith(".bak"));
  EXPECT_EQ(dir.read(QFileInfo(file.KeptAside()).fileName()), before);
  EXPECT_EQ(dir.read("t.ini"), "[jyu]\r\nedit1.text=\x90\xe7\r\nedit2.text=c\r\n;\x81\r\n");
}

// A file changed on disk by someone else is read again; an unchanged one
// is served from memory.
TEST_F(IniFileTest, FileChangedOnDiskIsReadAgain) {
  TIniFile file(dir.write("t.ini", "[s]\r\nk=one\r\n"));
  EXPECT_EQ(file.ReadString("s", "k", "DEF"), "one");
  dir.write("t.ini", "[s]\r\nk=second\r\n");
  EXPECT_EQ(file.ReadString("s", "k", "DEF"), "second");
  QFile::remove(dir.path("t.ini"));
  EXPECT_EQ(file.ReadString("s", "k", "DEF"), "DEF");
}

TEST_F(IniFileTest, TextsThatCannotBeStoredAreRefused) {
  const QByteArray before = "[s]\r\nk=v\r\n";
  const QString path = dir.write("t.ini", before);
  TIniFile file(path);
  EXPECT_THROW(file.WriteString("s", "k", QStringLiteral("a\r\n[evil]")), EIniWriteError);
  EXPECT_THROW(file.WriteString("s", "k", QStringLiteral("¥😀")), EIniWriteError);
  EXPECT_THROW(file.WriteString("s", "a=b", "v"), EIniWriteError);
  EXPECT_THROW(file.WriteString("s", "[x]", "v"), EIniWriteError);
  EXPECT_THROW(file.WriteString("s\nt", "k", "v"), EIniWriteError);
  EXPECT_EQ(dir.read("t.ini"), before);
  EXPECT_EQ(file.ReadString(QStringLiteral("😀"), "k", "DEF"), "DEF");
}

TEST_F(IniFileTest, ReadOnlyFileOrFolderRefusesWritesButStillReads) {
  // Judged by the permission bits, so this holds for the superuser too.
  const QByteArray before = "[s]\r\nk=v\r\n";
  const QString path = dir.write("t.ini", before);
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
  TIniFile file(path);
  EXPECT_THROW(file.WriteString("s", "k", "new"), EIniWriteError);
  EXPECT_EQ(dir.read("t.ini"), before);
  EXPECT_EQ(file.ReadString("s", "k", "DEF"), "v");

  IniTestDir folder;
  QFile::setPermissions(folder.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  EXPECT_THROW(TIniFile(folder.path("x.ini")).WriteString("s", "k", "v"), EIniWriteError);
  EXPECT_FALSE(QFileInfo::exists(folder.path("x.ini")));
  QFile::setPermissions(folder.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

  EXPECT_THROW(TIniFile(dir.path("missing/x.ini")).WriteString("s", "k", "v"), EIniWriteError);
  EXPECT_THROW(TIniFile(QString()).WriteString("s", "k", "v"), EIniWriteError);
}

TEST_F(IniFileTest, WriteKeepsPermissionsAndLeavesNoTemporaryFiles) {
  const QString path = dir.write("t.ini", "[s]\r\nk=v\r\n");
  const auto perms = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
  QFile::setPermissions(path, perms);
  TIniFile(path).WriteString("s", "k", "w");
  EXPECT_EQ(QFileInfo(path).permissions() & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), perms);
  EXPECT_EQ(QDir(dir.folder()).entryList(QDir::Files), QStringList{"t.ini"});
}

TEST_F(IniFileTest, PathsThatAreNoUsableFileGiveDefaultsAndRefuseWrites) {
  QDir(dir.folder()).mkdir("folder.ini");
  TIniFile folder(dir.path("folder.ini"));
  EXPECT_EQ(folder.ReadString("s", "k", "DEF"), "DEF");
  EXPECT_THROW(folder.WriteString("s", "k", "v"), EIniWriteError);

  // Too large to be a settings file: never loaded, never replaced.
  QByteArray big = "[s]\r\nk=v\r\n";
  big += QByteArray(17 * 1024 * 1024, ' ');
  TIniFile huge(dir.write("huge.ini", big));
  EXPECT_EQ(huge.ReadString("s", "k", "DEF"), "DEF");
  EXPECT_THROW(huge.WriteString("s", "k2", "v"), EIniWriteError);
  EXPECT_EQ(QFileInfo(dir.path("huge.ini")).size(), big.size());
}

}  // namespace
