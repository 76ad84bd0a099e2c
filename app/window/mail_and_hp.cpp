#include "app/window/mail_and_hp.h"

#include "platform/desktop_open.h"

void TMailAndHP::OpenHomePage() { kopira::desktopOpener().open(homePageAddress_); }

namespace kopira {

void openWebShortcut(TMailAndHP& launcher, const QString& boxText) {
  launcher.setHomePageAddress(boxText);
  launcher.OpenHomePage();
}

}  // namespace kopira
