#include "app/files/settings_component.h"

#include <QFileInfo>

#include "app/files/file_locations.h"

namespace kopira {

TIniGT* createSettingsComponent(QObject* window) {
  auto* component = new TIniGT(window);
  component->setObjectName(QStringLiteral("IniGT1"));
  component->setDefaultDir(ddApplication);
  component->setFence(fnNone);
  component->Loaded();
  // An installed program keeps the user's own file, over the office's defaults.
  const auto files = file_locations::settingsFiles(TIniGT::programFilePath(), QFileInfo(component->path()).fileName());
  if (files.file != component->path()) {
    component->setFileName(files.file);
    component->setDefaultsPath(files.officeDefaults);
  }
  return component;
}

}  // namespace kopira
