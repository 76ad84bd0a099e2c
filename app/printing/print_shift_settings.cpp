#include "app/printing/print_shift_settings.h"

#include <algorithm>
#include <limits>

#include "settings/tinigt.h"

namespace kopira {
namespace {

const QString kSection = QStringLiteral("printshift");
constexpr int kNotStored = std::numeric_limits<int>::min();

QString acrossKey(const QString& queue) { return queue + QStringLiteral(".x"); }
QString downKey(const QString& queue) { return queue + QStringLiteral(".y"); }

// A value edited by hand beyond the range is held at its end.
int withinRange(int tenths) { return std::clamp(tenths, -report::kMaxPrintShift, report::kMaxPrintShift); }

}  // namespace

PrintShiftSettings::PrintShiftSettings(TIniGT& settings) : settings_(settings) {
  report::setPrintShiftStore(this);
}

PrintShiftSettings::~PrintShiftSettings() {
  if (report::printShiftStore() == this) report::setPrintShiftStore(nullptr);
}

report::PrintShift PrintShiftSettings::shiftFor(const QString& queue) const {
  return {withinRange(settings_.ReadNumber(kSection, acrossKey(queue), 0)),
          withinRange(settings_.ReadNumber(kSection, downKey(queue), 0))};
}

bool PrintShiftSettings::store(const QString& queue, const report::PrintShift& shift) {
  const bool stored = settings_.ReadNumber(kSection, acrossKey(queue), kNotStored) != kNotStored ||
                      settings_.ReadNumber(kSection, downKey(queue), kNotStored) != kNotStored;
  if (shift.isZero() && !stored) return true;
  try {
    settings_.WriteNumber(kSection, acrossKey(queue), withinRange(shift.across));
    settings_.WriteNumber(kSection, downKey(queue), withinRange(shift.down));
  } catch (const EIniWriteError&) {
    return false;
  }
  return true;
}

}  // namespace kopira
