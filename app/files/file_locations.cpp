#include "app/files/file_locations.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "platform/file_replace.h"

namespace kopira::file_locations {
namespace {

bool fromMenu = false;

constexpr char kFolderName[] = "kopira";

// The package and `cmake --install` put the program here; a superuser may
// write there, but the settings of an installed program belong to the user.
bool isInstallFolder(const QString& folder) {
  const QString canonical = QFileInfo(folder).canonicalFilePath();
  const QStringList installFolders = QStringLiteral(KOPIRA_INSTALL_BINDIRS).split(u':');
  return std::any_of(installFolders.begin(), installFolders.end(),
                     [&](const QString& f) { return QFileInfo(f).canonicalFilePath() == canonical; });
}

// As the writer of the settings file judges it.
bool writable(const QString& folder) { return !file_replace::writeProtected(QFileInfo(folder)); }

// The first of the folders that holds the file, or an empty string.
QString firstExisting(const QStringList& folders, const QString& name) {
  for (const QString& folder : folders) {
    const QString path = QDir(folder).filePath(name);
    if (QFileInfo(path).isFile()) return path;
  }
  return QString();
}

// $XDG_CONFIG_DIRS, each with the program's folder name.
QStringList systemConfigFolders() {
  QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
  if (!folders.isEmpty()) folders.removeFirst();  // the user's own, $XDG_CONFIG_HOME
  for (QString& folder : folders) folder = QDir(folder).filePath(QLatin1String(kFolderName));
  return folders;
}

// The user's folder under an XDG base folder, created when missing.
QString userFolder(QStandardPaths::StandardLocation base) {
  const QString folder = QDir(QStandardPaths::writableLocation(base)).filePath(QLatin1String(kFolderName));
  QDir().mkpath(folder);
  return folder;
}

}  // namespace

void setStartedFromMenu(bool menu) { fromMenu = menu; }

SettingsFiles settingsFiles(const QString& programFile, const QString& iniName) {
  const QString programFolder = QFileInfo(programFile).absolutePath();
  const QString beside = QDir(programFolder).filePath(iniName);
  if (writable(programFolder) && !isInstallFolder(programFolder)) return {beside, QString()};
  const QString own = QDir(userFolder(QStandardPaths::GenericConfigLocation)).filePath(iniName);
  return {own, firstExisting(QStringList{programFolder} + systemConfigFolders(), iniName)};
}

QString dataFolder() {
  if (!fromMenu) return QStringLiteral(".");
  const QString folder = userFolder(QStandardPaths::GenericDataLocation);
  // Where the data folder cannot be made the files stay in the working folder.
  return QFileInfo(folder).isDir() ? folder : QStringLiteral(".");
}

bool dataFolderIsProgramsOwn() { return dataFolder() != QStringLiteral("."); }

QString stateFolder() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  // The base directory rules ignore a relative path.
  if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
  return QDir(state).filePath(QLatin1String(kFolderName));
}

}  // namespace kopira::file_locations
