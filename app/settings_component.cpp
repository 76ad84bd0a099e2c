#include "app/settings_component.h"

namespace kopira {

TIniGT* createSettingsComponent(QObject* window) {
  auto* component = new TIniGT(window);
  component->setObjectName(QStringLiteral("IniGT1"));
  component->setDefaultDir(ddApplication);
  component->setFence(fnNone);
  component->Loaded();
  return component;
}

}  // namespace kopira
