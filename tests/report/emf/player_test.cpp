#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QtEndian>
#include <functional>

#include "platform/fonts.h"
#include "report/emf/emf_format.h"
#include "report/emf/emf_player.h"
#include "report/emf/emf_recorder.h"
#include "report/draw/painter_surface.h"
#include "tests/report/emf/emf_test_support.h"

namespace kopira::report {
namespace {
using testing::blankPage;

// A page with every kind of drawing the engine does, at GDI pixel rules.
void drawPage(DrawSurface& s) {
  s.fillRect(0, 40, 794, 45, Qt::white);
  s.setBrush(BrushSpec{});
  s.setPen(PenSpec{});
  s.rectangle(100, 100, 300, 200);
  s.rectangle(120, 300, 121, 400);  // one pixel wide
  s.fillRect(400, 100, 600, 103, Qt::black);  // a frame side
  s.fillRect(400, 100, 403, 300, Qt::black);
  s.setBrush(BrushSpec{QColor(200, 220, 255), Qt::SolidPattern});
  s.setPen(PenSpec{Qt::darkGreen, 3, Qt::SolidLine});
  s.rectangle(450, 150, 550, 250);
  s.setPen(PenSpec{Qt::black, 1, Qt::NoPen});
  s.rectangle(600, 600, 700, 700);
  s.setPen(PenSpec{Qt::blue, 1, Qt::SolidLine});
  s.setBrush(BrushSpec{Qt::white, Qt::NoBrush});
  s.ellipse(100, 600, 300, 700);
  s.line(50, 800, 750, 800);
  s.line(60, 810, 60, 900);
  FontSpec font;
  font.face = fonts::kMincho;
  font.pixelHeight = 16;
  s.setFont(font);
  s.textOut(110, 110, TextAlign::Left, QStringLiteral("東京都千代田区霞が関１丁目"));
  font.face = fonts::kPGothic;
  font.pixelHeight = 21;
  font.color = Qt::darkRed;
  s.setFont(font);
  s.textOut(700, 950, TextAlign::Right, QStringLiteral("令和６年１２月８日 No.12"));
  s.textOut(397, 1000, TextAlign::Center, QStringLiteral("固定資産評価証明書"));
}

QByteArray recordedPage() {
  EmfRecorder recorder(QSize(794, 1123), 96, QSize(21000, 29700));
  drawPage(recorder);
  return recorder.finish();
}

// Pixels of a that have no pixel of the same colour within one pixel in b.
int unmatchedPixels(const QImage& a, const QImage& b) {
  int unmatched = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb want = a.pixel(x, y);
      bool found = false;
      for (int dy = -1; dy <= 1 && !found; ++dy) {
        for (int dx = -1; dx <= 1 && !found; ++dx) {
          const int bx = x + dx, by = y + dy;
          found = b.valid(bx, by) && b.pixel(bx, by) == want;
        }
      }
      if (!found) ++unmatched;
    }
  }
  return unmatched;
}

QImage replay(const QByteArray& emf, QSize size) {
  QImage image = blankPage(size.width(), size.height());
  QPainter painter(&image);
  EmfPlayer player(emf);
  EXPECT_TRUE(player.isValid()) << player.error().toStdString();
  EXPECT_TRUE(player.play(painter, QRectF(QPointF(0, 0), size))) << player.error().toStdString();
  return image;
}

TEST(EmfPlayer, ReplayMatchesDirectDrawing) {
  QImage direct = blankPage(794, 1123);
  {
    QPainter painter(&direct);
    PainterSurface surface(painter);
    drawPage(surface);
  }
  const QImage replayed = replay(recordedPage(), direct.size());
  EXPECT_EQ(unmatchedPixels(direct, replayed), 0);
  EXPECT_EQ(unmatchedPixels(replayed, direct), 0);
  // GDI edges exactly: a 1-px outline covers 100..299, nothing at 300.
  EXPECT_EQ(replayed.pixel(100, 150), qRgb(0, 0, 0));
  EXPECT_EQ(replayed.pixel(299, 150), qRgb(0, 0, 0));
  EXPECT_EQ(replayed.pixel(300, 150), qRgb(255, 255, 255));
  // A pen-less rectangle fills its whole box.
  EXPECT_EQ(replayed.pixel(699, 699), qRgb(200, 220, 255));
  EXPECT_EQ(replayed.pixel(700, 700), qRgb(255, 255, 255));
}

TEST(EmfPlayer, FillRectCoversExactlyItsBox) {
  EmfRecorder recorder(QSize(40, 40), 96);
  recorder.fillRect(10, 10, 20, 20, Qt::black);
  const QImage image = replay(recorder.finish(), QSize(40, 40));
  EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(19, 19), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(20, 19), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(19, 20), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(9, 9), qRgb(255, 255, 255));
}

TEST(EmfPlayer, StretchesFrameOntoTarget) {
  EmfRecorder recorder(QSize(100, 50), 96);
  recorder.fillRect(10, 10, 20, 20, Qt::black);
  recorder.rectangle(50, 20, 60, 30);
  const QByteArray emf = recorder.finish();
  const QImage image = [&] {
    QImage out = blankPage(400, 200);
    QPainter painter(&out);
    EmfPlayer(emf).play(painter, QRectF(100, 0, 200, 100));
    return out;
  }();
  // Twice the size, shifted right by 100.
  EXPECT_EQ(image.pixel(120, 20), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(139, 39), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(140, 40), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(119, 19), qRgb(255, 255, 255));
  // The pen scales too: two pixels wide at twice the size.
  EXPECT_EQ(image.pixel(201, 50), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(202, 50), qRgb(255, 255, 255));
}

