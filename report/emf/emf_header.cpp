#include "report/emf/emf_header.h"

#include "report/emf/emf_bytes.h"
#include "report/emf/emf_format.h"

namespace kopira::report {
namespace {

std::optional<EmfHeader> fail(QString* error, const QString& reason) {
  if (error) *error = reason;
  return std::nullopt;
}

EmfRect rectAt(const emf::RecordReader& r, qsizetype at) {
  return {r.i32(at), r.i32(at + 4), r.i32(at + 8), r.i32(at + 12)};
}

QSize sizeAt(const emf::RecordReader& r, qsizetype at) { return {r.i32(at), r.i32(at + 4)}; }

}  // namespace

double EmfHeader::unitsPerHundredthMmX() const {
  return micrometers.width() > 0 ? device.width() * 10.0 / micrometers.width()
                                 : device.width() / (millimeters.width() * 100.0);
}

double EmfHeader::unitsPerHundredthMmY() const {
  return micrometers.height() > 0 ? device.height() * 10.0 / micrometers.height()
                                  : device.height() / (millimeters.height() * 100.0);
}

std::optional<EmfHeader> readEmfHeader(QByteArrayView bytes, QString* error) {
  const emf::RecordReader all(bytes);
  if (!all.has(0, emf::kMinHeaderSize)) return fail(error, QStringLiteral("too short for an EMF header"));
  if (all.u32(0) != emf::kHeader) return fail(error, QStringLiteral("first record is not an EMF header"));
  const uint32_t size = all.u32(4);
  if (all.u32(40) != emf::kSignature) return fail(error, QStringLiteral("missing EMF signature"));
  if (size < emf::kMinHeaderSize || size % 4 != 0 || size > static_cast<uint64_t>(bytes.size())) {
    return fail(error, QStringLiteral("bad header record size %1").arg(size));
  }
  const emf::RecordReader r(bytes.first(size));
  EmfHeader h;
  h.bounds = rectAt(r, 8);
  h.frame = rectAt(r, 24);
  h.bytes = r.u32(48);
  h.records = r.u32(52);
  h.handles = r.u16(56);
  h.device = sizeAt(r, 72);
  h.millimeters = sizeAt(r, 80);
  if (size >= emf::kHeaderSize) h.micrometers = sizeAt(r, 100);
  if (h.micrometers.width() <= 0 || h.micrometers.height() <= 0) h.micrometers = QSize();

  if (h.bytes < size) return fail(error, QStringLiteral("file size %1 smaller than its header").arg(h.bytes));
  if (h.bytes > static_cast<uint64_t>(bytes.size())) {
    return fail(error, QStringLiteral("truncated: %1 of %2 bytes").arg(bytes.size()).arg(h.bytes));
  }
  if (h.records < 2 || h.records > h.bytes / 8) return fail(error, QStringLiteral("impossible record count %1").arg(h.records));
  if (h.handles < 1) return fail(error, QStringLiteral("handle count 0"));
  if (h.device.width() <= 0 || h.device.height() <= 0 || h.millimeters.width() <= 0 || h.millimeters.height() <= 0) {
    return fail(error, QStringLiteral("reference device without extent"));
  }
  const int64_t frameWidth = int64_t{h.frame.right} - h.frame.left;
  const int64_t frameHeight = int64_t{h.frame.bottom} - h.frame.top;
  if (frameWidth <= 0 || frameHeight <= 0) return fail(error, QStringLiteral("frame without extent"));
  return h;
}

}  // namespace kopira::report
