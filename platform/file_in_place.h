#pragma once
// Saving a file by writing into the file itself, so that it stays the same
// file (owner, group, mode, attributes, further hard links) when a
// replacement could not be given what it is. A complete, flushed copy of
// the old content is put beside it first as "<name>.kopira-old" (written
// under a temporary name, so that this name always means a whole copy) and
// removed once the new content is on disk. A kill in between leaves that
// copy, and the next start puts it back.
#include <sys/types.h>

#include <QByteArray>
#include <QByteArrayView>

namespace kopira::file_in_place {

// Writes bytes as the content of the regular file at path. copyMode is the
// permission of the copy of the old content. Returns 0, or the errno of
// the step that failed; the file then holds its old content (or, when even
// putting that back failed, the copy beside it stays for the next start).
int write(const QByteArray& path, QByteArrayView bytes, mode_t copyMode);

// Puts back the old content of a file whose in-place write was killed, from
// the copy beside it, and removes the copy. A copy that a running save
// holds is left alone.
void restoreInterrupted(const QByteArray& path);

}  // namespace kopira::file_in_place
