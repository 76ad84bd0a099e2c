#pragma once
// What a file is besides its content: owner, group, permission bits and
// extended attributes (which hold ACLs and security labels). A new file that
// is to take an old one's place gets all of it, or the caller learns that
// this process may not give it.
#include <sys/stat.h>

#include <QByteArray>

namespace kopira::file_identity {

// Gives the open file fd the owner, group, permission bits and extended
// attributes of the file at oldPath (whose status is old). False when any
// of them could not be given, e.g. an owner or group the process may not
// hand out; fd is then to be discarded.
bool carryOver(const QByteArray& oldPath, const struct stat& old, int fd);

}  // namespace kopira::file_identity
