#include "report/store/spill_buffer.h"

#include <QDir>

namespace kopira::store {

SpillBuffer::SpillBuffer(qint64 memoryLimit) : memoryLimit_(memoryLimit) {}

SpillBuffer::~SpillBuffer() = default;  // QTemporaryFile removes its file

QString SpillBuffer::spillFileName() const { return file_ ? file_->fileName() : QString(); }

bool SpillBuffer::spill() {
  // QTemporaryFile creates the file exclusively with owner-only permissions.
  auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/kopira-pages-XXXXXX.tmp"));
  if (!file->open()) return false;
  if (file->write(memory_) != memory_.size() || !file->flush()) return false;
  file_ = std::move(file);
  memory_ = QByteArray();
  return true;
}

bool SpillBuffer::append(QByteArrayView bytes) {
  if (!file_ && size_ + bytes.size() > memoryLimit_ && !spill()) return false;
  if (!file_) {
    memory_.append(bytes);
    size_ += bytes.size();
    return true;
  }
  if (!file_->seek(size_) || file_->write(bytes.data(), bytes.size()) != bytes.size()) {
    file_->resize(size_);  // drop a partial write so the content stays whole
    return false;
  }
  size_ += bytes.size();
  return true;
}

bool SpillBuffer::overwrite(qint64 offset, QByteArrayView bytes) {
  if (offset < 0 || offset > size_ - bytes.size()) return false;
  if (!file_) {
    memory_.replace(offset, bytes.size(), bytes);
    return true;
  }
  return file_->seek(offset) && file_->write(bytes.data(), bytes.size()) == bytes.size();
}

std::optional<QByteArray> SpillBuffer::read(qint64 offset, qint64 length) const {
  if (offset < 0 || length < 0 || offset > size_ - length) return std::nullopt;
  if (!file_) return memory_.mid(offset, length);
  if (!file_->seek(offset)) return std::nullopt;
  QByteArray out = file_->read(length);
  if (out.size() != length) return std::nullopt;
  return out;
}

}  // namespace kopira::store
