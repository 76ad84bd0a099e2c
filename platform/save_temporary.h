#pragma once
// The temporary files of a save. Each is made beside the file it stands in
// for, named "<name>.kopira-tmp-XXXXXX", and held locked (flock) by the
// process writing it for as long as that process has it open. A temporary
// file that nobody holds locked is what a killed save left behind; one that
// is locked belongs to a save still running and is never touched.
#include <QByteArray>
#include <QString>

namespace kopira::save_temporary {

class TemporaryFile {
 public:
  // Creates an empty temporary file beside forPath (mode 0600), locked.
  // isOpen() tells whether that worked; errno then tells why not.
  explicit TemporaryFile(const QByteArray& forPath);
  // Removes the file unless keep() was called, then closes (unlocks) it.
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  const QByteArray& path() const { return path_; }
  // Gives the file another name; it stays open and locked. False (errno)
  // when the rename failed.
  bool renameTo(const QByteArray& path);
  // The file has taken its final name and stays.
  void keep() { kept_ = true; }

 private:
  int fd_ = -1;
  QByteArray path_;
  bool kept_ = false;
};

// Opens the regular file at path and locks it when no running save holds
// it: the open, locked descriptor, or -1 (held, missing, or not openable).
int takeAbandoned(const QByteArray& path);

// Removes the abandoned temporary files in folder: those of the file named
// fileName, or of any file when fileName is empty.
void removeAbandoned(const QString& folder, const QString& fileName);

}  // namespace kopira::save_temporary
