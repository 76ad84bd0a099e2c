// Whole text files in CP932 with CR LF: loading, saving, keeping aside.
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "app/files/text_file.h"
#include "persist_support.h"

using namespace Qt::StringLiterals;
namespace tf = kopira::text_file;
using kopira::file_replace::Failure;
using kopira::testing::makeReadOnly;
using kopira::testing::readBytes;
using kopira::testing::writeBytes;

namespace {

class TextFileTest : public ::testing::Test {
 protected:
  QString path(const QString& name = QStringLiteral("kopiralog.txt")) const { return dir_.filePath(name); }
  QStringList entries() const { return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
  QTemporaryDir dir_;
};

const QByteArray kTokyoLines("\x93\x8c\x8b\x9e\r\n\x82\x50\x82\x51");  // 東京 CR LF １２

TEST(TextFileBreaks, EveryLoneCrOrLfBecomesCrLf) {
  EXPECT_EQ(tf::toCrLfBreaks(u"a\nb\rc\r\nd"_s), u"a\r\nb\r\nc\r\nd"_s);
  EXPECT_EQ(tf::toCrLfBreaks(u"a\r\r\nb\n\n"_s), u"a\r\n\r\nb\r\n\r\n"_s);
  EXPECT_EQ(tf::toCrLfBreaks(u"\r"_s), u"\r\n"_s);
  EXPECT_EQ(tf::toCrLfBreaks(u"no break"_s), u"no break"_s);
}

TEST_F(TextFileTest, LoadsCp932WithItsBreaksMadeCrLf) {
  writeBytes(path(), QByteArray("\x93\x8c\x8b\x9e\n\x82\x50\r\x82\x51"));
  const tf::LoadResult loaded = tf::load(path());
  ASSERT_TRUE(loaded.ok());
  EXPECT_EQ(loaded.text, u"東京\r\n１\r\n２"_s);
}

TEST_F(TextFileTest, SavesByteForByte) {
  ASSERT_EQ(tf::save(path(), u"東京\r\n１２"_s), std::nullopt);
  EXPECT_EQ(readBytes(path()), kTokyoLines);
  ASSERT_EQ(tf::save(path(), u"東京\n１２\n"_s), std::nullopt);
  EXPECT_EQ(readBytes(path()), kTokyoLines + "\r\n");
  ASSERT_EQ(tf::save(path(), QString()), std::nullopt);
  EXPECT_TRUE(QFileInfo::exists(path()));
  EXPECT_EQ(QFileInfo(path()).size(), 0);
  EXPECT_EQ(entries(), QStringList{u"kopiralog.txt"_s}) << "no temporary file may stay behind";
}

TEST_F(TextFileTest, LoadThenSaveGivesTheSameBytes) {
  writeBytes(path(), kTokyoLines + "\r\n\xb1\xb2 ABC");  // half-width ｱｲ
  const tf::LoadResult loaded = tf::load(path());
  ASSERT_TRUE(loaded.ok());
  ASSERT_EQ(tf::save(path(QStringLiteral("copy.txt")), loaded.text), std::nullopt);
  EXPECT_EQ(readBytes(path(QStringLiteral("copy.txt"))), readBytes(path()));
}

TEST_F(TextFileTest, TextWithoutCp932FormIsRefusedAndTheFileKept) {
  writeBytes(path(), kTokyoLines);
  EXPECT_EQ(tf::save(path(), u"東京 \U0001F600"_s), Failure::NoCp932Form);
  EXPECT_EQ(tf::save(path(), u"caf\u00e9"_s), Failure::NoCp932Form);
  EXPECT_EQ(readBytes(path()), kTokyoLines);
  EXPECT_FALSE(readBytes(path()).contains("\xfc\xfc"));
}

TEST_F(TextFileTest, ReadOnlyFileStaysUntouched) {
  writeBytes(path(), kTokyoLines);
  makeReadOnly(path());
  EXPECT_EQ(tf::save(path(), u"new"_s), Failure::ReadOnlyFile);
  EXPECT_EQ(readBytes(path()), kTokyoLines);
  EXPECT_TRUE(tf::load(path()).ok()) << "a read-only file still loads";
}

TEST_F(TextFileTest, FolderInPlaceOfTheFile) {
  ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("kopiralog.txt")));
  EXPECT_EQ(tf::load(path()).status, tf::LoadStatus::NotAFile);
  EXPECT_EQ(tf::save(path(), u"x"_s), Failure::NotAFile);
  EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(TextFileTest, PipeInPlaceOfTheFileDoesNotHang) {
  ASSERT_EQ(::mkfifo(path().toLocal8Bit().constData(), 0644), 0);
  EXPECT_EQ(tf::load(path()).status, tf::LoadStatus::NotAFile);
  EXPECT_EQ(tf::save(path(), u"x"_s), Failure::NotAFile);
}

TEST_F(TextFileTest, MissingFileAndMissingFolder) {
  EXPECT_EQ(tf::load(path()).status, tf::LoadStatus::Missing);
  EXPECT_EQ(tf::save(dir_.filePath(QStringLiteral("gone/kopiralog.txt")), u"x"_s), Failure::MissingFolder);
}

TEST_F(TextFileTest, BytesThatAreNotCp932AreRefused) {
  for (const QByteArray& bad : {QByteArray("ok\x81\x7f"), QByteArray("truncated \x93")}) {
    writeBytes(path(), bad);
    EXPECT_EQ(tf::load(path()).status, tf::LoadStatus::NotCp932) << bad.toHex().toStdString();
  }
}

TEST_F(TextFileTest, SizeLimit) {
  const QByteArray line = QByteArray("\x93\x8c\x8b\x9e", 4).repeated(24) + "\r\n";  // 98 bytes
  const QByteArray tenMegabytes = line.repeated(10 * 1024 * 1024 / line.size());
  writeBytes(path(), tenMegabytes);
  const tf::LoadResult loaded = tf::load(path());
  ASSERT_TRUE(loaded.ok());
  EXPECT_EQ(loaded.text.size(), tenMegabytes.size() / line.size() * 50);

  writeBytes(path(), QByteArray(tf::kMaxBytes + 1, 'a'));
  EXPECT_EQ(tf::load(path()).status, tf::LoadStatus::TooLarge);
}

// A real file system that fills up: the old file stays byte for byte, the
// failure is told as a full disk and no temporary file is left behind.
TEST_F(TextFileTest, FullDiskLeavesTheOldFileWhole) {
  const QString mountPoint = dir_.filePath(QStringLiteral("small"));
  ASSERT_TRUE(QDir().mkpath(mountPoint));
  const QByteArray target = QFile::encodeName(mountPoint);
  if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "mounting a 64 KiB tmpfs was refused (" << std::strerror(errno) << "); run as root";
  const std::unique_ptr<const char, int (*)(const char*)> unmount(target.constData(), ::umount);
  const QString file = mountPoint + QStringLiteral("/kopiralog.txt");
  writeBytes(file, kTokyoLines);
  writeBytes(mountPoint + QStringLiteral("/filler"), QByteArray(64 * 1024, 'x'));  // takes what is left
  const QString longer = QString(u"東京\r\n"_s).repeated(8000);
  EXPECT_EQ(tf::save(file, longer), Failure::DiskFull);
  EXPECT_EQ(readBytes(file), kTokyoLines);
  EXPECT_EQ(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden), QStringList({u"filler"_s, u"kopiralog.txt"_s}));
}

