#include "report/emf/emf_recorder.h"

#include <algorithm>

#include "report/emf/emf_format.h"
#include "report/emf/gdi_text.h"

namespace kopira::report {
namespace {

// Objects kept alive for reuse; beyond this the least recently used one that
// is not selected is deleted and its handle reused.
constexpr size_t kMaxObjects = 16;

// The reference device is 20 x 15 inches at the page's dpi: whole
// millimetres (508 x 381), so pixels map to millimetres exactly.
constexpr int kReferenceInchesX = 20;
constexpr int kReferenceInchesY = 15;

int toHundredthMm(int pixels, int dpi) { return static_cast<int>((int64_t{pixels} * 2540 + dpi / 2) / dpi); }

uint32_t penStyle(Qt::PenStyle style) {
  switch (style) {
    case Qt::DashLine: return emf::kPsDash;
    case Qt::DotLine: return emf::kPsDot;
    case Qt::DashDotLine: return emf::kPsDashDot;
    case Qt::DashDotDotLine: return emf::kPsDashDotDot;
    case Qt::NoPen: return emf::kPsNull;
    default: return emf::kPsSolid;
  }
}

// LOGBRUSH style and hatch of a Qt brush; patterns without a GDI hatch are solid.
std::pair<uint32_t, uint32_t> brushStyle(Qt::BrushStyle style) {
  switch (style) {
    case Qt::NoBrush: return {emf::kBsNull, 0};
    case Qt::HorPattern: return {emf::kBsHatched, emf::kHsHorizontal};
    case Qt::VerPattern: return {emf::kBsHatched, emf::kHsVertical};
    case Qt::FDiagPattern: return {emf::kBsHatched, emf::kHsFDiagonal};
    case Qt::BDiagPattern: return {emf::kBsHatched, emf::kHsBDiagonal};
    case Qt::CrossPattern: return {emf::kBsHatched, emf::kHsCross};
    case Qt::DiagCrossPattern: return {emf::kBsHatched, emf::kHsDiagCross};
    default: return {emf::kBsSolid, 0};
  }
}

// LOGFONTW followed by the zeroed rest of a LogFontPanose, as GDI writes it.
QByteArray logFont(const FontSpec& font) {
  emf::ByteWriter w;
  w.i32(-font.pixelHeight);
  w.i32(0);  // width: the font's own
  w.i32(0);  // escapement
  w.i32(0);  // orientation
  w.i32(font.bold ? 700 : 400);
  w.u8(font.italic ? 1 : 0);
  w.u8(font.underline ? 1 : 0);
  w.u8(font.strikeOut ? 1 : 0);
  w.u8(static_cast<uint8_t>(std::clamp(font.charset, 0, 255)));
  w.zeros(4);  // precision, clipping, quality, pitch and family: defaults
  const QString face = font.face.left(emf::kFaceNameChars - 1);
  for (const QChar c : face) w.u16(c.unicode());
  w.zeros(2 * (emf::kFaceNameChars - face.size()));
  w.zeros(emf::kLogFontPanoseSize - emf::kLogFontSize);
  return w.bytes();
}

}  // namespace

EmfRecorder::EmfRecorder(QSize pagePixels, int dpi, QSize frameHundredthsMm)
    : page_(pagePixels), dpi_(std::max(1, dpi)), frame_(frameHundredthsMm) {
  if (frame_.isEmpty()) frame_ = QSize(toHundredthMm(page_.width(), dpi_), toHundredthMm(page_.height(), dpi_));
  simpleRecord(emf::kSetBkMode, emf::kTransparent);
}

void EmfRecorder::beginRecord(uint32_t type) {
  recordStart_ = body_.size();
  body_.u32(type);
  body_.u32(0);  // size, filled in by endRecord
}

void EmfRecorder::endRecord() {
  body_.padTo4();
  body_.putU32At(recordStart_ + 4, static_cast<uint32_t>(body_.size() - recordStart_));
  ++records_;
}

void EmfRecorder::simpleRecord(uint32_t type, uint32_t value) {
  beginRecord(type);
  body_.u32(value);
  endRecord();
}

uint32_t EmfRecorder::freeHandle() {
  const auto it = std::find(handleUsed_.begin(), handleUsed_.end(), false);
  if (it != handleUsed_.end()) {
    *it = true;
    return static_cast<uint32_t>(it - handleUsed_.begin());
  }
  handleUsed_.push_back(true);
  return static_cast<uint32_t>(handleUsed_.size() - 1);
}

uint32_t EmfRecorder::objectFor(uint32_t type, const QByteArray& contents) {
  QByteArray key = contents;
  key.prepend(reinterpret_cast<const char*>(&type), sizeof type);
  ++useClock_;
  for (Object& o : objects_) {
    if (o.key == key) {
      o.lastUse = useClock_;
      return o.handle;
    }
  }
  if (objects_.size() >= kMaxObjects) {
    const auto selected = [this](const Object& o) { return std::ranges::count(selected_, o.handle) > 0; };
    auto victim = objects_.end();
    for (auto it = objects_.begin(); it != objects_.end(); ++it) {
      if (!selected(*it) && (victim == objects_.end() || it->lastUse < victim->lastUse)) victim = it;
    }
    simpleRecord(emf::kDeleteObject, victim->handle);
    handleUsed_[victim->handle] = false;
    objects_.erase(victim);
  }
  const uint32_t handle = freeHandle();
  beginRecord(type);
  body_.u32(handle);
  body_.raw(contents);
  endRecord();
  objects_.push_back({std::move(key), handle, useClock_});
  return handle;
}

void EmfRecorder::select(Slot slot, uint32_t handle) {
  uint32_t& current = selected_[static_cast<int>(slot)];
  if (current == handle) return;
  simpleRecord(emf::kSelectObject, handle);
  current = handle;
}

void EmfRecorder::selectPen() {
  if (pen_.style == Qt::NoPen) {
    select(Slot::Pen, emf::kNullPen);
    return;
  }
  emf::ByteWriter w;
  w.u32(penStyle(pen_.style));
  w.i32(std::max(0, pen_.width));
  w.i32(0);
  w.color(pen_.color);
  select(Slot::Pen, objectFor(emf::kCreatePen, w.bytes()));
}

void EmfRecorder::selectBrush(const BrushSpec& brush) {
  const auto [style, hatch] = brushStyle(brush.style);
  emf::ByteWriter w;
  w.u32(style);
  w.color(style == emf::kBsNull ? QColor(Qt::black) : brush.color);
  w.u32(hatch);
  select(Slot::Brush, objectFor(emf::kCreateBrushIndirect, w.bytes()));
}

void EmfRecorder::selectFont() { select(Slot::Font, objectFor(emf::kExtCreateFontIndirectW, logFont(font_))); }

void EmfRecorder::setTextAlign(uint32_t mode) {
  if (mode == textAlign_) return;
  simpleRecord(emf::kSetTextAlign, mode);
  textAlign_ = mode;
}

void EmfRecorder::setTextColor(const QColor& color) {
  if (color.rgb() == textColor_.rgb()) return;
  beginRecord(emf::kSetTextColor);
  body_.color(color);
  endRecord();
  textColor_ = color;
}

void EmfRecorder::setFont(const FontSpec& font) {
  if (font == font_) return;
  font_ = font;
}

void EmfRecorder::setPen(const PenSpec& pen) { pen_ = pen; }
void EmfRecorder::setBrush(const BrushSpec& brush) { brush_ = brush; }

void EmfRecorder::boxRecord(uint32_t type, int left, int top, int right, int bottom) {
  beginRecord(type);
  body_.rect(left, top, right, bottom);
  endRecord();
}

void EmfRecorder::addBounds(int left, int top, int right, int bottom) {
  if (left > right || top > bottom) return;
  if (!hasBounds_) {
    boundsLeft_ = left, boundsTop_ = top, boundsRight_ = right, boundsBottom_ = bottom;
    hasBounds_ = true;
    return;
  }
  boundsLeft_ = std::min(boundsLeft_, left);
  boundsTop_ = std::min(boundsTop_, top);
  boundsRight_ = std::max(boundsRight_, right);
  boundsBottom_ = std::max(boundsBottom_, bottom);
}

// Records a Rectangle or Ellipse with the selected pen and brush. A GDI
// shape without a pen fills one pixel less to the right and bottom than its
// box, so such a box is recorded one pixel larger: every reader then covers
// left..right-1 and top..bottom-1, as the surface promises.
void EmfRecorder::shapeRecord(uint32_t type, int left, int top, int right, int bottom, bool outlined) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (left == right || top == bottom) return;
  const int grow = outlined ? 0 : 1;
  boxRecord(type, left, top, right + grow, bottom + grow);
  const int outside = outlined ? std::max(0, pen_.width / 2) : 0;
  addBounds(left - outside, top - outside, right - 1 + outside, bottom - 1 + outside);
}

