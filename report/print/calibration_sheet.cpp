#include "report/print/calibration_sheet.h"

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

#include "report/print/printer_device.h"
#include "report/print/sheet_placement.h"

namespace kopira::report {
namespace {

constexpr double kCrossInset = 30;  // mm from the edges
constexpr double kCrossArm = 8;
constexpr double kScaleInset = 8;   // the scales' base line, mm from the edge

class MillimetrePainter {
 public:
  MillimetrePainter(QPainter& painter, double dpi) : painter_(painter), pixelsPerMm_(dpi / 25.4) {}
  QPointF at(double xMm, double yMm) const { return {xMm * pixelsPerMm_, yMm * pixelsPerMm_}; }
  void line(double x1, double y1, double x2, double y2) { painter_.drawLine(at(x1, y1), at(x2, y2)); }
  void text(double xMm, double yMm, const QString& text) { painter_.drawText(at(xMm, yMm), text); }
  double pixels(double mm) const { return mm * pixelsPerMm_; }

 private:
  QPainter& painter_;
  double pixelsPerMm_;
};

QString mm(double value) { return QString::number(value, 'f', 1); }

void drawCross(MillimetrePainter& page, double x, double y) {
  page.line(x - kCrossArm, y, x + kCrossArm, y);
  page.line(x, y - kCrossArm, x, y + kCrossArm);
  page.text(x + 1.5, y - 1.5, QStringLiteral("横 %1 / 縦 %2 mm").arg(mm(x), mm(y)));
}

// Ticks every millimetre from the base line towards the edge: 5 mm at
// every tenth, 3.5 mm at every fifth, 2 mm otherwise; numbers every 10 mm.
void drawScale(MillimetrePainter& page, double lengthMm, bool alongTop) {
  for (int at = 0; at <= static_cast<int>(lengthMm); ++at) {
    const double tick = at % 10 == 0 ? 5 : at % 5 == 0 ? 3.5 : 2;
    if (alongTop)
      page.line(at, kScaleInset, at, kScaleInset - tick);
    else
      page.line(kScaleInset, at, kScaleInset - tick, at);
    if (at % 10 != 0 || at == 0) continue;
    if (alongTop)
      page.text(at + 0.5, kScaleInset + 3, QString::number(at));
    else
      page.text(kScaleInset + 0.8, at + 1.2, QString::number(at));
  }
}

}  // namespace

void drawCalibrationSheet(QPainter& painter, double dpi, const QSizeF& sheetMm, const PrintShift& shift) {
  MillimetrePainter page(painter, dpi);
  painter.setPen(QPen(Qt::black, page.pixels(0.1)));
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(qRound(page.pixels(2.5)));
  painter.setFont(font);

  drawScale(page, sheetMm.width(), true);
  drawScale(page, sheetMm.height(), false);
  const double right = std::floor(sheetMm.width() - kCrossInset);
  const double bottom = std::floor(sheetMm.height() - kCrossInset);
  for (const QPointF& cross : {QPointF(kCrossInset, kCrossInset), QPointF(right, kCrossInset),
                               QPointF(kCrossInset, bottom), QPointF(right, bottom),
                               QPointF(std::floor(sheetMm.width() / 2), std::floor(sheetMm.height() / 2))})
    drawCross(page, cross.x(), cross.y());

  font.setPixelSize(qRound(page.pixels(4)));
  painter.setFont(font);
  const double x = 45;
  double y = 60;
  const auto say = [&](const QString& text) {
    page.text(x, y, text);
    y += 7;
  };
  say(QStringLiteral("調整用紙　%1 × %2 mm").arg(mm(sheetMm.width()), mm(sheetMm.height())));
  say(QStringLiteral("印刷位置の調整：%1").arg(describePrintShift(shift)));
  say(QStringLiteral("十字の中心を用紙の左端と上端から定規で測り、表示の値と比べます。"));
  say(QStringLiteral("実測が表示より大きいときはその差をマイナスで、小さいときはプラスで"));
  say(QStringLiteral("今の調整に加えて入力します（横は右へ、縦は下へがプラス）。"));
  say(QStringLiteral("目盛りは用紙の端からの距離（mm）です。"));
}

std::optional<QString> PrintCalibrationSheet(const QString& queue, TQRPaperSize paper, const PrintShift& shift) {
  const int index = printerIndexOf(queue);
  if (index < 0) return QStringLiteral("プリンタ %1 が見つかりません").arg(queue);
  const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
  if (!printerSupports(info, paper))
    return QStringLiteral("プリンタ %1 は %2 の用紙に対応していません").arg(queue, paperSizeName(paper));
  PrinterValues values;
  values.paperSize = paper;
  values.title = QStringLiteral("調整用紙 %1").arg(paperSizeName(paper));
  QPrinter printer(QPrinter::HighResolution);
  writeDeviceMode(printer, info, values);
  QPainter painter;
  if (!painter.begin(&printer)) return QStringLiteral("プリンタに出力できません");
  painter.translate(sheetPlacement(printer, shift));
  drawCalibrationSheet(painter, printer.resolution(), QPageSize(pageSizeIdFor(paper)).size(QPageSize::Millimeter), shift);
  if (!painter.end()) return QStringLiteral("プリンタに出力できません");
  return std::nullopt;
}

}  // namespace kopira::report
