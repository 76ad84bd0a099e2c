#pragma once
// The desktop's open action: hands a web address, mail address or path to
// the program the desktop associates with it. Behind one replaceable
// interface so tests can record what would have been opened.
#include <QString>
#include <QUrl>

namespace kopira {

class DesktopOpener {
 public:
  virtual ~DesktopOpener() = default;
  // Starts opening the target and returns at once; failures are silent.
  virtual void open(const QString& target) = 0;
};

// What the desktop is asked to open for a text: an existing file or folder
// as a file URL, anything else as the text itself read as a URL (so a web
// or mailto: address keeps its scheme and a bare host name stays bare); a
// text that would reach the opener starting with "-" gets a leading "./".
QUrl desktopUrlFor(const QString& target);

// The opener in use: the desktop's own unless a test installed another.
DesktopOpener& desktopOpener();

// Makes desktopOpener() answer with the given opener; nullptr restores the
// desktop's. The caller keeps ownership.
void installDesktopOpener(DesktopOpener* opener);

}  // namespace kopira
