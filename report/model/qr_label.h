#pragma once
// Text elements: TQRLabel prints its Caption, TQRMemo its Lines. Both break
// their text into formatted lines (BreakLines) and print the lines that fit
// their box.
#include <QStringList>

#include "report/model/qr_font.h"
#include "report/model/qr_printable.h"

namespace kopira::report {

class TQRCustomLabel : public TQRPrintable {
 public:
  using TQRPrintable::TQRPrintable;

  const TQRFont& font() const { return font_; }
  void setFont(const TQRFont& font);
  // The stored point size; authoritative over the font's pixel height.
  int FontSize() const { return font_.size; }

  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool on) { autoSize_ = on; }
  bool autoStretch = false;
  bool wordWrap = true;

  const QStringList& formattedLines() const { return formatted_; }
  // Rebuilds the formatted lines (only once the element has a parent); an
  // AutoSize element then takes the width of its widest line, keeping its
  // right edge (right alignment) or its centre (centre alignment).
  void BreakLines();

  void PrintAt(ReportDestination& destination, double offsetX, double offsetY) override;

 protected:
  virtual QStringList sourceLines() const = 0;
  virtual bool isMemo() const = 0;

 private:
  QRect autoSizedBounds(int widest) const;

  TQRFont font_;
  bool autoSize_ = true;
  QStringList formatted_;
  int nextLine_ = 0;
  bool printFinished_ = true;
};

class TQRLabel : public TQRCustomLabel {
 public:
  using TQRCustomLabel::TQRCustomLabel;

  const QString& caption() const { return caption_; }
  // Stores the text and re-formats at once (an AutoSize label resizes).
  void setCaption(const QString& caption);

 protected:
  QStringList sourceLines() const override { return {caption_}; }
  bool isMemo() const override { return false; }

 private:
  QString caption_;
};

class TQRMemo : public TQRCustomLabel {
 public:
  explicit TQRMemo(QString name) : TQRCustomLabel(std::move(name)) { setAutoSize(false); }

  const QStringList& lines() const { return lines_; }
  // Copies the lines; they are formatted when the memo next prints.
  void setLines(const QStringList& lines) { lines_ = lines; }

 protected:
  QStringList sourceLines() const override { return lines_; }
  bool isMemo() const override { return true; }

 private:
  QStringList lines_;
};

}  // namespace kopira::report
