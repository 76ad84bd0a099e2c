#pragma once
// TQRPage: paper size, orientation, columns and the seven page lengths
// (Page.Values) in 0.1 mm. Tells its report when the geometry changed.
#include <array>
#include <functional>

#include "report/core/paper_sizes.h"

namespace kopira::report {

class TQRPage {
 public:
  // Page.Values in stored order.
  enum Value { BottomMargin, Length, TopMargin, Width, LeftMargin, RightMargin, ColumnSpace };
  using Values = std::array<double, 7>;

  explicit TQRPage(std::function<void()> geometryChanged)
      : geometryChanged_(std::move(geometryChanged)) {}

  TQRPaperSize paperSize() const { return paperSize_; }
  // A table size sets Width and Length (swapped for landscape); Default and
  // Custom change only the field.
  void setPaperSize(TQRPaperSize size);
  TQROrientation orientation() const { return orientation_; }
  // Re-applies the current paper size.
  void setOrientation(TQROrientation orientation);

  int columns() const { return columns_; }
  void setColumns(int columns) { columns_ = columns < 1 ? 1 : columns; }
  bool ruler = false;

  const Values& values() const { return values_; }
  // Takes stored values as they are (loading a layout).
  void setValues(const Values& values);
  double value(Value which) const { return values_[which]; }

  // Width and Length are settable only for Custom paper; the margins and
  // the column space always.
  void setWidth(double width);
  void setLength(double length);
  void setMargin(Value which, double length);

 private:
  void changed() const {
    if (geometryChanged_) geometryChanged_();
  }

  std::function<void()> geometryChanged_;
  TQRPaperSize paperSize_ = TQRPaperSize::A4;
  TQROrientation orientation_ = TQROrientation::poPortrait;
  int columns_ = 1;
  Values values_{100, 2970, 100, 2100, 100, 100, 0};
};

}  // namespace kopira::report
