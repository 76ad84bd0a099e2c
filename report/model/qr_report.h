#pragma once
// TQRReport: one report page. Owns its page description, frame, bands and
// page-surface elements; generates its page onto a destination.
//
//   auto report = loadLayout(":/layouts/land.json");
//   report->label("QRLabel25")->setCaption(office);
//   report->memo("QRMemo1")->setLines(lines);
//   ImageDestination images(96);
//   report->GeneratePages(images);
#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

#include "report/core/printer_settings.h"
#include "report/model/qr_band.h"
#include "report/model/qr_font.h"
#include "report/model/qr_frame.h"
#include "report/model/qr_page.h"
#include "report/core/qr_units.h"

namespace kopira::report {

class ReportDestination;
class TQRLabel;
class TQRMemo;
class TQRShape;

struct TQROptions {
  bool firstPageHeader = false;
  bool lastPageFooter = false;
  bool compression = false;
};

class TQRReport : public TQRElementOwner {
 public:
  explicit TQRReport(QString name = QStringLiteral("QRReport1"));
  ~TQRReport();
  TQRReport(const TQRReport&) = delete;
  TQRReport& operator=(const TQRReport&) = delete;

  const QString& name() const { return name_; }

  TQRPage& page() { return page_; }
  const TQRPage& page() const { return page_; }
  TQRFrame frame;
  TQROptions options;
  TQRPrinterSettings printerSettings;
  QList<QPair<QString, QString>> functions;
  bool printIfEmpty = true;
  bool snapToGrid = true;
  QString reportTitle;
  // The form's own name: the title of its print jobs and PDF files when
  // the report title is empty (the preview's caption stays the report title).
  QString formName;
  bool showProgress = true;
  int tag = 0;
  TQRFont font;  // the page font

  TQRUnit units() const { return units_; }
  void setUnits(TQRUnit units) { units_ = units; }
  // Percent, 1 to 300; other values are ignored. Scales the pixel geometry.
  int zoom() const override { return zoom_; }
  void setZoom(int zoom);
  // A length in 0.1 mm as the current unit presents it, and back.
  double presented(double native, ValueDirection direction) const;
  double native(double presented, ValueDirection direction) const;

  // Paper size in screen pixels at the zoom.
  QSize pixelSize() const { return pixelSize_; }

  // Bands are kept in print order; elements in painting order.
  void addBand(std::unique_ptr<TQRBand> band);
  void addElement(std::unique_ptr<TQRPrintable> element);
  const std::vector<std::unique_ptr<TQRBand>>& bands() const { return bands_; }
  const std::vector<std::unique_ptr<TQRPrintable>>& elements() const { return elements_; }

  // Elements by name, on the page surface or in a band; null when there is
  // no such element of that kind.
  TQRPrintable* element(const QString& name) const;
  TQRLabel* label(const QString& name) const;
  TQRMemo* memo(const QString& name) const;
  TQRShape* shape(const QString& name) const;
  TQRBand* band(const QString& name) const;

  // Recomputes the pixel size of the paper, the band geometry and every
  // element's pixel bounds.
  void recomputeGeometry();

  // Lays out the page and draws it onto the destination. Ignored while a
  // run is going on. An error of the destination ends the run (the
  // document is aborted), leaves the report available and is rethrown.
  void GeneratePages(ReportDestination& destination);
  bool available() const { return available_; }

 private:
  class Run;

  void recomputeBandGeometry();

  QString name_;
  TQRPage page_;
  TQRUnit units_ = TQRUnit::MM;
  int zoom_ = 100;
  QSize pixelSize_;
  std::vector<std::unique_ptr<TQRBand>> bands_;
  std::vector<std::unique_ptr<TQRPrintable>> elements_;
  bool available_ = true;
};

}  // namespace kopira::report
