#include "report/store/page_store.h"

#include <limits>

namespace kopira::store {
namespace {
constexpr qint64 kCopyChunk = 64 * 1024;
constexpr qint64 kMaxOffset = std::numeric_limits<uint32_t>::max();
}  // namespace

PageStore::PageStore(bool compressed, qint64 memoryLimit, const QDateTime& created)
    : bytes_(std::make_unique<SpillBuffer>(memoryLimit)) {
  header_.compressed = compressed;
  header_.created = qrp::toDays(created);
}

PageStore::PageStore(std::unique_ptr<SpillBuffer> bytes, std::vector<qint64> recordStarts, const qrp::Header& header)
    : bytes_(std::move(bytes)), recordStarts_(std::move(recordStarts)), header_(header), complete_(true) {}

bool PageStore::append(QByteArrayView picture) {
  const QMutexLocker lock(&mutex_);
  const bool first = bytes_->size() == 0;
  if (first && !bytes_->append(qrp::encodeHeader(header_))) return false;
  const QByteArray payload = header_.compressed ? qrp::compressPicture(picture) : picture.toByteArray();
  const qint64 start = bytes_->size();
  if (start + payload.size() + qrp::kRecordOverhead > kMaxOffset) return false;
  if (!bytes_->append(qrp::encodeRecord(static_cast<uint32_t>(recordStarts_.size() + 1), static_cast<uint32_t>(start), payload)))
    return false;
  recordStarts_.push_back(start);
  header_.pageCount = static_cast<uint32_t>(recordStarts_.size());
  // The count is kept current so the bytes always form a whole file.
  QByteArray count;
  qrp::putU32(count, header_.pageCount);
  return bytes_->overwrite(8, count);
}

std::optional<QByteArray> PageStore::page(int number) const {
  const QMutexLocker lock(&mutex_);
  if (number < 1 || static_cast<size_t>(number) > recordStarts_.size()) return std::nullopt;
  const size_t index = static_cast<size_t>(number) - 1;
  const qint64 start = recordStarts_[index];
  const qint64 end = index + 1 < recordStarts_.size() ? recordStarts_[index + 1] : bytes_->size();
  std::optional<QByteArray> payload = bytes_->read(start + qrp::kRecordPrefix, end - start - qrp::kRecordOverhead);
  if (!payload || !header_.compressed) return payload;
  return qrp::expandPicture(*payload, std::numeric_limits<int32_t>::max());
}

int PageStore::count() const {
  const QMutexLocker lock(&mutex_);
  return static_cast<int>(recordStarts_.size());
}

void PageStore::markComplete() {
  const QMutexLocker lock(&mutex_);
  complete_ = true;
}

bool PageStore::isComplete() const {
  const QMutexLocker lock(&mutex_);
  return complete_;
}

bool PageStore::isCompressed() const {
  const QMutexLocker lock(&mutex_);
  return header_.compressed;
}

QDateTime PageStore::created() const {
  const QMutexLocker lock(&mutex_);
  return qrp::fromDays(header_.created);
}

bool PageStore::isSpilled() const {
  const QMutexLocker lock(&mutex_);
  return bytes_->isSpilled();
}

QString PageStore::spillFileName() const {
  const QMutexLocker lock(&mutex_);
  return bytes_->spillFileName();
}

qint64 PageStore::byteSize() const {
  const QMutexLocker lock(&mutex_);
  return bytes_->size();
}

bool PageStore::writeTo(QIODevice& out) const {
  const QMutexLocker lock(&mutex_);
  for (qint64 at = 0; at < bytes_->size(); at += kCopyChunk) {
    const std::optional<QByteArray> chunk = bytes_->read(at, std::min(kCopyChunk, bytes_->size() - at));
    if (!chunk || out.write(*chunk) != chunk->size()) return false;
  }
  return true;
}

}  // namespace kopira::store
