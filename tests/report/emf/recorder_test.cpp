#include <gtest/gtest.h>

#include <map>

#include "platform/fonts.h"
#include "report/emf/emf_format.h"
#include "report/emf/emf_header.h"
#include "report/emf/emf_recorder.h"
#include "report/emf/gdi_text.h"
#include "tests/report/emf/emf_test_support.h"

namespace kopira::report {
namespace {
using testing::Record;
using testing::records;

const QSize kA4Pixels(794, 1123);
const QSize kA4Frame(21000, 29700);

QByteArray samplePage() {
  EmfRecorder rec(kA4Pixels, 96, kA4Frame);
  rec.fillRect(0, 0, 794, 20, Qt::white);
  rec.rectangle(100, 100, 300, 200);
  FontSpec font;
  font.face = fonts::kMincho;
  font.pixelHeight = 16;
  rec.setFont(font);
  rec.textOut(110, 110, TextAlign::Left, QStringLiteral("登記簿謄本 A1"));
  rec.setPen(PenSpec{Qt::red, 2, Qt::DashLine});
  rec.line(50, 500, 400, 500);
  rec.ellipse(500, 500, 600, 560);
  return rec.finish();
}

TEST(EmfRecorder, HeaderIsExactForOtherReaders) {
  const QByteArray emf = samplePage();
  const std::vector<Record> all = records(emf);
  ASSERT_GE(all.size(), 3u);
  EXPECT_EQ(all.front().type, emf::kHeader);
  EXPECT_EQ(all.back().type, emf::kEof);
  EXPECT_EQ(emf.mid(40, 4), QByteArray(" EMF"));

  QString error;
  const auto header = readEmfHeader(emf, &error);
  ASSERT_TRUE(header) << error.toStdString();
  EXPECT_EQ(header->bytes, static_cast<uint32_t>(emf.size()));
  EXPECT_EQ(header->records, all.size());
  EXPECT_EQ(header->frame, (EmfRect{0, 0, 21000, 29700}));
  // The reference device maps pixels to 0.01 mm at exactly 96 dpi.
  EXPECT_DOUBLE_EQ(header->unitsPerHundredthMmX(), 96.0 / 2540.0);
  EXPECT_DOUBLE_EQ(header->unitsPerHundredthMmY(), 96.0 / 2540.0);

  // nHandles is one more than the highest object handle created.
  uint32_t highest = 0;
  for (const Record& r : all) {
    if (r.type == emf::kCreatePen || r.type == emf::kCreateBrushIndirect || r.type == emf::kExtCreateFontIndirectW) {
      highest = std::max(highest, r.u32(8));
    }
  }
  EXPECT_EQ(header->handles, highest + 1);
  // Bounds, inclusive: from the white strip at the top to the ellipse,
  EXPECT_EQ(header->bounds, (EmfRect{0, 0, 793, 560}));  // the 2-px pen reaches one pixel out
}

TEST(EmfRecorder, EmptyPageAndDerivedFrame) {
  EmfRecorder rec(QSize(96, 192), 96);
  const QByteArray emf = rec.finish();
  const auto header = readEmfHeader(emf);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->bounds, (EmfRect{0, 0, -1, -1}));
  EXPECT_EQ(header->frame, (EmfRect{0, 0, 2540, 5080}));
  EXPECT_EQ(rec.finish(), emf);
  rec.rectangle(0, 0, 10, 10);  // ignored once finished
  EXPECT_EQ(rec.finish(), emf);
}

TEST(EmfRecorder, FontRecordCarriesFaceNameAndCharset) {
  const std::vector<Record> all = records(samplePage());
  const auto font = std::find_if(all.begin(), all.end(), [](const Record& r) { return r.type == emf::kExtCreateFontIndirectW; });
  ASSERT_NE(font, all.end());
  EXPECT_EQ(font->bytes.size(), 12 + emf::kLogFontPanoseSize);
  EXPECT_EQ(font->i32(12), -16);                     // character height
  EXPECT_EQ(font->i32(28), 400);                     // weight
  EXPECT_EQ(static_cast<uint8_t>(font->bytes[35]), 128);  // SHIFTJIS_CHARSET
  const QString face = QString::fromUtf16(reinterpret_cast<const char16_t*>(font->bytes.constData() + 40));
  EXPECT_EQ(face, fonts::kMincho);
}

TEST(EmfRecorder, TextRecordHoldsStringAndAdvances) {
  const QString text = QStringLiteral("登記簿謄本 A1");
  const std::vector<Record> all = records(samplePage());
  const auto it = std::find_if(all.begin(), all.end(), [](const Record& r) { return r.type == emf::kExtTextOutW; });
  ASSERT_NE(it, all.end());
  const Record& r = *it;
  EXPECT_EQ(r.i32(36), 110);
  EXPECT_EQ(r.i32(40), 110);
  ASSERT_EQ(r.u32(44), static_cast<uint32_t>(text.size()));
  EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(r.bytes.constData() + r.u32(48)), text.size()), text);
  FontSpec font;
  font.face = fonts::kMincho;
  font.pixelHeight = 16;
  const QVector<int> advances = glyphAdvances(font, text);
  for (int i = 0; i < text.size(); ++i) EXPECT_EQ(r.i32(static_cast<int>(r.u32(72)) + 4 * i), advances[i]) << i;
  EXPECT_EQ(advances[0], 16);  // full-width at 16 px
  // Text is placed from the top of its cell, on a transparent background.
  const auto align = std::find_if(all.begin(), all.end(), [](const Record& x) { return x.type == emf::kSetBkMode; });
  ASSERT_NE(align, all.end());
  EXPECT_EQ(align->u32(8), emf::kTransparent);
}

