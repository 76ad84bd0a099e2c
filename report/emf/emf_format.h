#pragma once
// Numbers of the Enhanced Metafile format (MS-EMF) that the recorder writes
// and the player reads: record types, stock objects, style codes.
#include <cstdint>

namespace kopira::report::emf {

enum RecordType : uint32_t {
  kHeader = 1,
  kPolygon = 3,
  kPolyline = 4,
  kEof = 14,
  kSetBkMode = 18,
  kSetTextAlign = 22,
  kSetTextColor = 24,
  kSetBkColor = 25,
  kMoveToEx = 27,
  kSaveDc = 33,
  kRestoreDc = 34,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kEllipse = 42,
  kRectangle = 43,
  kLineTo = 54,
  kExtCreateFontIndirectW = 82,
  kExtTextOutW = 84,
  kPolygon16 = 86,
  kPolyline16 = 87,
};

inline constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
inline constexpr uint32_t kVersion = 0x00010000;
inline constexpr uint32_t kHeaderSize = 108;        // with both header extensions
inline constexpr uint32_t kMinHeaderSize = 88;      // without extensions
inline constexpr uint32_t kEofSize = 20;

// Stock objects: a handle with the high bit set.
inline constexpr uint32_t kStockFlag = 0x80000000;
inline constexpr uint32_t kWhiteBrush = 0x80000000;
inline constexpr uint32_t kLtGrayBrush = 0x80000001;
inline constexpr uint32_t kGrayBrush = 0x80000002;
inline constexpr uint32_t kDkGrayBrush = 0x80000003;
inline constexpr uint32_t kBlackBrush = 0x80000004;
inline constexpr uint32_t kNullBrush = 0x80000005;
inline constexpr uint32_t kWhitePen = 0x80000006;
inline constexpr uint32_t kBlackPen = 0x80000007;
inline constexpr uint32_t kNullPen = 0x80000008;
inline constexpr uint32_t kSystemFont = 0x8000000D;

enum PenStyle : uint32_t { kPsSolid = 0, kPsDash = 1, kPsDot = 2, kPsDashDot = 3, kPsDashDotDot = 4, kPsNull = 5 };
enum BrushStyle : uint32_t { kBsSolid = 0, kBsNull = 1, kBsHatched = 2 };
enum Hatch : uint32_t { kHsHorizontal = 0, kHsVertical = 1, kHsFDiagonal = 2, kHsBDiagonal = 3, kHsCross = 4, kHsDiagCross = 5 };

enum TextAlignFlags : uint32_t {
  kTaTop = 0,
  kTaLeft = 0,
  kTaRight = 2,
  kTaCenter = 6,
  kTaHorizontalMask = 6,
  kTaBottom = 8,
  kTaBaseline = 24,
  kTaVerticalMask = 24,
};

enum BkMode : uint32_t { kTransparent = 1, kOpaque = 2 };

inline constexpr uint32_t kEtoPdy = 0x2000;  // Dx array holds x and y pairs
inline constexpr uint8_t kShiftJisCharset = 128;
inline constexpr uint32_t kGmCompatible = 1;
inline constexpr int kLogFontSize = 92;        // LOGFONTW
inline constexpr int kLogFontPanoseSize = 320;  // LOGFONTW + full name, style, version, PANOSE
inline constexpr int kFaceNameChars = 32;
inline constexpr int kTextRecordFixedSize = 76;  // EMR_EXTTEXTOUTW up to its string

}  // namespace kopira::report::emf
