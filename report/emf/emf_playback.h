#pragma once
// The device context of a picture being played: selected objects, text
// settings, current position, the object table; and the drawing of each
// record in target pixels.
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <variant>
#include <vector>

#include "report/emf/emf_bytes.h"
#include "report/emf/emf_header.h"
#include "report/core/surface.h"

namespace kopira::report {

class EmfPlayback {
 public:
  EmfPlayback(QPainter& painter, const EmfHeader& header, const QRectF& target);

  // Plays one record (its bytes, type and size included). Returns the reason
  // when the record is malformed, else an empty string. Unknown records are
  // skipped.
  QString play(const emf::RecordReader& record);

 private:
  struct Font {
    FontSpec fontSpec;  // pixel height already scaled to the target
    QFont font;
    int ascent = 0;
    int height = 0;
  };
  using Object = std::variant<std::monostate, PenSpec, BrushSpec, Font>;
  struct State {
    PenSpec pen;
    BrushSpec brush;
    Font font;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    uint32_t textAlign = 0;
    uint32_t bkMode = 2;  // opaque, GDI's default
    int x = 0;            // current position, logical
    int y = 0;
  };

  int mapX(int64_t x) const;
  int mapY(int64_t y) const;
  Font makeFont(FontSpec fontSpec, int logicalHeight) const;
  PenSpec scaledPen() const;

  QString createObject(const emf::RecordReader& r);
  QString selectObject(uint32_t handle);
  QString deleteObject(uint32_t handle);
  QString box(const emf::RecordReader& r);
  QString lineTo(const emf::RecordReader& r);
  QString poly(const emf::RecordReader& r);
  QString text(const emf::RecordReader& r);
  void restoreDc(int32_t relative);

  QPainter& painter_;
  uint16_t handles_;
  double scaleX_;
  double scaleY_;
  double originX_;
  double originY_;
  State state_;
  std::vector<State> saved_;
  std::vector<Object> objects_;
};

}  // namespace kopira::report
