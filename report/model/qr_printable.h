#pragma once
// The base of every page element: its box in 0.1 mm (Size.Values), the
// pixel geometry derived from it at the report's zoom, frame, colours and
// its parent (the report page, or a band of it).
#include <QColor>
#include <QRect>
#include <QString>

#include "report/model/qr_frame.h"

namespace kopira::report {

class ReportDestination;

// What an element asks of the report page that holds it.
class TQRElementOwner {
 public:
  // The page's zoom in percent, which scales the pixel geometry.
  virtual int zoom() const = 0;

 protected:
  ~TQRElementOwner() = default;
};

// A device rectangle with GDI's exclusive right and bottom edges.
struct DeviceRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const DeviceRect&) const = default;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Size.Values in stored order.
struct TQRPrintableSize {
  double height = 0;
  double left = 0;
  double top = 0;
  double width = 0;
  bool operator==(const TQRPrintableSize&) const = default;
};

class TQRPrintable {
 public:
  explicit TQRPrintable(QString name) : name_(std::move(name)) {}
  virtual ~TQRPrintable() = default;
  TQRPrintable(const TQRPrintable&) = delete;
  TQRPrintable& operator=(const TQRPrintable&) = delete;

  const QString& name() const { return name_; }

  const TQRPrintableSize& size() const { return size_; }
  // Sets the 0.1 mm box and derives the pixel bounds from it.
  void setSize(const TQRPrintableSize& size);
  // Left, top, width, height in screen pixels at the report's zoom; left and
  // top relative to the parent (paper corner or band corner).
  const QRect& pixelBounds() const { return pixelBounds_; }
  void recomputePixelBounds();

  // The report page this element belongs to (null before it has one), and
  // whether a band holds it (false on the page surface).
  const TQRElementOwner* owner() const { return owner_; }
  bool inBand() const { return inBand_; }
  void setParent(const TQRElementOwner* owner, bool inBand) {
    owner_ = owner;
    inBand_ = inBand;
    recomputePixelBounds();
  }

  // Called when a run starts and ends.
  virtual void prepare() {}
  virtual void unprepare() {}
  // Prints the element with the offsets (0.1 mm) added to its Left and Top.
  virtual void PrintAt(ReportDestination& destination, double offsetX, double offsetY) = 0;

  TQRFrame frame;
  TAlignment alignment = TAlignment::taLeftJustify;
  bool alignToBand = false;
  bool transparent = false;
  QColor color = Qt::white;
  bool enabled = true;

 protected:
  int zoom() const;
  // Moves the pixel bounds and recomputes all four Size values from them.
  void setPixelBounds(const QRect& bounds);
  // The device box of a rectangle given in 0.1 mm.
  static DeviceRect deviceBox(const ReportDestination& destination, double left, double top,
                              double width, double height);

 private:
  QString name_;
  TQRPrintableSize size_;
  QRect pixelBounds_;
  const TQRElementOwner* owner_ = nullptr;
  bool inBand_ = false;
};

}  // namespace kopira::report
