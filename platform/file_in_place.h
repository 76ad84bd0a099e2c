#pragma once
// Saving a file by writing into the file itself, so that it stays the same
// file (owner, group, mode, attributes, further hard links) when a
// replacement could not be given what it is. A complete, flushed copy of
// the old content is put beside it first as "<name>.kopira-old" (written
// under a temporary name, so that this name always means a whole copy, and
// given the file's owner, group and mode as far as this process may) and
// removed once the new content is on disk. A kill in between leaves that
// copy, and the next start puts it back.
#include <sys/stat.h>

#include <QByteArray>
#include <QByteArrayView>

namespace kopira::file_in_place {

// Writes bytes as the content of the regular file at path. Returns 0, or
// the errno of the step that failed; the file then holds its old content
// (or, when even putting that back failed, the copy beside it stays for
// the next start).
int write(const QByteArray& path, QByteArrayView bytes);

// Whether a copy left beside a file could have been made by a save of it:
// its owner may write the file (the superuser, the file's owner, a member
// of the file's group when the group may write it, anyone when everyone
// may). In a shared folder the in-place save is made by exactly those who
// do not own the file.
bool mayWrite(uid_t copyOwner, const struct stat& file);

enum class Restore {
  Nothing,  // no copy to put back (none, held by a running save, or spent)
  PutBack,  // the old content is back in the file
  Refused,  // the copy's owner may not write the file: left as it is
};

// Puts back the old content of a file whose in-place write was killed, from
// the regular file (never a link) beside it, and removes the copy; where
// the copy may not be removed (a sticky folder), it is emptied, as an empty
// copy is never put back: a copy is put back once, and never undoes a later
// save. A copy that a running save holds is left alone.
Restore restoreInterrupted(const QByteArray& path);

}  // namespace kopira::file_in_place
