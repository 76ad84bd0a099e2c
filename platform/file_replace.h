#pragma once
// Replacing a file's whole content so that the old file stays whole until
// the new one is complete on disk: the bytes go to a temporary file beside
// it, every write and the flush to disk are checked, and only then does the
// temporary file take the old one's place. Nothing else in the program
// writes the files a user keeps.
#include <QByteArray>
#include <QByteArrayView>
#include <QFileInfo>
#include <QString>
#include <optional>

namespace kopira::file_replace {

// Why a replacement failed; the old file (if any) is then untouched.
enum class Failure {
  ReadOnlyFile,    // the existing file is write-protected
  NotAFile,        // a folder (or a device, a pipe) stands where the file should be
  MissingFolder,   // the folder does not exist
  ReadOnlyFolder,  // the folder does not let a new file be made
  DiskFull,        // no space (or quota) left for the new content
  WriteFailed,     // any other error of the system
  NoCp932Form,     // the text holds a character that a CP932 file cannot hold
};

// Whether replace() refuses a file or folder as read-only. The permission
// bits decide even for a user (such as root) whom the system would let
// write anyway: a file or folder the user protected stays as it is.
bool writeProtected(const QFileInfo& info);

// Writes bytes as the file's new content. Returns the failure, or nothing
// when the new content is on disk under the file's name.
std::optional<Failure> replace(const QString& path, QByteArrayView bytes);

// Why, in the words the program's messages use.
QString reason(Failure failure);

// A file whose new content could not be saved: why, and the content.
struct Unsaved {
  QString reason;
  QByteArray content;
};

// Removes the temporary files that a replace() of path left behind when the
// program was killed during it: in the folder of path, only names of the
// file's name, ".kopira-tmp-" and six letters or digits.
void removeStrayTemporaries(const QString& path);

}  // namespace kopira::file_replace