// GDI has no FillRect record: a Rectangle with the null pen and a solid brush.
void EmfRecorder::fillRect(int left, int top, int right, int bottom, const QColor& color) {
  if (finished() || right <= left || bottom <= top) return;  // FillRect does not reorder edges
  select(Slot::Pen, emf::kNullPen);
  selectBrush(BrushSpec{color, Qt::SolidPattern});
  shapeRecord(emf::kRectangle, left, top, right, bottom, false);
}

void EmfRecorder::rectangle(int left, int top, int right, int bottom) {
  if (finished()) return;
  selectPen();
  selectBrush(brush_);
  shapeRecord(emf::kRectangle, left, top, right, bottom, pen_.style != Qt::NoPen);
}

void EmfRecorder::ellipse(int left, int top, int right, int bottom) {
  if (finished()) return;
  selectPen();
  selectBrush(brush_);
  shapeRecord(emf::kEllipse, left, top, right, bottom, pen_.style != Qt::NoPen);
}

void EmfRecorder::line(int x1, int y1, int x2, int y2) {
  if (finished()) return;
  selectPen();
  if (x1 != posX_ || y1 != posY_) {
    beginRecord(emf::kMoveToEx);
    body_.i32(x1);
    body_.i32(y1);
    endRecord();
  }
  beginRecord(emf::kLineTo);
  body_.i32(x2);
  body_.i32(y2);
  endRecord();
  posX_ = x2;
  posY_ = y2;
  const int grow = pen_.style == Qt::NoPen ? 0 : std::max(0, pen_.width / 2);
  addBounds(std::min(x1, x2) - grow, std::min(y1, y2) - grow, std::max(x1, x2) + grow, std::max(y1, y2) + grow);
}