// The header and records of a small valid picture, to break in the tests.
QByteArray smallPicture() {
  EmfRecorder recorder(QSize(40, 40), 96);
  FontSpec font;
  font.face = fonts::kGothic;
  recorder.setFont(font);
  recorder.textOut(1, 1, TextAlign::Left, QStringLiteral("あいう"));
  recorder.rectangle(2, 2, 30, 30);
  return recorder.finish();
}

void putU32(QByteArray& bytes, qsizetype at, uint32_t v) { qToLittleEndian(v, bytes.data() + at); }

// Offset of the first record of the given type.
qsizetype offsetOf(const QByteArray& emf, uint32_t type) {
  qsizetype at = 0;
  for (const testing::Record& r : testing::records(emf)) {
    if (r.type == type) return at;
    at += r.bytes.size();
  }
  return -1;
}

std::pair<bool, QString> playBroken(const std::function<void(QByteArray&)>& breakIt) {
  QByteArray emf = smallPicture();
  breakIt(emf);
  EmfPlayer player(emf);
  QImage image = blankPage(40, 40);
  QPainter painter(&image);
  const bool ok = player.play(painter, QRectF(0, 0, 40, 40));
  return {ok, player.error()};
}

TEST(EmfPlayer, RejectsMalformedPictures) {
  const struct {
    const char* what;
    std::function<void(QByteArray&)> breakIt;
  } cases[] = {
      {"empty", [](QByteArray& e) { e.clear(); }},
      {"bad signature", [](QByteArray& e) { e[41] = 'X'; }},
      {"truncated", [](QByteArray& e) { e.chop(24); }},
      {"half a header", [](QByteArray& e) { e.truncate(60); }},
      {"zero-size record", [](QByteArray& e) { putU32(e, offsetOf(e, emf::kSetBkMode) + 4, 0); }},
      {"size not a multiple of 4", [](QByteArray& e) { putU32(e, offsetOf(e, emf::kSetBkMode) + 4, 14); }},
      {"size past the end", [](QByteArray& e) { putU32(e, offsetOf(e, emf::kRectangle) + 4, 0x7ffffff0); }},
      {"nBytes past the end", [](QByteArray& e) { putU32(e, 48, static_cast<uint32_t>(e.size()) + 4); }},
      {"absurd record count", [](QByteArray& e) { putU32(e, 52, 0xffffffff); }},
      {"no handles", [](QByteArray& e) { e[56] = 0; e[57] = 0; }},
      {"no end record", [](QByteArray& e) { putU32(e, e.size() - 20, 70); }},
      {"handle out of range", [](QByteArray& e) { putU32(e, offsetOf(e, emf::kExtCreateFontIndirectW) + 8, 999); }},
      {"selected handle out of range", [](QByteArray& e) { putU32(e, offsetOf(e, emf::kSelectObject) + 8, 40000); }},
      {"text count past the record", [](QByteArray& e) { putU32(e, offsetOf(e, emf::kExtTextOutW) + 44, 0x40000000); }},
      {"spacing past the record", [](QByteArray& e) { putU32(e, offsetOf(e, emf::kExtTextOutW) + 72, 0xfffffff0); }},
      {"zero frame", [](QByteArray& e) { putU32(e, 32, 0); }},
  };
  for (const auto& c : cases) {
    const auto [ok, error] = playBroken(c.breakIt);
    EXPECT_FALSE(ok) << c.what;
    EXPECT_FALSE(error.isEmpty()) << c.what;
  }
  EXPECT_TRUE(playBroken([](QByteArray&) {}).first);
}

TEST(EmfPlayer, SkipsUnknownRecords) {
  QByteArray emf = smallPicture();
  // Turn the background-mode record into an unknown one (EMR_GDICOMMENT-like).
  putU32(emf, offsetOf(emf, emf::kSetBkMode), 70);
  EmfPlayer player(emf);
  QImage image = blankPage(40, 40);
  QPainter painter(&image);
  EXPECT_TRUE(player.play(painter, QRectF(0, 0, 40, 40))) << player.error().toStdString();
  EXPECT_EQ(image.pixel(2, 20), qRgb(0, 0, 0));
}

// A picture with records other writers use: saved states, polylines,
// polygons, stock objects, an opaque background, baseline text, a comment.
TEST(EmfPlayer, PlaysCommonRecordsOfOtherWriters) {
  QFile file(QStringLiteral(KOPIRA_EMF_CORPUS "/other_records.emf"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QImage image = replay(file.readAll(), QSize(80, 113));
  EXPECT_EQ(image.pixel(66, 65), qRgb(0, 0, 0));        // stock black brush
  EXPECT_EQ(image.pixel(50, 60), qRgb(0, 0, 0));        // inside a polygon
  EXPECT_EQ(image.pixel(12, 70), qRgb(0, 0, 0));        // inside the other
}

}  // namespace
}  // namespace kopira::report
