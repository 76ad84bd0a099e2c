// The registry pages on paper as their tables lay them out: every label as
// wide as its table says, and at 600 dpi every ruled line that the painting
// order leaves visible where the table puts it, with no text under a later
// element.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <memory>

#include "forms/tform2.h"
#include "forms/tform3.h"
#include "forms/tform4.h"
#include "report/draw/image_destination.h"
#include "report/model/qr_label.h"
#include "report/model/qr_report.h"
#include "report/model/qr_shape.h"

namespace {

using kopira::report::TQRCustomLabel;
using kopira::report::TQRLabel;
using kopira::report::TQRPrintable;
using kopira::report::TQRPrintableSize;
using kopira::report::TQRReport;
using kopira::report::TQRShape;

struct Page {
  const char* name;
  const char* layout;
  std::function<std::unique_ptr<QWidget>()> make;
  std::function<TQRReport&(QWidget&)> page;
};

template <class Form>
Page page(const char* name, const char* layout) {
  return {name, layout, [] { return std::make_unique<Form>(); },
          [](QWidget& w) -> TQRReport& { return *static_cast<Form&>(w).QRReport1; }};
}

const std::vector<Page>& pages() {
  static const std::vector<Page> all = {
      page<TForm2>("company", ":/layouts/company.json"),
      page<TForm3>("land_building", ":/layouts/land_building.json"),
      page<TForm4>("valuation", ":/layouts/valuation.json"),
  };
  return all;
}

// Stored label boxes of a layout file: name -> (caption, width in 0.1 mm).
std::map<QString, std::pair<QString, double>> storedLabels(const char* layout) {
  QFile file(QString::fromLatin1(layout));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << layout;
  std::map<QString, std::pair<QString, double>> labels;
  for (const QJsonValue v : QJsonDocument::fromJson(file.readAll()).object().value(u"elements").toArray()) {
    const QJsonObject e = v.toObject();
    if (e.value(u"kind").toString() != u"label" || !e.value(u"autoSize").toBool(true)) continue;
    if (e.value(u"caption").toString().isEmpty()) continue;
    labels[e.value(u"name").toString()] = {e.value(u"caption").toString(), e.value(u"size").toArray().at(3).toDouble()};
  }
  return labels;
}

// Every static label measures to its table width: the measured width in
// 0.1 mm, rounded half up as the tables round, is the stored one.
TEST(FormPaper, StaticLabelsAsWideAsTheirTables) {
  int labels = 0;
  for (const Page& p : pages()) {
    const auto form = p.make();
    TQRReport& report = p.page(*form);
    for (const auto& [name, stored] : storedLabels(p.layout)) {
      auto* label = dynamic_cast<TQRLabel*>(report.element(name));
      ASSERT_NE(label, nullptr) << p.name << " " << name.toStdString();
      label->BreakLines();
      const double measured = std::floor(label->size().width + 0.5);
      EXPECT_EQ(measured, stored.second) << p.name << " " << name.toStdString() << " " << stored.first.toStdString()
                                         << ": " << (label->size().width - stored.second) / 10 << " mm off its table";
      ++labels;
    }
  }
  EXPECT_EQ(labels, 111);
}

// A box in 0.1 mm.
struct Box {
  double left, top, right, bottom;
  explicit Box(const TQRPrintableSize& s) : left(s.left), top(s.top), right(s.left + s.width), bottom(s.top + s.height) {}
  bool contains(double x, double y, double margin) const {
    return x > left + margin && x < right - margin && y > top + margin && y < bottom - margin;
  }
  bool onOutline(double x, double y, double near) const {
    const bool inX = x > left - near && x < right + near;
    const bool inY = y > top - near && y < bottom + near;
    return (inY && (std::abs(x - left) < near || std::abs(x - right) < near)) ||
           (inX && (std::abs(y - top) < near || std::abs(y - bottom) < near));
  }
  bool overlaps(const Box& o, double margin) const {
    return left + margin < o.right && o.left < right - margin && top + margin < o.bottom && o.top < bottom - margin;
  }
};

bool hasText(const TQRPrintable& e) {
  const auto* text = dynamic_cast<const TQRCustomLabel*>(&e);
  if (text == nullptr) return false;
  for (const QString& line : text->formattedLines())
    if (!line.trimmed().isEmpty()) return true;
  return false;
}

// Dark within two device pixels of (x, y) in 0.1 mm, at 600 dpi.
bool inked(const QImage& image, double x, double y) {
  const int px = qRound(x * 600 / 254.0);
  const int py = qRound(y * 600 / 254.0);
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      if (image.valid(px + dx, py + dy) && qGray(image.pixel(px + dx, py + dy)) < 128) return true;
  return false;
}

TEST(FormPaper, RuledLinesShowAndNoTextIsCovered) {
  for (const Page& p : pages()) {
    const auto form = p.make();
    TQRReport& report = p.page(*form);
    kopira::report::ImageDestination images(600);
    report.GeneratePages(images);
    ASSERT_EQ(images.pages().size(), 1) << p.name;
    const QImage& image = images.pages().front();
    const auto& elements = report.elements();
    for (size_t i = 0; i < elements.size(); ++i) {
      const TQRPrintable& e = *elements[i];
      const Box box(e.size());
      if (hasText(e)) {
        for (size_t k = i + 1; k < elements.size(); ++k) {
          EXPECT_FALSE(box.overlaps(Box(elements[k]->size()), 1.0))
              << p.name << " " << e.name().toStdString() << " lies under " << elements[k]->name().toStdString();
        }
      }
      if (dynamic_cast<const TQRShape*>(&e) == nullptr) continue;
      // Each edge sampled every millimetre; a point hidden by a later
      // element's white inside is skipped, one on a later outline still shows.
      int missing = 0;
      QString where;
      const auto sample = [&](double x, double y) {
        for (size_t k = elements.size(); k-- > i + 1;) {
          const Box later(elements[k]->size());
          const bool shape = dynamic_cast<const TQRShape*>(elements[k].get()) != nullptr;
          if (shape && later.onOutline(x, y, 1.0)) break;
          if (later.contains(x, y, shape ? 1.0 : -0.5)) return;
        }
        if (!inked(image, x, y)) {
          ++missing;
          where = QStringLiteral("%1,%2 mm").arg(x / 10).arg(y / 10);
        }
      };
      for (double y = box.top + 10; y < box.bottom - 5; y += 10) {
        sample(box.left, y);
        sample(box.right, y);
      }
      for (double x = box.left + 10; x < box.right - 5; x += 10) {
        sample(x, box.top);
        sample(x, box.bottom);
      }
      EXPECT_EQ(missing, 0) << p.name << " " << e.name().toStdString() << " has no line at " << where.toStdString();
    }
  }
}

}  // namespace
