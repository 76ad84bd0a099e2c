#pragma once
// Records one page into an Enhanced Metafile (MS-EMF) that other EMF readers
// open: logical units are the page's device pixels at the reference dpi,
// and the header's frame is the whole page in 0.01 mm.
#include <QByteArray>
#include <QSize>
#include <vector>

#include "report/emf/emf_bytes.h"
#include "report/core/surface.h"

namespace kopira::report {

class EmfRecorder final : public DrawSurface {
 public:
  // pagePixels: the page at dpi (A4 at 96 dpi: 794 x 1123). frame: the page
  // in 0.01 mm as the header states it, right and bottom exclusive, e.g.
  // (21000, 29700) for A4; when empty it is derived from pagePixels.
  EmfRecorder(QSize pagePixels, int dpi, QSize frameHundredthsMm = QSize());

  int dpiX() const override { return dpi_; }
  int dpiY() const override { return dpi_; }

  void setFont(const FontSpec& font) override;
  void setPen(const PenSpec& pen) override;
  void setBrush(const BrushSpec& brush) override;

  void fillRect(int left, int top, int right, int bottom, const QColor& color) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void ellipse(int left, int top, int right, int bottom) override;
  void line(int x1, int y1, int x2, int y2) override;
  void textOut(int x, int y, TextAlign align, const QString& text) override;
  QSize textExtent(const QString& text) override;

  // The complete picture. Drawing after this is ignored; calling it again
  // returns the same bytes.
  QByteArray finish();

 private:
  enum class Slot { Pen, Brush, Font };
  struct Object {
    QByteArray key;  // record type and contents: equal keys are the same object
    uint32_t handle;
    uint64_t lastUse;
  };

  void beginRecord(uint32_t type);
  void endRecord();
  void simpleRecord(uint32_t type, uint32_t value);
  uint32_t objectFor(uint32_t type, const QByteArray& contents);
  uint32_t freeHandle();
  void select(Slot slot, uint32_t handle);
  void selectPen();
  void selectBrush(const BrushSpec& brush);
  void selectFont();
  void setTextAlign(uint32_t mode);
  void setTextColor(const QColor& color);
  void boxRecord(uint32_t type, int left, int top, int right, int bottom);
  void shapeRecord(uint32_t type, int left, int top, int right, int bottom, bool outlined);
  void addBounds(int left, int top, int right, int bottom);
  void releaseObjects();
  bool finished() const { return !picture_.isEmpty(); }

  QSize page_;
  int dpi_;
  QSize frame_;
  emf::ByteWriter body_;
  qsizetype recordStart_ = 0;
  uint32_t records_ = 0;

  PenSpec pen_;
  BrushSpec brush_;
  FontSpec font_;
  std::vector<Object> objects_;
  std::vector<bool> handleUsed_{true};  // handle 0 is the picture itself
  uint64_t useClock_ = 0;
  uint32_t selected_[3] = {0, 0, 0};
  uint32_t textAlign_ = 0;
  QColor textColor_ = Qt::black;
  int posX_ = 0;
  int posY_ = 0;

  bool hasBounds_ = false;
  int boundsLeft_ = 0, boundsTop_ = 0, boundsRight_ = -1, boundsBottom_ = -1;
  QByteArray picture_;
};

}  // namespace kopira::report
