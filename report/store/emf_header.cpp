#include "report/store/emf_header.h"

#include <QtEndian>

namespace kopira::store {
namespace {
constexpr uint32_t kEmrHeader = 1;
constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"

uint32_t u32(QByteArrayView b, qsizetype at) { return qFromLittleEndian<uint32_t>(b.data() + at); }
int32_t i32(QByteArrayView b, qsizetype at) { return qFromLittleEndian<int32_t>(b.data() + at); }
}  // namespace

std::optional<EmfHeader> readEmfHeader(QByteArrayView head, qint64 pictureSize) {
  if (head.size() < kEmfHeaderMinSize) return std::nullopt;
  const uint32_t recordSize = u32(head, 4);
  EmfHeader header;
  header.bytes = u32(head, 48);
  header.records = u32(head, 52);
  if (u32(head, 0) != kEmrHeader || u32(head, 40) != kEmfSignature) return std::nullopt;
  if (recordSize < kEmfHeaderMinSize || recordSize > header.bytes || header.bytes > pictureSize) return std::nullopt;
  header.frameLeft = i32(head, 24);
  header.frameTop = i32(head, 28);
  header.frameRight = i32(head, 32);
  header.frameBottom = i32(head, 36);
  return header;
}

}  // namespace kopira::store
