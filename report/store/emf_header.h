#pragma once
// The minimal check that a page record holds an enhanced metafile: the
// leading EMR_HEADER record with its signature and sizes.
#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace kopira::store {

struct EmfHeader {
  // rclFrame: the picture's extent in 0.01 mm, edges inclusive.
  int32_t frameLeft = 0, frameTop = 0, frameRight = 0, frameBottom = 0;
  uint32_t bytes = 0;    // nBytes, the whole picture
  uint32_t records = 0;  // nRecords
};

inline constexpr int kEmfHeaderMinSize = 88;

// The header of a picture of `pictureSize` bytes that starts with `head`, or
// nothing when it does not start with a valid EMR_HEADER (type 1, signature
// " EMF" at 40, nSize and nBytes within the picture).
std::optional<EmfHeader> readEmfHeader(QByteArrayView head, qint64 pictureSize);
inline std::optional<EmfHeader> readEmfHeader(QByteArrayView picture) { return readEmfHeader(picture, picture.size()); }

}  // namespace kopira::store
