#pragma once
// The layout of a multi-line box whose rows lie one character height of the
// box's font apart, as the edit controls of the named faces lay them (15
// pixels for a 15-pixel font). The stand-in faces would put them a line
// spacing apart, which is a pixel or two more. How lines break is untouched.
#include <QPlainTextDocumentLayout>

class RowPitchLayout : public QPlainTextDocumentLayout {
  Q_OBJECT
 public:
  explicit RowPitchLayout(QTextDocument* document);

  QRectF blockBoundingRect(const QTextBlock& block) const override;

  // Distance between two rows: the pixel height of the document's font.
  int rowPitch() const;
};
