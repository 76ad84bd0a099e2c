#include "report/print/print_shift.h"

#include <cstdlib>

namespace kopira::report {
namespace {

PrintShiftStore* installed = nullptr;

// One decimal, always signed; the minus is the full-width one of CP932.
QString millimetres(int tenths) {
  const QString number = QString::number(std::abs(tenths) / 10.0, 'f', 1);
  if (tenths == 0) return number;
  return (tenths > 0 ? QStringLiteral("+") : QStringLiteral("－")) + number;
}

}  // namespace

QString describePrintShift(const PrintShift& shift) {
  return QStringLiteral("横 %1 mm、縦 %2 mm").arg(millimetres(shift.across), millimetres(shift.down));
}

PrintShift storedPrintShift(const QString& queue) {
  return installed && !queue.isEmpty() ? installed->shiftFor(queue) : PrintShift{};
}

PrintShiftStore* printShiftStore() { return installed; }
void setPrintShiftStore(PrintShiftStore* store) { installed = store; }

}  // namespace kopira::report
