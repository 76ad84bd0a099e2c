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

// 0 when saved, else the failure's number plus one.
int savedOrFailure(const std::optional<fr::Failure>& failure) { return failure ? 1 + static_cast<int>(*failure) : 0; }

// replace() in a child process running as uid/gid.
int replaceAs(uid_t uid, gid_t gid, const QString& path, const QByteArray& bytes) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) ::_exit(100);
    ::_exit(savedOrFailure(fr::replace(path, bytes)));
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

void makeLink(const QString& target, const QString& link, uid_t owner) {
  ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
  ASSERT_EQ(::lchown(QFile::encodeName(link).constData(), owner, static_cast<gid_t>(-1)), 0);
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
  // A user without an account: in no group, owner of nothing else.
  static constexpr uid_t kStranger = 4242;
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

// A link is saved through only when the user running the program or the
// superuser made it, and so is every link it leads through; any other is
// refused, and nothing is written or kept beside its target.
TEST_F(FileReplaceTest, LinkIsFollowedOnlyWhenTheUserOrTheSuperuserMadeIt) {
  struct Case {
    const char* what;
    bool userSaves;  // else root saves
    uid_t linkOwner;
    uid_t hopOwner;  // a second link on the way, owned by: (none when 1)
    bool hopIsFolder;
    bool saved;
  };
  constexpr uid_t kNone = 1;
  const uid_t user = user_;
  const Case cases[] = {
      {"the user's own link", true, user, kNone, false, true},
      {"the superuser's link", true, 0, kNone, false, true},
      {"another user's link", true, kStranger, kNone, false, false},
      {"a user's link, saved by the superuser", false, user, kNone, false, false},
      {"the user's link to another user's link", true, user, kStranger, false, false},
      {"the user's link through another user's folder link", true, user, kStranger, true, false},
      {"the user's link through the superuser's folder link", true, user, 0, true, true},
  };
  const QString targets = path(QStringLiteral("private"));
  ASSERT_TRUE(QDir().mkpath(targets));
  ASSERT_TRUE(QFile::setPermissions(targets, QFile::Permissions(0x7777)));
  const QString target = targets + QStringLiteral("/notes.txt");
  const QString link = path(QStringLiteral("kopiralog.txt"));
  const QString hop = path(QStringLiteral("hop"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeBytes(target, "private");
    ASSERT_EQ(::chown(QFile::encodeName(target).constData(), user_, userGroup_), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0666), 0);
    if (c.hopOwner == kNone) {
      makeLink(target, link, c.linkOwner);
    } else {
      makeLink(c.hopIsFolder ? targets : target, hop, c.hopOwner);
      makeLink(c.hopIsFolder ? QStringLiteral("hop/notes.txt") : QStringLiteral("hop"), link, c.linkOwner);
    }

    const int result = c.userSaves ? replaceAs(user_, userGroup_, link, "new") : savedOrFailure(fr::replace(link, "new"));
    EXPECT_EQ(result, c.saved ? 0 : savedOrFailure(fr::Failure::UntrustedLink));
    EXPECT_EQ(readBytes(target), c.saved ? "new" : "private");
    EXPECT_EQ(entries(targets), QStringList{QStringLiteral("notes.txt")});
    QFile::remove(link);
    QFile::remove(hop);
  }
}

// A copy of old content left beside a file is put back only when a save of
// that file could have left it: when its owner may write the file.
TEST_F(FileReplaceTest, LeftoverIsPutBackOnlyWhenItsOwnerMayWriteTheFile) {
  struct Case {
    const char* what;
    uid_t copyOwner;  // 0 is the superuser, 1 the user
    uid_t fileOwner;
    bool usersGroup;  // the file's group is the user's, else root's
    mode_t mode;
    bool putBack;
  };
  const uid_t user = user_;
  const Case cases[] = {
      {"the file's owner", user, user, false, 0644, true},
      {"a member of the file's group, which may write it", user, 0, true, 0664, true},
      {"a member of the file's group, which may not write it", user, 0, true, 0644, false},
      {"no member of the file's group", user, 0, false, 0664, false},
      {"anyone, where everyone may write the file", kStranger, 0, false, 0666, true},
      {"the superuser", 0, user, true, 0600, true},
  };
  const QString file = path(QStringLiteral("kopiralog.txt"));
  const QString copy = file + QStringLiteral(".kopira-old");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeBytes(file, "new cont");  // cut short
    writeBytes(copy, "old content");
    ASSERT_EQ(::chown(QFile::encodeName(file).constData(), c.fileOwner, c.usersGroup ? userGroup_ : 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), c.mode), 0);
    ASSERT_EQ(::chown(QFile::encodeName(copy).constData(), c.copyOwner, static_cast<gid_t>(-1)), 0);

    EXPECT_EQ(fr::removeStrayTemporaries(file).isEmpty(), c.putBack);
    EXPECT_EQ(readBytes(file), c.putBack ? "old content" : "new cont");
    EXPECT_EQ(QFileInfo::exists(copy), !c.putBack);
    QFile::remove(copy);
  }

  // A link is no copy, whoever made it.
  writeBytes(file, "new cont");
  writeBytes(path(QStringLiteral("old")), "old content");
  makeLink(path(QStringLiteral("old")), copy, 0);
  EXPECT_TRUE(fr::removeStrayTemporaries(file).isEmpty());
  EXPECT_EQ(readBytes(file), "new cont");
  QFile::remove(copy);

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
