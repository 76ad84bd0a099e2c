#include "report/preview/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kopira::report {
namespace {

const QColor kInk(0x20, 0x20, 0x20);
const QColor kPaper(Qt::white);
const QColor kAccent(0x1f, 0x5f, 0xbf);

// A sheet of paper with a folded corner.
void drawSheet(QPainter& p, const QRect& r) {
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - 3, r.top());
  path.lineTo(r.right(), r.top() + 3);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawPath(path);
}

// A filled triangle pointing left (dir -1) or right (dir +1) with its tip at x.
void drawArrowHead(QPainter& p, int x, int dir) {
  const QPointF tip(x + 0.5, 8);
  const QPointF pts[3] = {tip, QPointF(tip.x() - 5 * dir, 3.5), QPointF(tip.x() - 5 * dir, 12.5)};
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawPolygon(pts, 3);
}

void drawBar(QPainter& p, int x) { p.fillRect(x, 3, 2, 10, kAccent); }

void drawPrinter(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawRect(4, 1, 7, 5);   // sheet going in
  p.setBrush(QColor(0xc0, 0xc0, 0xc0));
  p.drawRect(1, 6, 13, 6);  // body
  p.setBrush(kPaper);
  p.drawRect(4, 10, 7, 4);  // sheet coming out
  p.fillRect(11, 8, 2, 1, QColor(0x20, 0xa0, 0x20));
}

void drawMagnifier(QPainter& p) {
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(kPaper);
  p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10, 10), QPointF(14, 14));
}

void paint(QPainter& p, ToolbarImage image) {
  switch (image) {
    case ToolbarImage::ZoomFit:
      drawSheet(p, QRect(3, 1, 9, 13));
      p.fillRect(5, 4, 5, 1, kAccent);
      p.fillRect(5, 7, 5, 1, kAccent);
      p.fillRect(5, 10, 5, 1, kAccent);
      break;
    case ToolbarImage::Zoom100:
      drawMagnifier(p);
      p.setPen(kAccent);
      p.drawLine(6, 3, 6, 8);
      p.drawLine(5, 4, 6, 3);
      break;
    case ToolbarImage::ZoomWidth:
      drawSheet(p, QRect(1, 1, 13, 13));
      p.setPen(QPen(kAccent, 1));
      p.drawLine(3, 8, 12, 8);
      p.drawLine(3, 8, 5, 6);
      p.drawLine(3, 8, 5, 10);
      p.drawLine(12, 8, 10, 6);
      p.drawLine(12, 8, 10, 10);
      break;
    case ToolbarImage::FirstPage:
      drawBar(p, 3);
      drawArrowHead(p, 5, -1);
      break;
    case ToolbarImage::PreviousPage:
      drawArrowHead(p, 5, -1);
      break;
    case ToolbarImage::NextPage:
      drawArrowHead(p, 10, 1);
      break;
    case ToolbarImage::LastPage:
      drawArrowHead(p, 10, 1);
      drawBar(p, 11);
      break;
    case ToolbarImage::PrintSetup:
      drawPrinter(p);
      p.setPen(QPen(kAccent, 2));
      p.drawLine(11, 15, 15, 11);
      break;
    case ToolbarImage::Print:
      drawPrinter(p);
      break;
    case ToolbarImage::Load: {
      p.setPen(kInk);
      p.setBrush(QColor(0xe8, 0xc0, 0x50));
      p.drawRect(1, 4, 12, 9);
      p.drawRect(1, 3, 5, 1);
      p.setPen(QPen(kAccent, 1.5));
      p.drawLine(QPointF(10, 1.5), QPointF(14, 1.5));
      p.drawLine(QPointF(14, 1.5), QPointF(14, 5));
      break;
    }
    case ToolbarImage::Save:
      p.setPen(kInk);
      p.setBrush(kAccent);
      p.drawRect(1, 1, 13, 13);
      p.setBrush(kPaper);
      p.drawRect(4, 1, 7, 5);
      p.fillRect(4, 9, 8, 5, QColor(0xc0, 0xc0, 0xc0));
      break;
  }
}

}  // namespace

QIcon toolbarIcon(ToolbarImage image) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, true);
  paint(p, image);
  p.end();
  return QIcon(pixmap);
}

}  // namespace kopira::report
