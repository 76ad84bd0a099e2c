#include "app/controls/row_pitch_layout.h"

#include <QFontMetrics>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

RowPitchLayout::RowPitchLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

int RowPitchLayout::rowPitch() const {
  const QFont font = document()->defaultFont();
  return font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
}

QRectF RowPitchLayout::blockBoundingRect(const QTextBlock& block) const {
  QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);  // lays the block out first
  QTextLayout* layout = block.isValid() ? block.layout() : nullptr;
  if (layout == nullptr || layout->lineCount() == 0 || !block.isVisible()) return rect;
  // The base layout stacks the lines by their own height; restack them at
  // the row pitch (again after every fresh layout of the block) and let the
  // block end one pitch below its last row's top.
  const int pitch = rowPitch();
  const qreal laidOutBottom = layout->boundingRect().bottom();
  const qreal top = layout->lineAt(0).y();
  for (int i = 0; i < layout->lineCount(); ++i) {
    QTextLine line = layout->lineAt(i);
    line.setPosition(QPointF(line.x(), top + i * pitch));
  }
  rect.setBottom(rect.bottom() - laidOutBottom + top + layout->lineCount() * pitch);
  return rect;
}
