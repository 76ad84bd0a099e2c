// The one file writer: a save leaves the file what it was (owner, group,
// mode, attributes, other names) for everyone who shares it, saves a link
// through to its target, and a start clears what a killed save left.
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

#include "platform/file_replace.h"

namespace fr = kopira::file_replace;

namespace {

QByteArray readBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

struct stat statOf(const QString& path) {
  struct stat st {};
  EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
  return st;
}

QByteArray attribute(const QString& path) {
  char value[64] = {};
  const ssize_t size = ::getxattr(QFile::encodeName(path).constData(), "user.kopira", value, sizeof value);
  return size < 0 ? QByteArray() : QByteArray(value, size);
}

QStringList entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

// replace() in a child process running as uid/gid: 0 when saved, else the
// failure's number plus one.
int replaceAs(uid_t uid, gid_t gid, const QString& path, const QByteArray& bytes) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) ::_exit(100);
    const std::optional<fr::Failure> failure = fr::replace(path, bytes);
    ::_exit(failure ? 1 + static_cast<int>(*failure) : 0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

class FileReplaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "owners and a second user need root";
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    user_ = nobody->pw_uid;
    userGroup_ = nobody->pw_gid;
    ASSERT_TRUE(QFile::setPermissions(dir_.path(), QFile::Permissions(0x7777)));
  }
  QString path(const QString& name) const { return dir_.filePath(name); }

  QTemporaryDir dir_;
  uid_t user_ = 0;
  gid_t userGroup_ = 0;
};

// Saved by root or by an unprivileged user, the file keeps its owner, group,
// mode and attributes; where a new file could not be given them, or other
// names share the file, the save writes into the file itself.
TEST_F(FileReplaceTest, SaveKeepsOwnerGroupModeAndAttributes) {
  struct Case {
    const char* what;
    bool userOwnsFile;  // else root owns it
    bool groupIsUsers;  // else root's group
    mode_t mode;
    bool userSaves;     // else root saves
    bool secondName;    // a hard link beside it
    bool sameFile;      // the file is written in place
  };
  const Case cases[] = {
      {"root saves a user's file", true, true, 0640, false, false, false},
      {"a user saves a group's file they may write", false, true, 0664, true, false, true},
      {"a user saves root's file that anyone may write", false, false, 0666, true, false, true},
      {"root saves a file with a second name", false, false, 0644, false, true, true},
      {"root saves its own file", false, false, 0600, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString file = path(QStringLiteral("kopiralog.txt"));
    writeBytes(file, "old content, longer than the new one");
    ASSERT_EQ(::chown(QFile::encodeName(file).constData(), c.userOwnsFile ? user_ : 0, c.groupIsUsers ? userGroup_ : 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), c.mode), 0);
    const bool attributes = ::setxattr(QFile::encodeName(file).constData(), "user.kopira", "kept", 4, 0) == 0;
    if (c.secondName) {
      ASSERT_EQ(::link(QFile::encodeName(file).constData(), QFile::encodeName(path(QStringLiteral("second"))).constData()), 0);
    }
    const struct stat before = statOf(file);

    const int result = c.userSaves ? replaceAs(user_, userGroup_, file, "new") : (fr::replace(file, "new") ? 1 : 0);
    ASSERT_EQ(result, 0);

    const struct stat after = statOf(file);
    EXPECT_EQ(readBytes(file), "new");
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_ino == before.st_ino, c.sameFile);
    if (attributes) {
      EXPECT_EQ(attribute(file), "kept");
    }
    if (c.secondName) {
      EXPECT_EQ(readBytes(path(QStringLiteral("second"))), "new");
      QFile::remove(path(QStringLiteral("second")));
    }
    EXPECT_EQ(entries(dir_.path()), QStringList{QStringLiteral("kopiralog.txt")}) << "nothing may stay beside it";
    QFile::remove(file);
  }
}

// A link to a file on another file system: the target takes the content and
// keeps its owner; the link stays a link; nothing is left in either folder.
TEST_F(FileReplaceTest, LinkToAnotherFileSystemIsSavedThroughToItsTarget) {
  const QString mountPoint = path(QStringLiteral("share"));
  ASSERT_TRUE(QDir().mkpath(mountPoint));
  const QByteArray target = QFile::encodeName(mountPoint);
  if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "mounting a tmpfs was refused (" << std::strerror(errno) << ")";
  const std::unique_ptr<const char, int (*)(const char*)> unmount(target.constData(), ::umount);
  const QString shared = mountPoint + QStringLiteral("/log.txt");
  writeBytes(shared, "old");
  ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), user_, userGroup_), 0);
  const QString link = path(QStringLiteral("kopiralog.txt"));
  ASSERT_TRUE(QFile::link(shared, link));

  ASSERT_EQ(fr::replace(link, "new"), std::nullopt);
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(readBytes(shared), "new");
  EXPECT_EQ(statOf(shared).st_uid, user_);
  EXPECT_EQ(entries(mountPoint), QStringList{QStringLiteral("log.txt")});
  EXPECT_EQ(entries(dir_.path()), QStringList({QStringLiteral("kopiralog.txt"), QStringLiteral("share")}));
}

// What a killed save leaves: a whole copy of the old content beside a file
// cut short is put back; temporary files are removed unless a running save
// holds them, also those of the texts kept when a file could not be saved.
TEST_F(FileReplaceTest, StartClearsWhatAKilledSaveLeft) {
  const QString file = path(QStringLiteral("Kopira.ini"));
  writeBytes(file, "new cont");  // cut short
  writeBytes(path(QStringLiteral("Kopira.ini.kopira-old")), "[memo]\r\nold\r\n");
  writeBytes(path(QStringLiteral("Kopira.ini.kopira-tmp-Ab3xYz")), "dead");
  writeBytes(path(QStringLiteral("Kopira.ini.kopira-tmp-Live01")), "running");
  const int live = ::open(QFile::encodeName(path(QStringLiteral("Kopira.ini.kopira-tmp-Live01"))).constData(), O_RDWR);
  ASSERT_EQ(::flock(live, LOCK_EX), 0);
  const ino_t identity = statOf(file).st_ino;

  fr::removeStrayTemporaries(file);
  EXPECT_EQ(readBytes(file), "[memo]\r\nold\r\n");
  EXPECT_EQ(statOf(file).st_ino, identity) << "put back into the file itself";
  EXPECT_EQ(entries(dir_.path()), QStringList({QStringLiteral("Kopira.ini"), QStringLiteral("Kopira.ini.kopira-tmp-Live01")}));
  ::close(live);
  fr::removeStrayTemporaries(file);
  EXPECT_EQ(entries(dir_.path()), QStringList{QStringLiteral("Kopira.ini")});

  // The folder of unsaved texts holds files of any name.
  const QString unsaved = path(QStringLiteral("unsaved"));
  ASSERT_TRUE(fr::makeFolder(unsaved));
  writeBytes(unsaved + QStringLiteral("/20261209-103000-kopiralog.txt"), "kept");
  writeBytes(unsaved + QStringLiteral("/20261209-103000-Kopira.ini.kopira-tmp-Zz9Yy8"), "dead");
  fr::removeStrayTemporariesIn(unsaved);
  EXPECT_EQ(entries(unsaved), QStringList{QStringLiteral("20261209-103000-kopiralog.txt")});
}

}  // namespace
