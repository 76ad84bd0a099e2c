#include "report/store/qrp_format.h"

#include "report/store/splay_code.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

namespace kopira::store::qrp {
namespace {

const QDate kDayZero(1899, 12, 30);
constexpr double kMsecsPerDay = 86400000.0;

struct HeaderFields {
  qint64 created;
  qint64 compressed;
};

HeaderFields fieldsFor(qint64 headerSize) {
  return headerSize == kOldHeaderSize ? HeaderFields{12, 21} : HeaderFields{16, 25};
}

}  // namespace

void putU32(QByteArray& out, uint32_t value) {
  char le[4];
  qToLittleEndian(value, le);
  out.append(le, 4);
}

uint32_t getU32(QByteArrayView bytes, qint64 offset) { return qFromLittleEndian<uint32_t>(bytes.data() + offset); }

QByteArray encodeHeader(const Header& header) {
  QByteArray out(kHeaderSize, '\0');
  qToLittleEndian(kFormatVersion, out.data());
  qToLittleEndian(kEngineVersion, out.data() + 2);
  qToLittleEndian(header.pageCount, out.data() + 8);
  const HeaderFields at = fieldsFor(kHeaderSize);
  uint64_t timeBits = 0;
  std::memcpy(&timeBits, &header.created, sizeof timeBits);
  qToLittleEndian(timeBits, out.data() + at.created);
  out[at.compressed] = header.compressed ? 1 : 0;
  return out;
}

qint64 headerSizeOf(QByteArrayView probe) {
  const bool oldLayout = probe.size() >= kHeaderProbeSize && probe.sliced(173, 4) == QByteArrayView("EMF\0", 4);
  return oldLayout ? kOldHeaderSize : kHeaderSize;
}

Header decodeHeader(QByteArrayView bytes, qint64 headerSize) {
  const HeaderFields at = fieldsFor(headerSize);
  Header header;
  header.pageCount = getU32(bytes, 8);
  const uint64_t timeBits = qFromLittleEndian<uint64_t>(bytes.data() + at.created);
  std::memcpy(&header.created, &timeBits, sizeof timeBits);
  header.compressed = bytes[at.compressed] != 0;
  return header;
}

QByteArray encodeRecord(uint32_t pageNumber, uint32_t start, QByteArrayView payload) {
  QByteArray out;
  out.reserve(payload.size() + kRecordOverhead);
  putU32(out, pageNumber);
  putU32(out, static_cast<uint32_t>(start + payload.size() + kRecordOverhead));
  out.append(payload);
  putU32(out, start);
  return out;
}

QByteArray compressPicture(QByteArrayView picture) {
  QByteArray out;
  putU32(out, static_cast<uint32_t>(picture.size()));
  out.append(splayEncode(picture));
  return out;
}

std::optional<QByteArray> expandPicture(QByteArrayView payload, qint64 maxLength) {
  if (payload.size() < 4) return std::nullopt;
  const uint32_t length = getU32(payload, 0);
  if (length > maxLength) return std::nullopt;
  return splayDecode(payload.sliced(4), length);
}

double toDays(const QDateTime& time) {
  const QDateTime local = time.toLocalTime();
  return static_cast<double>(kDayZero.daysTo(local.date())) + local.time().msecsSinceStartOfDay() / kMsecsPerDay;
}

QDateTime fromDays(double days) {
  // 1 January 1 to 31 December 9999, the range of the platform's date type.
  if (!std::isfinite(days) || days < -693593.0 || days >= 2958466.0) return {};
  const double whole = std::floor(days);
  const QDate date = kDayZero.addDays(static_cast<qint64>(whole));
  const int msecs = static_cast<int>(std::lround((days - whole) * kMsecsPerDay));
  return QDateTime(date, QTime(0, 0)).addMSecs(msecs);
}

}  // namespace kopira::store::qrp
