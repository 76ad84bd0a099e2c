#pragma once
// A growing byte buffer that lives in memory up to a limit and moves to a
// private temporary file in the system's temporary folder beyond it. The file
// is removed when the buffer is destroyed. Not synchronised: callers guard it.
#include <QByteArray>
#include <QString>
#include <QTemporaryFile>
#include <memory>
#include <optional>

namespace kopira::store {

class SpillBuffer {
 public:
  explicit SpillBuffer(qint64 memoryLimit);
  ~SpillBuffer();
  SpillBuffer(const SpillBuffer&) = delete;
  SpillBuffer& operator=(const SpillBuffer&) = delete;

  // Appends at the end; false when the temporary file cannot be created or
  // written (the buffer then keeps its previous content).
  bool append(QByteArrayView bytes);
  // Overwrites bytes already in the buffer; false when out of range or on a
  // write error.
  bool overwrite(qint64 offset, QByteArrayView bytes);
  // Reads `length` bytes at `offset`; nothing when out of range or unreadable.
  std::optional<QByteArray> read(qint64 offset, qint64 length) const;

  qint64 size() const { return size_; }
  bool isSpilled() const { return file_ != nullptr; }
  // Path of the temporary file while spilled, else empty.
  QString spillFileName() const;

 private:
  bool spill();

  qint64 memoryLimit_;
  qint64 size_ = 0;
  QByteArray memory_;
  std::unique_ptr<QTemporaryFile> file_;
};

}  // namespace kopira::store