TEST(EmfRecorder, ShapesWithoutPenAreRecordedOnePixelLarger) {
  EmfRecorder rec(QSize(100, 100), 96);
  rec.fillRect(10, 20, 30, 40, Qt::blue);
  rec.fillRect(30, 40, 10, 20, Qt::blue);  // reversed: nothing, as FillRect
  rec.setPen(PenSpec{Qt::black, 1, Qt::NoPen});
  rec.rectangle(5, 5, 15, 15);
  rec.setPen(PenSpec{});
  rec.rectangle(50, 50, 60, 60);
  std::vector<Record> rects;
  std::vector<uint32_t> selected;
  for (const Record& r : records(rec.finish())) {
    if (r.type == emf::kRectangle) rects.push_back(r);
    if (r.type == emf::kSelectObject) selected.push_back(r.u32(8));
  }
  ASSERT_EQ(rects.size(), 3u);
  EXPECT_EQ((std::vector<int>{rects[0].i32(8), rects[0].i32(12), rects[0].i32(16), rects[0].i32(20)}), (std::vector<int>{10, 20, 31, 41}));
  EXPECT_EQ((std::vector<int>{rects[1].i32(8), rects[1].i32(12), rects[1].i32(16), rects[1].i32(20)}), (std::vector<int>{5, 5, 16, 16}));
  EXPECT_EQ((std::vector<int>{rects[2].i32(8), rects[2].i32(12), rects[2].i32(16), rects[2].i32(20)}), (std::vector<int>{50, 50, 60, 60}));
  EXPECT_NE(std::find(selected.begin(), selected.end(), emf::kNullPen), selected.end());
}

// Objects are created once and reused; before the end record the page's own
// objects are put back and every created one is deleted, none while selected.
TEST(EmfRecorder, ObjectsAreReusedAndAllDeletedBeforeTheEnd) {
  EmfRecorder rec(QSize(800, 800), 96);
  for (int i = 0; i < 200; ++i) {
    rec.setPen(PenSpec{QColor(i, 0, 0), 1, Qt::SolidLine});
    rec.rectangle(i, i, i + 10, i + 10);
    rec.fillRect(i, 0, i + 1, 1, Qt::white);  // the same brush every time
  }
  rec.textOut(10, 10, TextAlign::Left, QStringLiteral("登記"));
  const QByteArray emf = rec.finish();
  int created = 0, whiteBrushes = 0;
  std::map<uint32_t, uint32_t> live;      // handle -> the record that created it
  std::map<uint32_t, uint32_t> selected;  // creating record type -> handle selected
  const auto kindOfStock = [](uint32_t h) {
    return h <= emf::kNullBrush ? emf::kCreateBrushIndirect : h <= emf::kNullPen ? emf::kCreatePen : emf::kExtCreateFontIndirectW;
  };
  for (const Record& r : records(emf)) {
    const uint32_t handle = r.type == emf::kEof ? 0 : r.u32(8);
    if (r.type == emf::kCreatePen || r.type == emf::kCreateBrushIndirect || r.type == emf::kExtCreateFontIndirectW) {
      ++created;
      EXPECT_TRUE(live.emplace(handle, r.type).second) << "handle reused while alive";
      if (r.type == emf::kCreateBrushIndirect && r.u32(12) == emf::kBsSolid && (r.u32(16) & 0xFFFFFF) == 0xFFFFFF) ++whiteBrushes;
    }
    if (r.type == emf::kSelectObject) selected[handle & emf::kStockFlag ? kindOfStock(handle) : live.at(handle)] = handle;
    if (r.type == emf::kDeleteObject) {
      ASSERT_EQ(live.count(handle), 1u);
      EXPECT_NE(selected[live[handle]], handle) << "deleted while selected";
      live.erase(handle);
    }
  }
  EXPECT_EQ(whiteBrushes, 1);
  EXPECT_GT(created, 16);
  EXPECT_TRUE(live.empty()) << live.size() << " objects left at the end";
  EXPECT_LE(readEmfHeader(emf)->handles, 17);
}

}  // namespace
}  // namespace kopira::report
