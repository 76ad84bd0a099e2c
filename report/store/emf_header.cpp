#include "report/store/emf_header.h"

#include <QtEndian>

namespace kopira::store {
namespace {
constexpr uint32_t kEmrHeader = 1;
constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"

uint32_t u32(QByteArrayView b, qsizetype at) { return qFromLittleEndian<uint32_t>(b.data() + at); }
int32_t i32(QByteArrayView b, qsizetype at) { return qFromLittleEndian<int32_t>(b.data() + at); }
}  // namespace

std::optional<EmfHeader> readEmfHeader(QByteArrayView picture) {
  if (picture.size() < kEmfHeaderMinSize) return std::nullopt;
  const uint32_t recordSize = u32(picture, 4);
  EmfHeader header;
  header.bytes = u32(picture, 48);
  header.records = u32(picture, 52);
  if (u32(picture, 0) != kEmrHeader || u32(picture, 40) != kEmfSignature) return std::nullopt;
  if (recordSize < kEmfHeaderMinSize || recordSize > header.bytes || header.bytes > picture.size()) return std::nullopt;
  header.frameLeft = i32(picture, 24);
  header.frameTop = i32(picture, 28);
  header.frameRight = i32(picture, 32);
  header.frameBottom = i32(picture, 36);
  return header;
}

}  // namespace kopira::store
