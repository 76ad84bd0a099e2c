#pragma once
// Which symbolic links a save follows. A link is followed only when it
// belongs to the user running the program or to the superuser, wherever it
// lies: the rule the system applies to links in shared sticky folders, here
// applied in every folder, so that a link another user planted in a folder
// both may write never turns a save against the user's own files.
#include <sys/types.h>

#include <QString>

namespace kopira::trusted_links {

// Whether a link of this owner is followed.
bool trusted(uid_t linkOwner);

struct Followed {
  // The file a save of the path writes, with no link in it after the
  // path's own folder (whose links are the user's choice); empty when
  // a link of another user was met.
  QString file;
  // Where an untrusted link was met; empty when none was.
  QString untrustedLink;
  // A link was followed and leads nowhere (its target is missing, or the
  // links go round in a loop).
  bool dangling = false;
};

// Follows the links of the path's last part, and of every path a link leads
// to, one part at a time.
Followed follow(const QString& path);

}  // namespace kopira::trusted_links