// Temporary files that a killed save left beside its file are removed, and
// nothing else is: not another file's, not a name that only looks alike.
TEST_F(TextFileTest, StrayTemporariesOfASaveAreRemoved) {
  const QStringList stray{u"kopiralog.txt.kopira-tmp-Ab3xYz"_s, u"kopiralog.txt.kopira-tmp-000000"_s};
  const QStringList kept{u"kopiralog.txt"_s, u"kopiralog.txt.kopira-tmp-Ab3xY"_s, u"kopiralog.txt.kopira-tmp-Ab3xYz1"_s,
                         u"kopiralog.txt.vtJfIL"_s, u"memo2.txt.kopira-tmp-Ab3xYz"_s, u"kopiralog.txt.kopira-tmp-Ab3-Yz"_s};
  for (const QString& name : stray + kept) writeBytes(path(name), "x");
  kopira::file_replace::removeStrayTemporaries(path());
  QStringList expected = kept;
  expected.sort();
  EXPECT_EQ(entries(), expected);
}

TEST_F(TextFileTest, KeepAsideCopiesUnderADatedNameAndNeverOverwrites) {
  const QDateTime when(QDate(2026, 12, 8), QTime(17, 15, 0));
  writeBytes(path(), "first");
  const QString kept = kopira::file_replace::keepAside(path(), when).path;
  EXPECT_EQ(QFileInfo(kept).fileName(), u"kopiralog.txt.20261208-171500.bak"_s);
  EXPECT_EQ(readBytes(path()), "first") << "the file itself stays";

  writeBytes(path(), "second");
  const QString keptAgain = kopira::file_replace::keepAside(path(), when).path;
  EXPECT_EQ(QFileInfo(keptAgain).fileName(), u"kopiralog.txt.20261208-171500-2.bak"_s);
  EXPECT_EQ(readBytes(kept), "first");
  EXPECT_EQ(readBytes(keptAgain), "second");

  QFile::remove(path());
  EXPECT_FALSE(kopira::file_replace::keepAside(path(), when).made()) << "nothing left to copy";
}

}  // namespace
