#pragma once
// The print-position adjustment of a printer queue: how far everything
// printed on it is moved, so that a printer which feeds its paper a little
// off still lands the drawing where the page puts it. Kept per queue by a
// store the program installs (its settings file); without one every shift
// is zero.
#include <QString>

namespace kopira::report {

// In 0.1 mm: positive across moves the drawing right, positive down moves
// it down. Each lies within ±kMaxPrintShift.
struct PrintShift {
  int across = 0;
  int down = 0;
  bool isZero() const { return across == 0 && down == 0; }
  bool operator==(const PrintShift&) const = default;
};

inline constexpr int kMaxPrintShift = 100;  // 10.0 mm

// "横 +1.5 mm、縦 −0.8 mm": how the dialog states a shift.
QString describePrintShift(const PrintShift& shift);

class PrintShiftStore {
 public:
  virtual ~PrintShiftStore() = default;
  virtual PrintShift shiftFor(const QString& queue) const = 0;
  // False when the shift could not be saved.
  virtual bool store(const QString& queue, const PrintShift& shift) = 0;
};

// The shift stored for a queue; zero without a store.
PrintShift storedPrintShift(const QString& queue);
// The store in use, or nullptr; installing nullptr removes it (not owned).
PrintShiftStore* printShiftStore();
void setPrintShiftStore(PrintShiftStore* store);

}  // namespace kopira::report