void EmfRecorder::textOut(int x, int y, TextAlign align, const QString& text) {
  if (finished() || text.isEmpty()) return;
  selectFont();
  setTextColor(font_.color);
  const uint32_t mode = align == TextAlign::Right ? emf::kTaRight : align == TextAlign::Center ? emf::kTaCenter : emf::kTaLeft;
  setTextAlign(emf::kTaTop | mode);

  const QVector<int> advances = glyphAdvances(font_, text, dpi_, dpi_);
  const QSize extent = report::textExtent(font_, text, dpi_, dpi_);
  const int left = align == TextAlign::Right ? x - extent.width() : align == TextAlign::Center ? x - extent.width() / 2 : x;
  const int right = left + extent.width() - 1;
  const int bottom = y + extent.height() - 1;
  const auto chars = static_cast<uint32_t>(text.size());
  const uint32_t stringBytes = (chars * 2 + 3) & ~3u;

  beginRecord(emf::kExtTextOutW);
  body_.rect(left, y, right, bottom);
  body_.u32(emf::kGmCompatible);
  body_.f32(2540.0f / static_cast<float>(dpi_));  // page units to 0.01 mm
  body_.f32(2540.0f / static_cast<float>(dpi_));
  body_.i32(x);
  body_.i32(y);
  body_.u32(chars);
  body_.u32(emf::kTextRecordFixedSize);  // string offset
  body_.u32(0);                          // options: no clipping, no opaque box
  body_.rect(0, 0, 0, 0);
  body_.u32(emf::kTextRecordFixedSize + stringBytes);  // Dx offset
  for (const QChar c : text) body_.u16(c.unicode());
  body_.padTo4();
  for (const int advance : advances) body_.i32(advance);
  endRecord();
  addBounds(left, y, right, bottom);
}

QSize EmfRecorder::textExtent(const QString& text) { return report::textExtent(font_, text, dpi_, dpi_); }

// Puts the device context's own objects back and deletes every object the
// page created, so a reader ends with no objects left over.
void EmfRecorder::releaseObjects() {
  constexpr uint32_t kDefaults[] = {emf::kBlackPen, emf::kWhiteBrush, emf::kSystemFont};
  for (const Slot slot : {Slot::Pen, Slot::Brush, Slot::Font}) {
    const uint32_t current = selected_[static_cast<int>(slot)];
    if (current != 0 && !(current & emf::kStockFlag)) select(slot, kDefaults[static_cast<int>(slot)]);
  }
  for (const Object& o : objects_) simpleRecord(emf::kDeleteObject, o.handle);
  objects_.clear();
}

QByteArray EmfRecorder::finish() {
  if (finished()) return picture_;
  releaseObjects();
  const uint32_t records = records_ + 2;  // with the header and the end record
  const auto total = static_cast<uint32_t>(emf::kHeaderSize + body_.size() + emf::kEofSize);
  emf::ByteWriter w;
  w.u32(emf::kHeader);
  w.u32(emf::kHeaderSize);
  if (hasBounds_) {
    w.rect(boundsLeft_, boundsTop_, boundsRight_, boundsBottom_);
  } else {
    w.rect(0, 0, -1, -1);  // nothing drawn
  }
  w.rect(0, 0, frame_.width(), frame_.height());
  w.u32(emf::kSignature);
  w.u32(emf::kVersion);
  w.u32(total);
  w.u32(records);
  w.u16(static_cast<uint16_t>(handleUsed_.size()));
  w.u16(0);
  w.u32(0);  // no description
  w.u32(0);
  w.u32(0);  // no palette
  w.i32(dpi_ * kReferenceInchesX);
  w.i32(dpi_ * kReferenceInchesY);
  w.i32(kReferenceInchesX * 254 / 10);
  w.i32(kReferenceInchesY * 254 / 10);
  w.u32(0);  // no pixel format
  w.u32(0);
  w.u32(0);  // not OpenGL
  w.i32(kReferenceInchesX * 25400);
  w.i32(kReferenceInchesY * 25400);
  w.raw(body_.bytes());
  w.u32(emf::kEof);
  w.u32(emf::kEofSize);
  w.u32(0);   // no palette entries
  w.u32(16);  // where they would start
  w.u32(emf::kEofSize);
  picture_ = w.bytes();
  return picture_;
}

}  // namespace kopira::report
