#pragma once
// Saving a page store as a report file (extension QRP) and loading one back.
#include "report/store/page_store.h"

#include <QIODevice>
#include <QString>
#include <memory>

namespace kopira::store {

struct QrpLoadResult {
  enum class Status { Loaded, NotFound, Unreadable };
  Status status = Status::Unreadable;
  std::unique_ptr<PageStore> store;  // set when Loaded
  QString message;                   // for a plain message box otherwise
};

struct QrpSaveResult {
  bool ok = false;
  QString message;  // for a plain message box when not ok
};

// Reads and checks a whole report file: header (128 bytes, or the older 124),
// every record's offsets and page number, and that every page is an EMF
// picture (expanded first when compressed) whose records the preview can
// walk to its end. The bytes are copied into a new
// store, so the file is not held open.
QrpLoadResult loadQrpFile(const QString& path);
QrpLoadResult readQrp(QIODevice& in);

// Writes a complete store to `path` through a temporary file that replaces
// the target only when everything was written. An existing target that is
// read-only (no write permission bit, or not writable by this user) is left
// untouched and the save fails: the bits are checked because root may
// write to any file.
QrpSaveResult saveQrpFile(const PageStore& store, const QString& path);

}  // namespace kopira::store
