#pragma once
// TQRBand: a horizontal strip of the page that holds child elements. Its
// left edge and width follow the page margins; its height is its own.
#include <QColor>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

#include "report/model/qr_frame.h"
#include "report/model/qr_printable.h"

namespace kopira::report {

enum class TQRBandType {
  rbTitle, rbPageHeader, rbDetail, rbPageFooter, rbSummary, rbGroupHeader, rbGroupFooter
};

// Rank of a band type in print order (top of the page first).
int printRank(TQRBandType type);

class TQRBand {
 public:
  TQRBand(QString name, TQRBandType type) : name_(std::move(name)), type_(type) {}

  const QString& name() const { return name_; }
  TQRBandType bandType() const { return type_; }

  // Size.Values: Height and Width in 0.1 mm; the width is bound to the margins.
  double height = 0;
  double width = 0;
  QColor color = Qt::white;
  TQRFrame frame;
  bool enabled = true;
  bool alignToBottom = false;
  bool forceNewPage = false;
  bool forceNewColumn = false;

  // Screen pixels at the report's zoom, from the paper corner.
  QRect pixelBounds;

  void addElement(std::unique_ptr<TQRPrintable> element) {
    elements_.push_back(std::move(element));
  }
  const std::vector<std::unique_ptr<TQRPrintable>>& elements() const { return elements_; }

  // Fills the band's strip at (x, y) in 0.1 mm, prints its elements there
  // and draws its frame.
  void print(ReportDestination& destination, double x, double y) const;

 private:
  QString name_;
  TQRBandType type_;
  std::vector<std::unique_ptr<TQRPrintable>> elements_;
};

}  // namespace kopira::report
