#pragma once
// Print-position adjustments held in memory, as the settings file would
// hold them, in force while the object lives.
#include <map>

#include "report/print/print_shift.h"

namespace kopira::printtest {

class ShiftsInMemory : public report::PrintShiftStore {
 public:
  ShiftsInMemory() : previous_(report::printShiftStore()) { report::setPrintShiftStore(this); }
  ~ShiftsInMemory() override { report::setPrintShiftStore(previous_); }
  report::PrintShift shiftFor(const QString& queue) const override {
    const auto found = shifts.find(queue);
    return found == shifts.end() ? report::PrintShift{} : found->second;
  }
  bool store(const QString& queue, const report::PrintShift& shift) override {
    shifts[queue] = shift;
    return true;
  }
  std::map<QString, report::PrintShift> shifts;

 private:
  report::PrintShiftStore* previous_;
};

}  // namespace kopira::printtest
