#pragma once
// The print-position adjustment of each printer queue, kept in the settings
// file: section "printshift", keys QUEUE.x and QUEUE.y in 0.1 mm. The
// section is written only once a shift is set. While it lives, it is the
// store everything printed takes its shift from.
#include "report/print/print_shift.h"

class TIniGT;

namespace kopira {

class PrintShiftSettings : public report::PrintShiftStore {
 public:
  explicit PrintShiftSettings(TIniGT& settings);
  ~PrintShiftSettings() override;
  PrintShiftSettings(const PrintShiftSettings&) = delete;
  PrintShiftSettings& operator=(const PrintShiftSettings&) = delete;
  report::PrintShift shiftFor(const QString& queue) const override;
  // A zero shift for a queue that has none stored writes nothing.
  bool store(const QString& queue, const report::PrintShift& shift) override;

 private:
  TIniGT& settings_;
};

}  // namespace kopira
