#pragma once
// Helpers for the report engine tests: a destination that records what is
// drawn, and small layouts written inline.
#include <QList>
#include <QString>
#include <memory>

#include "report/draw/destination.h"
#include "report/emf/gdi_text.h"
#include "report/model/layout_loader.h"

namespace kopira::report::testing {

struct DrawnText {
  int x;
  int y;
  TextAlign align;
  QString text;
};

struct Fill {
  int left, top, right, bottom;
  QColor color;
};

// A surface that measures text like the real ones and records the calls.
class RecordingSurface : public DrawSurface {
 public:
  explicit RecordingSurface(int dpi) : dpi_(dpi) {}
  int dpiX() const override { return dpi_; }
  int dpiY() const override { return dpi_; }
  void setFont(const FontSpec& font) override { fontSpec = font; }
  void setPen(const PenSpec&) override {}
  void setBrush(const BrushSpec&) override {}
  void fillRect(int l, int t, int r, int b, const QColor& c) override { fills << Fill{l, t, r, b, c}; }
  void rectangle(int l, int t, int r, int b) override { rectangles << Fill{l, t, r, b, Qt::black}; }
  void ellipse(int, int, int, int) override {}
  void line(int, int, int, int) override {}
  void textOut(int x, int y, TextAlign a, const QString& s) override { texts << DrawnText{x, y, a, s}; }
  QSize textExtent(const QString& s) override { return kopira::report::textExtent(fontSpec, s, dpi_, dpi_); }

  FontSpec fontSpec;
  QList<Fill> fills;
  QList<Fill> rectangles;
  QList<DrawnText> texts;

 private:
  int dpi_;
};

class RecordingDestination : public ReportDestination {
 public:
  explicit RecordingDestination(int dpi = 96) : dpi_(dpi) {}
  QList<std::shared_ptr<RecordingSurface>> pages;
  bool failOnNewPage = false;
  bool aborted = false;

 protected:
  void startDocument() override { setFactors(dpi_ / 254.0, dpi_ / 254.0); }
  void openPage() override {
    if (failOnNewPage) throw std::runtime_error("device gone");
    pages << std::make_shared<RecordingSurface>(dpi_);
  }
  void closePage() override {}
  void finishDocument() override {}
  void abortDocument() override { aborted = true; }
  DrawSurface* pageSurface() override { return pages.isEmpty() ? nullptr : pages.last().get(); }

 private:
  int dpi_;
};

// An A4 page (margins 10 mm) holding the given element objects (JSON text
// of the "elements" array without brackets) and further page keys.
inline std::unique_ptr<TQRReport> smallPage(const QString& elements, const QString& extra = QString()) {
  const QString json = QStringLiteral(
                           R"({"format": 1, "name": "QRReport1",
      "page": {"paperSize": "A4", "values": [100, 2970, 100, 2100, 100, 100, 0]},
      "bands": [{"name": "TitleBand1", "type": "rbTitle", "height": 11, "width": 1900}],
      %1 "elements": [%2]})")
                           .arg(extra, elements);
  return loadLayoutJson(json.toUtf8(), QStringLiteral("test"));
}

// A gothic 10-point font object for element JSON.
inline const QString kGothic10 = QStringLiteral(R"({"name": "ＭＳ ゴシック", "size": 10})");

}  // namespace kopira::report::testing
