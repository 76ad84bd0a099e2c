#include "report/emf/emf_playback.h"

#include <QFontMetrics>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "platform/fonts.h"
#include "report/emf/emf_format.h"
#include "report/emf/gdi_shapes.h"
#include "report/emf/gdi_text.h"

namespace kopira::report {
namespace {

constexpr int64_t kFar = int64_t{1} << 24;  // target coordinates are clamped to this
constexpr int kMaxFontPixels = 2048;
constexpr size_t kMaxSavedStates = 256;
constexpr int kDefaultFontHeight = 12;  // logical height of GDI's default font

QString tooShort(uint32_t type) { return QStringLiteral("record %1 too short").arg(type); }

Qt::PenStyle qtPenStyle(uint32_t style) {
  switch (style & 0xF) {
    case emf::kPsDash: return Qt::DashLine;
    case emf::kPsDot: return Qt::DotLine;
    case emf::kPsDashDot: return Qt::DashDotLine;
    case emf::kPsDashDotDot: return Qt::DashDotDotLine;
    case emf::kPsNull: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

Qt::BrushStyle qtBrushStyle(uint32_t style, uint32_t hatch) {
  if (style == emf::kBsNull) return Qt::NoBrush;
  if (style != emf::kBsHatched) return Qt::SolidPattern;
  switch (hatch) {
    case emf::kHsHorizontal: return Qt::HorPattern;
    case emf::kHsVertical: return Qt::VerPattern;
    case emf::kHsFDiagonal: return Qt::FDiagPattern;
    case emf::kHsBDiagonal: return Qt::BDiagPattern;
    case emf::kHsCross: return Qt::CrossPattern;
    default: return Qt::DiagCrossPattern;
  }
}

// Stock pens and brushes; nullopt for stock objects of other kinds.
std::optional<std::variant<PenSpec, BrushSpec>> stockObject(uint32_t handle) {
  switch (handle) {
    case emf::kWhiteBrush: return BrushSpec{Qt::white, Qt::SolidPattern};
    case emf::kLtGrayBrush: return BrushSpec{QColor(192, 192, 192), Qt::SolidPattern};
    case emf::kGrayBrush: return BrushSpec{QColor(128, 128, 128), Qt::SolidPattern};
    case emf::kDkGrayBrush: return BrushSpec{QColor(64, 64, 64), Qt::SolidPattern};
    case emf::kBlackBrush: return BrushSpec{Qt::black, Qt::SolidPattern};
    case emf::kNullBrush: return BrushSpec{Qt::white, Qt::NoBrush};
    case emf::kWhitePen: return PenSpec{Qt::white, 0, Qt::SolidLine};
    case emf::kBlackPen: return PenSpec{Qt::black, 0, Qt::SolidLine};
    case emf::kNullPen: return PenSpec{Qt::black, 0, Qt::NoPen};
    default: return std::nullopt;
  }
}

}  // namespace

EmfPlayback::EmfPlayback(QPainter& painter, const EmfHeader& header, const QRectF& target)
    : painter_(painter), handles_(header.handles) {
  const double unitsX = header.unitsPerHundredthMmX();
  const double unitsY = header.unitsPerHundredthMmY();
  const double frameLeft = header.frame.left * unitsX;
  const double frameTop = header.frame.top * unitsY;
  scaleX_ = target.width() / ((double(header.frame.right) - header.frame.left) * unitsX);
  scaleY_ = target.height() / ((double(header.frame.bottom) - header.frame.top) * unitsY);
  originX_ = target.left() - frameLeft * scaleX_;
  originY_ = target.top() - frameTop * scaleY_;
  FontSpec defaultFont;
  defaultFont.face = kopira::fonts::kGothic;
  state_.font = makeFont(defaultFont, kDefaultFontHeight);
}

int EmfPlayback::mapX(int64_t x) const {
  return static_cast<int>(std::clamp<double>(std::round(originX_ + double(x) * scaleX_), -kFar, kFar));
}

int EmfPlayback::mapY(int64_t y) const {
  return static_cast<int>(std::clamp<double>(std::round(originY_ + double(y) * scaleY_), -kFar, kFar));
}

EmfPlayback::Font EmfPlayback::makeFont(FontSpec fontSpec, int logicalHeight) const {
  const double pixels = std::abs(double(logicalHeight)) * scaleY_;
  fontSpec.pixelHeight = static_cast<int>(std::clamp(std::round(pixels), 1.0, double(kMaxFontPixels)));
  Font f;
  f.fontSpec = fontSpec;
  f.font = toQFont(fontSpec);
  f.ascent = QFontMetrics(f.font).ascent();
  f.height = textExtent(fontSpec, QString()).height();
  return f;
}

PenSpec EmfPlayback::scaledPen() const {
  PenSpec pen = state_.pen;
  if (pen.width > 0) {
    pen.width = static_cast<int>(std::clamp(std::round(pen.width * std::min(scaleX_, scaleY_)), 1.0, double(kMaxFontPixels)));
  }
  return pen;
}

QString EmfPlayback::play(const emf::RecordReader& r) {
  const uint32_t type = r.u32(0);
  switch (type) {
    case emf::kCreatePen:
    case emf::kCreateBrushIndirect:
    case emf::kExtCreateFontIndirectW:
      return createObject(r);
    case emf::kSelectObject:
    case emf::kDeleteObject:
    case emf::kSetTextAlign:
    case emf::kSetBkMode:
    case emf::kSetTextColor:
    case emf::kSetBkColor:
    case emf::kRestoreDc:
      if (!r.has(8, 4)) return tooShort(type);
      break;
    case emf::kRectangle:
    case emf::kEllipse:
      return box(r);
    case emf::kMoveToEx:
      if (!r.has(8, 8)) return tooShort(type);
      state_.x = r.i32(8);
      state_.y = r.i32(12);
      return {};
    case emf::kLineTo:
      return lineTo(r);
    case emf::kPolygon:
    case emf::kPolyline:
    case emf::kPolygon16:
    case emf::kPolyline16:
      return poly(r);
    case emf::kExtTextOutW:
      return text(r);
    case emf::kSaveDc:
      if (saved_.size() < kMaxSavedStates) saved_.push_back(state_);
      return {};
    default:
      return {};  // not drawn by this player
  }
  const uint32_t value = r.u32(8);
  switch (type) {
    case emf::kSelectObject: return selectObject(value);
    case emf::kDeleteObject: return deleteObject(value);
    case emf::kSetTextAlign: state_.textAlign = value; break;
    case emf::kSetBkMode: state_.bkMode = value; break;
    case emf::kSetTextColor: state_.textColor = r.color(8); break;
    case emf::kSetBkColor: state_.bkColor = r.color(8); break;
    case emf::kRestoreDc: restoreDc(r.i32(8)); break;
    default: break;
  }
  return {};
}

QString EmfPlayback::createObject(const emf::RecordReader& r) {
  const uint32_t type = r.u32(0);
  const qsizetype needed = type == emf::kCreatePen ? 28 : type == emf::kCreateBrushIndirect ? 24 : 12 + emf::kLogFontSize;
  if (!r.has(0, needed)) return tooShort(type);
  const uint32_t handle = r.u32(8);
  if (handle == 0 || handle >= handles_) return QStringLiteral("object handle %1 out of range").arg(handle);
  if (objects_.size() <= handle) objects_.resize(handle + 1);
  if (type == emf::kCreatePen) {
    objects_[handle] = PenSpec{r.color(24), std::max(0, r.i32(16)), qtPenStyle(r.u32(12))};
  } else if (type == emf::kCreateBrushIndirect) {
    objects_[handle] = BrushSpec{r.color(16), qtBrushStyle(r.u32(12), r.u32(20))};
  } else {
    const qsizetype lf = 12;
    FontSpec fontSpec;
    fontSpec.bold = r.i32(lf + 16) >= 600;
    fontSpec.italic = r.u8(lf + 20) != 0;
    fontSpec.underline = r.u8(lf + 21) != 0;
    fontSpec.strikeOut = r.u8(lf + 22) != 0;
    fontSpec.charset = r.u8(lf + 23);
    for (int i = 0; i < emf::kFaceNameChars; ++i) {
      const uint16_t c = r.u16(lf + 28 + 2 * i);
      if (c == 0) break;
      fontSpec.face.append(QChar(c));
    }
    const int32_t height = r.i32(lf);
    // A positive height is the cell height; taken as the character height here.
    objects_[handle] = makeFont(fontSpec, height == 0 ? kDefaultFontHeight : height);
  }
  return {};
}

QString EmfPlayback::selectObject(uint32_t handle) {
  if (handle & emf::kStockFlag) {
    if (const auto stock = stockObject(handle)) {
      if (const auto* pen = std::get_if<PenSpec>(&*stock)) state_.pen = *pen;
      if (const auto* brush = std::get_if<BrushSpec>(&*stock)) state_.brush = *brush;
    }
    return {};
  }
  if (handle == 0 || handle >= handles_) return QStringLiteral("object handle %1 out of range").arg(handle);
  if (handle >= objects_.size()) return {};  // never created: GDI ignores it
  const Object& object = objects_[handle];
  if (const auto* pen = std::get_if<PenSpec>(&object)) state_.pen = *pen;
  if (const auto* brush = std::get_if<BrushSpec>(&object)) state_.brush = *brush;
  if (const auto* font = std::get_if<Font>(&object)) state_.font = *font;
  return {};
}

QString EmfPlayback::deleteObject(uint32_t handle) {
  if (handle & emf::kStockFlag) return {};
  if (handle == 0 || handle >= handles_) return QStringLiteral("object handle %1 out of range").arg(handle);
  if (handle < objects_.size()) objects_[handle] = std::monostate{};
  return {};
}

void EmfPlayback::restoreDc(int32_t relative) {
  // Only the relative form (-n: the n-th saved state back) is meaningful here.
  if (relative >= 0 || saved_.empty()) return;
  const size_t back = std::min<size_t>(saved_.size(), static_cast<size_t>(-int64_t{relative}));
  state_ = saved_[saved_.size() - back];
  saved_.resize(saved_.size() - back);
}

QString EmfPlayback::box(const emf::RecordReader& r) {
  if (!r.has(8, 16)) return tooShort(r.u32(0));
  int64_t left = r.i32(8), top = r.i32(12), right = r.i32(16), bottom = r.i32(20);
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // Without a pen GDI leaves out the last column and row: leave them out in
  // logical units, so a stretched picture keeps its shapes edge to edge.
  const int shrink = state_.pen.style == Qt::NoPen ? 1 : 0;
  const int deviceLeft = mapX(left), deviceTop = mapY(top);
  const int deviceRight = mapX(right - shrink) + shrink, deviceBottom = mapY(bottom - shrink) + shrink;
  if (r.u32(0) == emf::kRectangle) {
    gdi::rectangle(painter_, deviceLeft, deviceTop, deviceRight, deviceBottom, scaledPen(), state_.brush);
  } else {
    gdi::ellipse(painter_, deviceLeft, deviceTop, deviceRight, deviceBottom, scaledPen(), state_.brush);
  }
  return {};
}

QString EmfPlayback::lineTo(const emf::RecordReader& r) {
  if (!r.has(8, 8)) return tooShort(r.u32(0));
  const int x = r.i32(8);
  const int y = r.i32(12);
  gdi::line(painter_, mapX(state_.x), mapY(state_.y), mapX(x), mapY(y), scaledPen());
  state_.x = x;
  state_.y = y;
  return {};
}

QString EmfPlayback::poly(const emf::RecordReader& r) {
  const uint32_t type = r.u32(0);
  if (!r.has(24, 4)) return tooShort(type);
  const bool shortPoints = type == emf::kPolygon16 || type == emf::kPolyline16;
  const qsizetype pointSize = shortPoints ? 4 : 8;
  const uint32_t count = r.u32(24);
  if (count > static_cast<uint64_t>(r.size() - 28) / pointSize) return QStringLiteral("point count %1 past the record").arg(count);
  QPolygon points(static_cast<qsizetype>(count));
  for (uint32_t i = 0; i < count; ++i) {
    const qsizetype at = 28 + i * pointSize;
    const int64_t x = shortPoints ? r.i16(at) : r.i32(at);
    const int64_t y = shortPoints ? r.i16(at + 2) : r.i32(at + 4);
    points[i] = QPoint(mapX(x), mapY(y));
  }
  const PenSpec pen = scaledPen();
  if (type == emf::kPolygon || type == emf::kPolygon16) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(pen.style == Qt::NoPen ? QPen(Qt::NoPen) : QPen(pen.color, std::max(1, pen.width), pen.style));
    painter_.setBrush(state_.brush.style == Qt::NoBrush ? QBrush() : QBrush(state_.brush.color, state_.brush.style));
    painter_.drawPolygon(points);
    painter_.restore();
    return {};
  }
  for (qsizetype i = 1; i < points.size(); ++i) {
    gdi::line(painter_, points[i - 1].x(), points[i - 1].y(), points[i].x(), points[i].y(), pen);
  }
  return {};
}

QString EmfPlayback::text(const emf::RecordReader& r) {
  if (!r.has(0, emf::kTextRecordFixedSize)) return tooShort(r.u32(0));
  const int32_t refX = r.i32(36);
  const int32_t refY = r.i32(40);
  const uint32_t chars = r.u32(44);
  const uint32_t offString = r.u32(48);
  const uint32_t options = r.u32(52);
  const uint32_t offDx = r.u32(72);
  if (!r.has(offString, int64_t{chars} * 2)) return QStringLiteral("text of %1 characters past the record").arg(chars);
  const qsizetype dxStride = (options & emf::kEtoPdy) ? 8 : 4;
  const bool hasDx = offDx != 0 && chars > 0;
  if (hasDx && !r.has(offDx, int64_t{chars} * dxStride)) return QStringLiteral("spacing of %1 characters past the record").arg(chars);
  if (chars == 0) return {};

  QString string(static_cast<qsizetype>(chars), Qt::Uninitialized);
  for (uint32_t i = 0; i < chars; ++i) string[i] = QChar(r.u16(offString + 2 * i));

  const Font& font = state_.font;
  const uint32_t horizontal = state_.textAlign & emf::kTaHorizontalMask;
  QVector<int> advances;
  int left = 0;
  if (hasDx) {
    // Place each glyph at its logical position and take the target advances
    // from the mapped positions, so rounding never accumulates.
    std::vector<int64_t> positions(chars + 1, 0);
    for (uint32_t i = 0; i < chars; ++i) positions[i + 1] = positions[i] + r.i32(offDx + i * dxStride);
    const int64_t total = positions[chars];
    const int64_t logicalLeft = horizontal == emf::kTaRight ? refX - total : horizontal == emf::kTaCenter ? refX - total / 2 : refX;
    left = mapX(logicalLeft);
    advances.resize(chars);
    for (uint32_t i = 0; i < chars; ++i) advances[i] = mapX(logicalLeft + positions[i + 1]) - mapX(logicalLeft + positions[i]);
  } else {
    advances = glyphAdvances(font.fontSpec, string);
    int total = 0;
    for (const int a : advances) total += a;
    const int ref = mapX(refX);
    left = horizontal == emf::kTaRight ? ref - total : horizontal == emf::kTaCenter ? ref - total / 2 : ref;
  }
  const uint32_t vertical = state_.textAlign & emf::kTaVerticalMask;
  const int top = mapY(refY) - (vertical == emf::kTaBaseline ? font.ascent : vertical == emf::kTaBottom ? font.height : 0);
  if (state_.bkMode == emf::kOpaque) {
    int width = 0;
    for (const int a : advances) width += a;
    gdi::fillRect(painter_, left, top, left + width, top + font.height, state_.bkColor);
  }
  drawGlyphs(painter_, font.font, state_.textColor, left, top, string, advances);
  return {};
}

}  // namespace kopira::report
