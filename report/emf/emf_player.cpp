#include "report/emf/emf_player.h"

#include <cmath>

#include "report/emf/emf_bytes.h"
#include "report/emf/emf_format.h"
#include "report/emf/emf_playback.h"

namespace kopira::report {
namespace {

// Calls visit(record) for each record after the header up to the end record.
// Returns the reason when the records do not tile the picture.
template <typename Visit>
QString forEachRecord(QByteArrayView bytes, Visit visit) {
  qsizetype offset = 0;
  bool first = true;
  while (offset + 8 <= bytes.size()) {
    const emf::RecordReader head(bytes.sliced(offset, 8));
    const uint32_t type = head.u32(0);
    const uint32_t size = head.u32(4);
    if (size < 8 || size % 4 != 0 || size > static_cast<uint64_t>(bytes.size() - offset)) {
      return QStringLiteral("record at offset %1 has bad size %2").arg(offset).arg(size);
    }
    if (type == emf::kEof) return {};
    if (!first) {
      if (QString error = visit(emf::RecordReader(bytes.sliced(offset, size))); !error.isEmpty()) {
        return QStringLiteral("record at offset %1: %2").arg(offset).arg(error);
      }
    }
    first = false;
    offset += size;
  }
  return QStringLiteral("no end record");
}

}  // namespace

EmfPlayer::EmfPlayer(QByteArray emf) : bytes_(std::move(emf)) {
  const std::optional<EmfHeader> header = readEmfHeader(bytes_, &error_);
  if (!header) return;
  header_ = *header;
  bytes_.truncate(header_.bytes);
  error_ = forEachRecord(bytes_, [](const emf::RecordReader&) { return QString(); });
  valid_ = error_.isEmpty();
}

bool EmfPlayer::play(QPainter& painter, const QRectF& target) {
  if (!valid_) return false;
  const bool finite = std::isfinite(target.left()) && std::isfinite(target.top()) && std::isfinite(target.width()) &&
                      std::isfinite(target.height());
  if (!finite) {
    error_ = QStringLiteral("target rectangle is not finite");
    return false;
  }
  if (target.isEmpty()) return true;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  EmfPlayback playback(painter, header_, target);
  error_ = forEachRecord(bytes_, [&](const emf::RecordReader& r) { return playback.play(r); });
  painter.restore();
  return error_.isEmpty();
}

}  // namespace kopira::report
