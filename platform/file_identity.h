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

// Gives the open file fd, a copy of the file whose status is of, that
// file's owner and group where this process may, and its permission bits;
// the group's bits are dropped where the group could not be given, so the
// copy is open to nobody the file is not open to. False when the bits
// could not be set.
bool shareLike(int fd, const struct stat& of);

}  // namespace kopira::file_identity
