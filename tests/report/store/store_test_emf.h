#pragma once
// Small but well-formed EMF pictures for the page store and report file tests.
#include <QByteArray>
#include <QtEndian>
#include <cstdint>

namespace kopira::store::testing {

inline void putLE(QByteArray& out, uint32_t v) {
  char b[4];
  qToLittleEndian(v, b);
  out.append(b, 4);
}

// EMR_HEADER with the given frame (0.01 mm), an EMR_COMMENT of `fill` bytes
// of `fillByte`, and EMR_EOF.
inline QByteArray makeEmf(int32_t frameRight = 21000, int32_t frameBottom = 29700, int fill = 0, char fillByte = 'x') {
  const uint32_t comment = fill > 0 ? 12 + ((static_cast<uint32_t>(fill) + 3) & ~3u) : 0;
  const uint32_t total = 88 + comment + 20;
  QByteArray e;
  putLE(e, 1);   // EMR_HEADER
  putLE(e, 88);  // nSize
  for (uint32_t v : {0u, 0u, 793u, 1122u}) putLE(e, v);  // rclBounds
  for (int32_t v : {0, 0, frameRight, frameBottom}) putLE(e, static_cast<uint32_t>(v));
  putLE(e, 0x464D4520);  // " EMF"
  putLE(e, 0x10000);     // nVersion
  putLE(e, total);       // nBytes
  putLE(e, fill > 0 ? 3 : 2);  // nRecords
  putLE(e, 1);                 // nHandles, sReserved
  for (uint32_t v : {0u, 0u, 0u, 1920u, 1080u, 508u, 286u}) putLE(e, v);
  if (fill > 0) {
    putLE(e, 70);  // EMR_COMMENT
    putLE(e, comment);
    putLE(e, static_cast<uint32_t>(fill));
    e.append(QByteArray(comment - 12, fillByte));
  }
  for (uint32_t v : {14u, 20u, 0u, 16u, 20u}) putLE(e, v);  // EMR_EOF
  return e;
}

}  // namespace kopira::store::testing
