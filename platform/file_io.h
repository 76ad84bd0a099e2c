#pragma once
// Low-level steps of the file writer: whole writes and copies that end
// flushed to disk, and the flush of a folder's entries. Every step reports
// failure through its result, with errno telling why.
#include <QByteArray>
#include <QByteArrayView>

namespace kopira::file_io {

// An open file descriptor, closed when this ends.
struct Descriptor {
  explicit Descriptor(int open) : fd(open) {}
  ~Descriptor();
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  const int fd;
};

// Makes bytes the whole content of the open file (written from its start,
// cut after them) and flushes it to disk.
bool writeWhole(int fd, QByteArrayView bytes);

// Makes the content of the open file from the whole content of the open
// file from, and flushes it to disk.
bool copyWhole(int from, int to);

// Flushes the folder's entries (a new name, a rename, a removal) to disk.
// Best effort: the change itself is already made.
void syncFolder(const QByteArray& folder);

// The folder part of a path, as syncFolder takes it.
QByteArray folderOf(const QByteArray& path);

}  // namespace kopira::file_io
