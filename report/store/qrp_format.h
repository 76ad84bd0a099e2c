#pragma once
// Byte layout of saved report files, which is also the layout of the page
// store: a header, then one record per page. All integers little-endian.
//
//   header (128 bytes; older files 124)
//     0  u16 format version (3)      2  u16 engine version (309)
//     8  u32 page count             16  f64 creation time (12 in old files)
//    25  u8  compression flag       (21 in old files)
//   record
//     u32 page number (1-based), u32 offset of the next record,
//     picture (EMF) or u32 uncompressed length + splay code,
//     u32 offset of this record
#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <cstdint>
#include <optional>

namespace kopira::store::qrp {

inline constexpr qint64 kHeaderSize = 128;
inline constexpr qint64 kOldHeaderSize = 124;
inline constexpr uint16_t kFormatVersion = 3;
inline constexpr uint16_t kEngineVersion = 309;
// Page number and next offset before the picture, own offset after it.
inline constexpr qint64 kRecordPrefix = 8;
inline constexpr qint64 kRecordOverhead = 12;
// Bytes the header-size rule looks at: "EMF\0" at 173 in old files.
inline constexpr qint64 kHeaderProbeSize = 177;

struct Header {
  uint32_t pageCount = 0;
  double created = 0;  // days since 30 December 1899, local time
  bool compressed = false;
};

QByteArray encodeHeader(const Header& header);
// Header size of a file beginning with `probe` (at least kHeaderProbeSize bytes
// for the old layout to be recognised).
qint64 headerSizeOf(QByteArrayView probe);
// `bytes` holds at least `headerSize` bytes.
Header decodeHeader(QByteArrayView bytes, qint64 headerSize);

QByteArray encodeRecord(uint32_t pageNumber, uint32_t start, QByteArrayView payload);

// A compressed payload: the uncompressed length, then the splay code.
QByteArray compressPicture(QByteArrayView picture);
// Nothing when the payload is corrupt or announces more than `maxLength` bytes.
std::optional<QByteArray> expandPicture(QByteArrayView payload, qint64 maxLength);

double toDays(const QDateTime& time);
// Invalid for values that are not finite or lie outside the years 1..9999.
QDateTime fromDays(double days);

void putU32(QByteArray& out, uint32_t value);
uint32_t getU32(QByteArrayView bytes, qint64 offset);

}  // namespace kopira::store::qrp
