#pragma once
// Replacing a file's whole content so that the old file stays whole until
// the new one is complete on disk, and stays what it was for everyone who
// shares it. The bytes go to a temporary file beside it, which takes the
// old file's owner, group, permission bits and extended attributes (ACLs);
// every write and the flush to disk are checked, and only then does the
// temporary file take the old one's place. Where this process may not give
// a new file what the old one is (another user's file in a shared folder),
// or the file has further hard links, the new content is written into the
// file itself instead, after a complete copy of the old content beside it
// (see file_in_place.h). A link is saved through to its target when the
// user trusts it (see trusted_links.h), else refused. Nothing else in the
// program writes the files a user keeps.
#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
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
  NotKeptAside,    // an unreadable earlier file could not be kept under another name
  UntrustedLink,   // the file is a link another user made
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

// Clears what a save of path that was killed halfway left beside the file
// (beside a trusted link's target): removes its temporary files, and puts
// back the old content when a write into the file itself was cut short
// (see file_in_place.h). Files of a save still running in another process
// are left alone. Returns the copy of old content that was not put back
// because its owner may not write the file; empty when there was none.
QString removeStrayTemporaries(const QString& path);

// Removes the temporary files of killed saves of any file in folder.
void removeStrayTemporariesIn(const QString& folder);

// A copy kept aside: its path, or why none was made.
struct KeptCopy {
  QString path;
  Failure failure = Failure::NotKeptAside;
  bool made() const { return !path.isEmpty(); }
};

// Copies the file a save of path writes (a trusted link's target) to
// "<name>.<yyyyMMdd-HHmmss>.bak" beside it (a number is added when that name
// is taken), with its owner, group and mode as far as this process may give
// them; the file itself stays as it is.
KeptCopy keepAside(const QString& path, const QDateTime& when);

// Creates the folder and any missing folder above it (mode 0700), each
// flushed into its parent. True when the folder exists.
bool makeFolder(const QString& path);

}  // namespace kopira::file_replace
