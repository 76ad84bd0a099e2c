#include "report/print/calibration_sheet.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

#include "report/print/printer_device.h"
#include "report/print/sheet_placement.h"

namespace kopira::report {
namespace {

constexpr double kCrossInset = 30;  // mm from the left and top, right and bottom edges
constexpr double kCrossArm = 8;
constexpr double kScaleStart = 10;      // the top scale from the left, both from the top
constexpr double kLeftScaleStart = 25;  // the left scale begins below the top scale's numbers
constexpr double kLongTick = 5;
constexpr double kScaleDigits = 2.5;  // text heights in mm
constexpr double kLabelText = 2.5;
constexpr double kNoteText = 3.5;

enum class Anchor { Left, Centre, Right };

// A text with its baseline through `at` (mm); the anchor says which end or
// the middle lies at `at`.
struct SheetText {
  QPointF at;
  QString text;
  double heightMm;
  Anchor anchor = Anchor::Left;
};

struct SheetLayout {
  QList<QLineF> lines;  // mm
  QList<SheetText> texts;
};

QString mm(double value) { return QString::number(value, 'f', 1); }

// A scale of whole millimetres from its start, numbered by the length from
// there: 5 mm ticks every tenth, 3.5 mm every fifth, 2 mm otherwise, all
// pointing away from the edge it runs along.
void addScale(SheetLayout& sheet, QPointF start, int length, bool across) {
  const QPointF along = across ? QPointF(1, 0) : QPointF(0, 1);
  const QPointF inwards = across ? QPointF(0, 1) : QPointF(1, 0);
  sheet.lines << QLineF(start, start + along * length);
  for (int at = 0; at <= length; ++at) {
    const double tick = at % 10 == 0 ? kLongTick : at % 5 == 0 ? 3.5 : 2;
    const QPointF base = start + along * at;
    sheet.lines << QLineF(base, base + inwards * tick);
    if (at % 10 != 0) continue;
    const QString number = QString::number(at);
    if (across)
      sheet.texts << SheetText{base + QPointF(0, kLongTick + 1 + kScaleDigits * 0.8), number, kScaleDigits, Anchor::Centre};
    else
      sheet.texts << SheetText{base + QPointF(kLongTick + 1, kScaleDigits * 0.35), number, kScaleDigits};
  }
}

SheetLayout layoutSheet(const QSizeF& sheetMm, const PrintShift& shift) {
  SheetLayout sheet;
  const auto tens = [](double mm) { return static_cast<int>(std::floor(mm / 10)) * 10; };
  // The top scale ends short enough for its last number to stay clear too.
  addScale(sheet, {kScaleStart, kScaleStart}, tens(sheetMm.width() - 2 * kScaleStart - 3), true);
  addScale(sheet, {kScaleStart, kLeftScaleStart}, tens(sheetMm.height() - kLeftScaleStart - kScaleStart), false);

  // Each label stands above its cross's arm, towards the middle of the sheet.
  for (const CalibrationCross& cross : calibrationCrosses(sheetMm)) {
    const QPointF c = cross.centreMm;
    sheet.lines << QLineF(c.x() - kCrossArm, c.y(), c.x() + kCrossArm, c.y())
                << QLineF(c.x(), c.y() - kCrossArm, c.x(), c.y() + kCrossArm);
    const bool rightHalf = c.x() > sheetMm.width() / 2 + 1;
    sheet.texts << SheetText{c + QPointF(rightHalf ? -1.5 : 1.5, -1.5), cross.label, kLabelText,
                             rightHalf ? Anchor::Right : Anchor::Left};
  }

  const QStringList notes{
      QStringLiteral("調整用紙　%1 × %2 mm").arg(mm(sheetMm.width()), mm(sheetMm.height())),
      QStringLiteral("この用紙は印刷位置の調整（%1）を加えて印刷しています。").arg(describePrintShift(shift)),
      QStringLiteral("十字の中心を、用紙の左端と上端から定規で測ります。"),
      QStringLiteral("表示の値から実測値を引いた差を、今の調整に足して入力します。"),
      QStringLiteral("横は右へ、縦は下へ動かす向きがプラスです。"),
      QStringLiteral("上と左の目盛りは 1 mm 刻みです。定規を当てて長さが合えば、"),
      QStringLiteral("プリンタは用紙を伸び縮みさせていません。"),
      QStringLiteral("位置は目盛りでは測れません。用紙の端から定規で測ります。"),
  };
  double y = 50;
  for (const QString& note : notes) {
    sheet.texts << SheetText{{40, y}, note, kNoteText};
    y += 6;
  }
  return sheet;
}

QFont sheetFont(const SheetText& text, double pixelsPerMm) {
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(qRound(text.heightMm * pixelsPerMm));
  return font;
}

// The text's box in pixels: from its ascent to its descent, across its advance.
QRectF pixelBox(const SheetText& text, double pixelsPerMm) {
  const QFontMetricsF metrics(sheetFont(text, pixelsPerMm));
  const double width = metrics.horizontalAdvance(text.text);
  const QPointF at = text.at * pixelsPerMm;
  const double left = text.anchor == Anchor::Left ? at.x() : text.anchor == Anchor::Centre ? at.x() - width / 2 : at.x() - width;
  return {left, at.y() - metrics.ascent(), width, metrics.ascent() + metrics.descent()};
}

}  // namespace

QList<CalibrationCross> calibrationCrosses(const QSizeF& sheetMm) {
  const double right = std::floor(sheetMm.width() - kCrossInset);
  const double bottom = std::floor(sheetMm.height() - kCrossInset);
  QList<CalibrationCross> crosses;
  for (const QPointF& centre : {QPointF(kCrossInset, kCrossInset), QPointF(right, kCrossInset), QPointF(kCrossInset, bottom),
                                QPointF(right, bottom), QPointF(std::floor(sheetMm.width() / 2), std::floor(sheetMm.height() / 2))})
    crosses << CalibrationCross{centre, QStringLiteral("横 %1 / 縦 %2 mm").arg(mm(centre.x()), mm(centre.y()))};
  return crosses;
}

QList<QRectF> calibrationTextBoxes(const QSizeF& sheetMm, const PrintShift& shift, double dpi) {
  const double pixelsPerMm = dpi / 25.4;
  QList<QRectF> boxes;
  for (const SheetText& text : layoutSheet(sheetMm, shift).texts) {
    const QRectF box = pixelBox(text, pixelsPerMm);
    boxes << QRectF(box.topLeft() / pixelsPerMm, box.size() / pixelsPerMm);
  }
  return boxes;
}

void drawCalibrationSheet(QPainter& painter, double dpi, const QSizeF& sheetMm, const PrintShift& shift) {
  const double pixelsPerMm = dpi / 25.4;
  const SheetLayout sheet = layoutSheet(sheetMm, shift);
  painter.setPen(QPen(Qt::black, 0.1 * pixelsPerMm));
  for (const QLineF& line : sheet.lines) painter.drawLine(QLineF(line.p1() * pixelsPerMm, line.p2() * pixelsPerMm));
  for (const SheetText& text : sheet.texts) {
    const QRectF box = pixelBox(text, pixelsPerMm);
    painter.setFont(sheetFont(text, pixelsPerMm));
    painter.drawText(QPointF(box.left(), text.at.y() * pixelsPerMm), text.text);
  }
}

PrintOutcome PrintCalibrationSheet(const QString& queue, TQRPaperSize paper, const PrintShift& shift) {
  if (printerIndexOf(queue) < 0) return {PrintOutcome::Kind::NoPrinter};
  const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
  if (!printerSupports(info, paper))
    return PrintOutcome::failed(QStringLiteral("プリンタ %1 は %2 の用紙に対応していません").arg(queue, paperSizeName(paper)));
  PrinterValues values;
  values.paperSize = paper;
  values.title = QStringLiteral("調整用紙 %1").arg(paperSizeName(paper));
  QPrinter printer(QPrinter::HighResolution);
  writeDeviceMode(printer, info, values);
  QPainter painter;
  if (!painter.begin(&printer)) return PrintOutcome::failed(QStringLiteral("プリンタに出力できません"));
  painter.translate(sheetPlacement(printer, shift));
  drawCalibrationSheet(painter, printer.resolution(), QPageSize(pageSizeIdFor(paper)).size(QPageSize::Millimeter), shift);
  if (!painter.end()) return PrintOutcome::failed(QStringLiteral("プリンタに出力できません"));
  return handedToQueue(queue, 1);
}

}  // namespace kopira::report
