// Where the program's files live: beside a program whose folder the user can
// write; for an installed one, the user's config folder over the office's
// defaults (beside the program first, else $XDG_CONFIG_DIRS); the history
// and notes in the data folder only when started from the menu.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/files/file_locations.h"

namespace kopira::file_locations {
namespace {

class FileLocations : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"program", "home/config", "home/data", "etc/kopira"}) QDir(root.path()).mkpath(folder);
    qputenv("XDG_CONFIG_HOME", path("home/config").toUtf8());
    qputenv("XDG_DATA_HOME", path("home/data").toUtf8());
    qputenv("XDG_CONFIG_DIRS", path("etc").toUtf8());
  }
  void TearDown() override {
    QFile::setPermissions(path("program"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS"}) qunsetenv(name);
    setStartedFromMenu(false);
  }
  QString path(const QString& name) const { return root.filePath(name); }
  void touch(const QString& name) const { QFile(path(name)).open(QIODevice::WriteOnly); }
  void lockProgramFolder() const { QFile::setPermissions(path("program"), QFile::ReadOwner | QFile::ExeOwner); }

  QTemporaryDir root;
};

TEST_F(FileLocations, SettingsBesideAWritableProgramElseTheUsersOverTheOfficeDefaults) {
  touch("etc/kopira/Kopira.ini");
  const QString program = path("program/kopira");
  EXPECT_EQ(settingsFiles(program, "Kopira.ini").file, path("program/Kopira.ini"));
  EXPECT_EQ(settingsFiles(program, "Kopira.ini").officeDefaults, QString());

  lockProgramFolder();
  const SettingsFiles installed = settingsFiles(program, "Kopira.ini");
  EXPECT_EQ(installed.file, path("home/config/kopira/Kopira.ini"));
  EXPECT_TRUE(QFileInfo(path("home/config/kopira")).isDir());
  EXPECT_EQ(installed.officeDefaults, path("etc/kopira/Kopira.ini"));

  QFile::setPermissions(path("program"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  touch("program/Kopira.ini");
  lockProgramFolder();
  EXPECT_EQ(settingsFiles(program, "Kopira.ini").officeDefaults, path("program/Kopira.ini"));
}

TEST_F(FileLocations, HistoryAndNotesInTheDataFolderOnlyWhenStartedFromTheMenu) {
  EXPECT_EQ(dataFolder(), ".");
  setStartedFromMenu(true);
  EXPECT_EQ(dataFolder(), path("home/data/kopira"));
  EXPECT_TRUE(QFileInfo(path("home/data/kopira")).isDir());
}

}  // namespace
}  // namespace kopira::file_locations
