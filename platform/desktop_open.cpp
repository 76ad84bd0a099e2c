#include "platform/desktop_open.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace kopira {
namespace {

// QDesktopServices starts the associated program detached, without a shell,
// and does not wait for it.
class QtDesktopOpener final : public DesktopOpener {
 public:
  void open(const QString& target) override {
    const QUrl url = desktopUrlFor(target);
    if (url.isValid() && !url.isEmpty()) QDesktopServices::openUrl(url);
  }
};

DesktopOpener* installed = nullptr;

}  // namespace

QUrl desktopUrlFor(const QString& target) {
  if (target.isEmpty()) return {};
  const QFileInfo local(target);
  if (local.exists()) return QUrl::fromLocalFile(local.absoluteFilePath());
  const QUrl url(target);
  // The opener gets the address as its one argument and would read a
  // leading "-" as an option; the same relative reference, spelled from
  // the working folder, cannot be one.
  if (url.scheme().isEmpty() && url.toEncoded().startsWith('-')) return QUrl(QStringLiteral("./") + target);
  return url;
}

DesktopOpener& desktopOpener() {
  static QtDesktopOpener desktop;
  return installed ? *installed : desktop;
}

void installDesktopOpener(DesktopOpener* opener) { installed = opener; }

}  // namespace kopira
