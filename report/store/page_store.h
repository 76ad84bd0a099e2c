#pragma once
// The recorded page pictures of one report run, in page order, laid out
// exactly as a saved report file. Small stores stay in memory; beyond the
// memory limit the bytes move to a temporary file that is deleted with the
// store. Every operation takes the store's own lock.
#include "report/store/qrp_format.h"
#include "report/store/spill_buffer.h"

#include <QByteArray>
#include <QDateTime>
#include <QIODevice>
#include <QMutex>
#include <memory>
#include <optional>
#include <vector>

namespace kopira::store {

class PageStore {
 public:
  static constexpr qint64 kMemoryLimit = 100000;

  explicit PageStore(bool compressed = false, qint64 memoryLimit = kMemoryLimit,
                     const QDateTime& created = QDateTime::currentDateTime());
  PageStore(const PageStore&) = delete;
  PageStore& operator=(const PageStore&) = delete;

  // Adds the next page's picture. False when the bytes could not be stored
  // (temporary file unavailable, disk full, file beyond 4 GB).
  bool append(QByteArrayView picture);
  // The picture of page `number` (1-based), expanded when compressed;
  // nothing for a page outside 1..count() or unreadable bytes.
  std::optional<QByteArray> page(int number) const;
  int count() const;

  void markComplete();
  bool isComplete() const;
  bool isCompressed() const;
  QDateTime created() const;

  bool isSpilled() const;
  QString spillFileName() const;
  qint64 byteSize() const;
  // Writes the store byte for byte; false on a write error.
  bool writeTo(QIODevice& out) const;

  // A complete store over the bytes of a saved file that the reader has
  // checked: records start at `recordStarts`, the last one ends at the end
  // of `bytes`.
  PageStore(std::unique_ptr<SpillBuffer> bytes, std::vector<qint64> recordStarts, const qrp::Header& header);

 private:
  mutable QMutex mutex_;
  std::unique_ptr<SpillBuffer> bytes_;
  std::vector<qint64> recordStarts_;
  qrp::Header header_;
  bool complete_ = false;
};

}  // namespace kopira::store
