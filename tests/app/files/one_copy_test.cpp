// The lock on the folders of the kept files.
#include <QCoreApplication>
#include <QDir>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/files/copy_handover.h"
#include "app/files/files_lock.h"

using namespace Qt::StringLiterals;

namespace {

TEST(FilesLock, HeldByOneTakerAtATimeAndLockableByTheFoldersGroup) {
  QTemporaryDir settings, data;
  kopira::FilesLock first, second;
  // One folder named twice is locked once; the file is the group's to lock
  // whatever the mode mask.
  const mode_t mask = ::umask(077);
  EXPECT_FALSE(first.take({settings.path(), data.path(), data.path() + u"/."_s}));
  ::umask(mask);
  EXPECT_TRUE(first.holds());
  const QString lockFile = QDir(data.path()).filePath(QLatin1String(kopira::FilesLock::kFileName));
  EXPECT_EQ(QFileInfo(lockFile).permissions() & 0x0fff, QFile::Permissions(0x0664));
  EXPECT_EQ(QFileInfo(lockFile).groupId(), QFileInfo(data.path()).groupId());

  const std::optional<kopira::LockHolder> holder = second.take({data.path()});
  ASSERT_TRUE(holder);
  EXPECT_EQ(holder->host, QSysInfo::machineHostName());
  EXPECT_EQ(holder->pid, QCoreApplication::applicationPid());
  EXPECT_TRUE(holder->isThisUserHere());
  EXPECT_FALSE(second.holds());
  EXPECT_EQ(kopira::FilesLock::holderOf({data.path()})->pid, holder->pid);

  // All or none: a free folder before a held one is not kept locked.
  QTemporaryDir other;
  EXPECT_TRUE(second.take({other.path(), settings.path()}));
  EXPECT_FALSE(second.holds());
  kopira::FilesLock third;
  EXPECT_FALSE(third.take({other.path()}));

  // What the holder leaves (it ended) is taken by the next.
  first.release();
  EXPECT_FALSE(second.take({settings.path(), data.path()}));
  EXPECT_TRUE(QFileInfo(lockFile).size() > 0);
  second.release();
  EXPECT_FALSE(kopira::FilesLock::holderOf({settings.path(), data.path()}));

  EXPECT_FALSE(kopira::askToComeForward(0)) << "nobody listens there";
}

}  // namespace
