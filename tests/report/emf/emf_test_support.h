#pragma once
// Walking the records of a recorded picture, for the EMF tests.
#include <QByteArray>
#include <QImage>
#include <QtEndian>
#include <cstdint>
#include <vector>

namespace kopira::report::testing {

struct Record {
  uint32_t type;
  QByteArray bytes;  // the whole record
  uint32_t u32(int at) const { return qFromLittleEndian<uint32_t>(bytes.constData() + at); }
  int32_t i32(int at) const { return qFromLittleEndian<int32_t>(bytes.constData() + at); }
};

inline std::vector<Record> records(const QByteArray& emf) {
  std::vector<Record> out;
  for (qsizetype at = 0; at + 8 <= emf.size();) {
    const auto size = qFromLittleEndian<uint32_t>(emf.constData() + at + 4);
    if (size < 8 || at + size > emf.size()) break;
    out.push_back({qFromLittleEndian<uint32_t>(emf.constData() + at), emf.mid(at, size)});
    at += size;
  }
  return out;
}

// A white page at 96 dpi, as pages are measured and painted.
inline QImage blankPage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.fill(Qt::white);
  return image;
}

}  // namespace kopira::report::testing
