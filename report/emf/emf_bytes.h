#pragma once
// Little-endian reading and writing of the integers in EMF records.
#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QtEndian>
#include <cstdint>

namespace kopira::report::emf {

class ByteWriter {
 public:
  void u8(uint8_t v) { bytes_.append(static_cast<char>(v)); }
  void u16(uint16_t v) { append(qToLittleEndian(v)); }
  void u32(uint32_t v) { append(qToLittleEndian(v)); }
  void i32(int32_t v) { append(qToLittleEndian(v)); }
  void f32(float v) { append(qToLittleEndian(v)); }
  void rect(int left, int top, int right, int bottom) {
    i32(left);
    i32(top);
    i32(right);
    i32(bottom);
  }
  // COLORREF: red, green, blue, 0.
  void color(const QColor& c) {
    u8(static_cast<uint8_t>(c.red()));
    u8(static_cast<uint8_t>(c.green()));
    u8(static_cast<uint8_t>(c.blue()));
    u8(0);
  }
  void raw(QByteArrayView b) { bytes_.append(b); }
  void zeros(qsizetype n) { bytes_.append(n, '\0'); }
  void padTo4() { zeros((4 - bytes_.size() % 4) % 4); }
  void putU32At(qsizetype at, uint32_t v) { qToLittleEndian(v, bytes_.data() + at); }
  qsizetype size() const { return bytes_.size(); }
  const QByteArray& bytes() const { return bytes_; }

 private:
  template <typename T>
  void append(T v) {
    bytes_.append(reinterpret_cast<const char*>(&v), sizeof v);
  }
  QByteArray bytes_;
};

// Reads fixed offsets of one record; the caller has checked the record's size.
class RecordReader {
 public:
  explicit RecordReader(QByteArrayView record) : record_(record) {}
  qsizetype size() const { return record_.size(); }
  bool has(qsizetype offset, qsizetype length) const {
    return offset >= 0 && length >= 0 && offset <= record_.size() && length <= record_.size() - offset;
  }
  uint8_t u8(qsizetype at) const { return static_cast<uint8_t>(record_[at]); }
  uint16_t u16(qsizetype at) const { return qFromLittleEndian<uint16_t>(record_.data() + at); }
  uint32_t u32(qsizetype at) const { return qFromLittleEndian<uint32_t>(record_.data() + at); }
  int32_t i32(qsizetype at) const { return qFromLittleEndian<int32_t>(record_.data() + at); }
  int16_t i16(qsizetype at) const { return qFromLittleEndian<int16_t>(record_.data() + at); }
  QColor color(qsizetype at) const { return QColor(u8(at), u8(at + 1), u8(at + 2)); }

 private:
  QByteArrayView record_;
};

}  // namespace kopira::report::emf
