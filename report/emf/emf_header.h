#pragma once
// The header of an Enhanced Metafile: what a picture covers and how its
// logical units relate to millimetres.
#include <QByteArrayView>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>

namespace kopira::report {

struct EmfRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const EmfRect&) const = default;
};

struct EmfHeader {
  EmfRect bounds;     // what was drawn, in logical units, inclusive
  EmfRect frame;      // the picture, in 0.01 mm
  QSize device;       // reference device, pixels
  QSize millimeters;  // reference device, millimetres
  QSize micrometers;  // reference device, micrometres (empty when the header lacks it)
  uint32_t bytes = 0;
  uint32_t records = 0;
  uint16_t handles = 0;

  // Logical units (reference device pixels) per 0.01 mm.
  double unitsPerHundredthMmX() const;
  double unitsPerHundredthMmY() const;
};

// Reads and checks the header record. Rejects (nullopt, reason in *error)
// a wrong signature, a size field that does not fit the bytes given, counts
// that cannot be, and a reference device or frame without extent.
std::optional<EmfHeader> readEmfHeader(QByteArrayView bytes, QString* error = nullptr);

}  // namespace kopira::report
