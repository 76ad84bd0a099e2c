#include "platform/trusted_links.h"

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace kopira::trusted_links {
namespace {

// As many links as the system follows in one path.
constexpr int kMaxLinks = 40;

QString joined(const QString& folder, const QString& part) {
  return folder.endsWith(u'/') ? folder + part : folder + u'/' + part;
}

QString parentOf(const QString& folder) {
  const qsizetype slash = folder.lastIndexOf(u'/');
  return slash <= 0 ? QStringLiteral("/") : folder.first(slash);
}

QString linkText(const QString& link) {
  char target[PATH_MAX];
  const ssize_t size = ::readlink(QFile::encodeName(link).constData(), target, sizeof target);
  return size <= 0 ? QString() : QFile::decodeName(QByteArray(target, size));
}

}  // namespace

bool trusted(uid_t linkOwner) { return linkOwner == ::geteuid() || linkOwner == 0; }

Followed follow(const QString& path) {
  const QFileInfo given(path);
  // Resolved so far: a folder without links, so ".." means what it says.
  QString at = QFileInfo(given.absolutePath()).canonicalFilePath();
  if (at.isEmpty() || given.fileName().isEmpty()) return {given.absoluteFilePath(), {}, false};
  QStringList rest{given.fileName()};
  int links = 0;
  while (!rest.isEmpty()) {
    const QString part = rest.takeFirst();
    if (part.isEmpty() || part == u".") continue;
    if (part == u"..") {
      at = parentOf(at);
      continue;
    }
    const QString next = joined(at, part);
    struct stat st {};
    const bool found = ::lstat(QFile::encodeName(next).constData(), &st) == 0;
    if (!found || !S_ISLNK(st.st_mode)) {
      // Without a link on the way only the file itself can be missing.
      if (!found && links > 0) return {{}, {}, true};
      at = next;
      continue;
    }
    if (!trusted(st.st_uid)) return {{}, next, false};
    const QString target = linkText(next);
    if (++links > kMaxLinks || target.isEmpty()) return {{}, {}, true};
    if (target.startsWith(u'/')) at = QStringLiteral("/");
    rest = target.split(u'/') + rest;
  }
  return {at, {}, false};
}

}  // namespace kopira::trusted_links
