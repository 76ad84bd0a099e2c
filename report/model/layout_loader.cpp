#include "report/model/layout_loader.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>

#include "report/model/json_fields.h"
#include "report/core/qr_error.h"
#include "report/model/qr_label.h"
#include "report/model/qr_shape.h"

namespace kopira::report {
namespace {

// Ten metres: any length beyond is a broken file, not a page.
constexpr double kMaxLength = 100000;
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

const QStringList kPenStyles{QStringLiteral("solid"), QStringLiteral("dash"), QStringLiteral("dot"),
                             QStringLiteral("dashDot"), QStringLiteral("dashDotDot"),
                             QStringLiteral("clear")};
constexpr Qt::PenStyle kQtPenStyles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                         Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};

Qt::PenStyle penStyle(JsonFields& fields) {
  return kQtPenStyles[fields.choice(QStringLiteral("style"), kPenStyles, 0)];
}

TQRFrame readFrame(JsonFields fields) {
  TQRFrame frame;
  frame.color = fields.color(QStringLiteral("color"), Qt::black);
  frame.drawTop = fields.boolean(QStringLiteral("top"), false);
  frame.drawBottom = fields.boolean(QStringLiteral("bottom"), false);
  frame.drawLeft = fields.boolean(QStringLiteral("left"), false);
  frame.drawRight = fields.boolean(QStringLiteral("right"), false);
  frame.width = fields.number(QStringLiteral("width"), 1, -1, 1000);
  frame.style = penStyle(fields);
  fields.finish();
  return frame;
}

// A font; "inherit" for name, charset or colour takes the page font's.
TQRFont readFont(JsonFields fields, const TQRFont& pageFont) {
  const QString inherit = QStringLiteral("inherit");
  TQRFont font;
  font.name = fields.requiredString(QStringLiteral("name"));
  if (font.name == inherit) font.name = pageFont.name;
  if (font.name.isEmpty()) fields.fail(QStringLiteral("name"), QStringLiteral("empty"));
  font.size = fields.integer(QStringLiteral("size"), 0, 1, 1000);
  if (!fields.has(QStringLiteral("size"))) fields.fail(QStringLiteral("size"), QStringLiteral("missing"));
  font.height = fields.integer(QStringLiteral("height"), -(font.size * 96 + 36) / 72, -10000, 10000);
  const QJsonValue charset = fields.value(QStringLiteral("charset"));
  if (charset == QJsonValue(inherit)) {
    font.charset = pageFont.charset;
  } else {
    font.charset = fields.integer(QStringLiteral("charset"), 128, 0, 255);
  }
  const QJsonValue color = fields.value(QStringLiteral("color"));
  font.color = color == QJsonValue(inherit) ? pageFont.color
                                            : fields.color(QStringLiteral("color"), Qt::black);
  for (const QString& style : fields.strings(QStringLiteral("style"))) {
    if (style == u"bold") font.bold = true;
    else if (style == u"italic") font.italic = true;
    else if (style == u"underline") font.underline = true;
    else if (style == u"strikeout") font.strikeOut = true;
    else fields.fail(QStringLiteral("style"), QStringLiteral("unknown style \"%1\"").arg(style));
  }
  fields.finish();
  return font;
}

// An object of the layout that carries a name: its problems are reported
// under that name, or under where it stands while it has none.
struct NamedObject {
  QString name;
  JsonFields fields;
};

NamedObject namedObject(const QJsonValue& value, const QString& where) {
  if (!value.isObject()) throw ELayoutError(where + QStringLiteral(": expected an object"));
  const QJsonObject object = value.toObject();
  QString name = object.value(QStringLiteral("name")).toString();
  JsonFields fields(object, name.isEmpty() ? where : name);
  return {std::move(name), std::move(fields)};
}

void requireName(JsonFields& fields) {
  if (fields.requiredString(QStringLiteral("name")).isEmpty()) {
    fields.fail(QStringLiteral("name"), QStringLiteral("empty"));
  }
}

void readCommon(JsonFields& fields, TQRPrintable& element) {
  const QList<double> v = fields.numbers(QStringLiteral("size"), 4, -kMaxLength, kMaxLength, true);
  if (v[0] < 0 || v[3] < 0) fields.fail(QStringLiteral("size"), QStringLiteral("negative height or width"));
  element.setSize(TQRPrintableSize{v[0], v[1], v[2], v[3]});
  if (fields.has(QStringLiteral("frame"))) element.frame = readFrame(fields.object(QStringLiteral("frame")));
  element.enabled = fields.boolean(QStringLiteral("enabled"), true);
  element.color = fields.color(QStringLiteral("color"), Qt::white);
  element.transparent = fields.boolean(QStringLiteral("transparent"), false);
  element.alignment = static_cast<TAlignment>(fields.choice(
      QStringLiteral("alignment"),
      {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("center")}, 0));
  element.alignToBand = fields.boolean(QStringLiteral("alignToBand"), false);
}

void readTextOptions(JsonFields& fields, TQRCustomLabel& label, bool autoSizeDefault,
                     const TQRFont& pageFont) {
  if (!fields.has(QStringLiteral("font"))) fields.fail(QStringLiteral("font"), QStringLiteral("missing"));
  label.setFont(readFont(fields.object(QStringLiteral("font")), pageFont));
  label.setAutoSize(fields.boolean(QStringLiteral("autoSize"), autoSizeDefault));
  label.autoStretch = fields.boolean(QStringLiteral("autoStretch"), false);
  label.wordWrap = fields.boolean(QStringLiteral("wordWrap"), true);
}

std::unique_ptr<TQRPrintable> readElement(const QJsonValue& value, const QString& where,
                                          const TQRFont& pageFont) {
  auto [name, fields] = namedObject(value, where);
  requireName(fields);
  const int kind = fields.choice(
      QStringLiteral("kind"), {QStringLiteral("label"), QStringLiteral("memo"), QStringLiteral("shape")}, -1);
  std::unique_ptr<TQRPrintable> element;
  if (kind == 0) {
    auto label = std::make_unique<TQRLabel>(name);
    label->setCaption(fields.requiredString(QStringLiteral("caption")));
    readTextOptions(fields, *label, true, pageFont);
    element = std::move(label);
  } else if (kind == 1) {
    auto memo = std::make_unique<TQRMemo>(name);
    memo->setLines(fields.strings(QStringLiteral("lines")));
    readTextOptions(fields, *memo, false, pageFont);
    element = std::move(memo);
  } else if (kind == 2) {
    auto shape = std::make_unique<TQRShape>(name);
    shape->shape = static_cast<TQRShapeType>(fields.choice(
        QStringLiteral("shape"),
        {QStringLiteral("rectangle"), QStringLiteral("circle"), QStringLiteral("vertLine"),
         QStringLiteral("horLine"), QStringLiteral("topAndBottom"), QStringLiteral("rightAndLeft")},
        0));
    JsonFields pen = fields.object(QStringLiteral("pen"));
    shape->pen = PenSpec{pen.color(QStringLiteral("color"), Qt::black),
                         pen.integer(QStringLiteral("width"), 1, 0, 1000), penStyle(pen)};
    pen.finish();
    JsonFields brush = fields.object(QStringLiteral("brush"));
    const int brushStyle = brush.choice(
        QStringLiteral("style"), {QStringLiteral("solid"), QStringLiteral("clear")}, 0);
    shape->brush = BrushSpec{brush.color(QStringLiteral("color"), Qt::white),
                             brushStyle == 0 ? Qt::SolidPattern : Qt::NoBrush};
    brush.finish();
    element = std::move(shape);
  } else {
    fields.fail(QStringLiteral("kind"), QStringLiteral("missing"));
  }
  readCommon(fields, *element);
  fields.finish();
  return element;
}

std::unique_ptr<TQRBand> readBand(const QJsonValue& value, const QString& where,
                                  const TQRFont& pageFont) {
  auto [name, fields] = namedObject(value, where);
  requireName(fields);
  if (!fields.has(QStringLiteral("type"))) fields.fail(QStringLiteral("type"), QStringLiteral("missing"));
  const int type = fields.choice(
      QStringLiteral("type"),
      {QStringLiteral("rbTitle"), QStringLiteral("rbPageHeader"), QStringLiteral("rbDetail"),
       QStringLiteral("rbPageFooter"), QStringLiteral("rbSummary"), QStringLiteral("rbGroupHeader"),
       QStringLiteral("rbGroupFooter")},
      0);
  auto band = std::make_unique<TQRBand>(name, static_cast<TQRBandType>(type));
  band->height = fields.requiredNumber(QStringLiteral("height"), 0, kMaxLength);
  band->width = fields.requiredNumber(QStringLiteral("width"), 0, kMaxLength);
  band->color = fields.color(QStringLiteral("color"), Qt::white);
  if (fields.has(QStringLiteral("frame"))) band->frame = readFrame(fields.object(QStringLiteral("frame")));
  band->enabled = fields.boolean(QStringLiteral("enabled"), true);
  band->alignToBottom = fields.boolean(QStringLiteral("alignToBottom"), false);
  band->forceNewPage = fields.boolean(QStringLiteral("forceNewPage"), false);
  band->forceNewColumn = fields.boolean(QStringLiteral("forceNewColumn"), false);
  const QJsonArray children = fields.array(QStringLiteral("elements"));
  for (qsizetype i = 0; i < children.size(); ++i) {
    band->addElement(readElement(children[i], name + QStringLiteral(".elements[%1]").arg(i), pageFont));
  }
  fields.finish();
  return band;
}

void readPage(JsonFields fields, TQRPage& page) {
  TQRPaperSize size = TQRPaperSize::A4;
  const QString sizeName = fields.requiredString(QStringLiteral("paperSize"));
  if (!paperSizeFromName(sizeName, &size)) {
    fields.fail(QStringLiteral("paperSize"), QStringLiteral("unknown paper size \"%1\"").arg(sizeName));
  }
  const int orientation = fields.choice(
      QStringLiteral("orientation"), {QStringLiteral("portrait"), QStringLiteral("landscape")}, 0);
  const QList<double> v = fields.numbers(QStringLiteral("values"), 7, 0, kMaxLength, true);
  if (v[TQRPage::Width] <= 0 || v[TQRPage::Length] <= 0) {
    fields.fail(QStringLiteral("values"), QStringLiteral("paper width and length must be positive"));
  }
  page.setColumns(fields.integer(QStringLiteral("columns"), 1, 1, 100));
  fields.finish();
  // Fields first, stored lengths last: the layout's own values stand.
  page.setOrientation(static_cast<TQROrientation>(orientation));
  page.setPaperSize(size);
  page.setValues({v[0], v[1], v[2], v[3], v[4], v[5], v[6]});
}

void readPrinterSettings(JsonFields fields, TQRPrinterSettings& settings) {
  settings.copies = fields.integer(QStringLiteral("copies"), 1, 1, 9999);
  settings.duplex = fields.boolean(QStringLiteral("duplex"), false) ? TQRDuplex::ShortEdge : TQRDuplex::None;
  settings.firstPage = fields.integer(QStringLiteral("firstPage"), 0, 0, 1000000);
  settings.lastPage = fields.integer(QStringLiteral("lastPage"), 0, 0, 1000000);
  settings.outputBin = static_cast<TQRBin>(fields.choice(
      QStringLiteral("outputBin"),
      {QStringLiteral("First"), QStringLiteral("Upper"), QStringLiteral("Lower"),
       QStringLiteral("Middle"), QStringLiteral("Manual"), QStringLiteral("Envelope"),
       QStringLiteral("EnvManual"), QStringLiteral("Auto"), QStringLiteral("Tractor"),
       QStringLiteral("SmallFormat"), QStringLiteral("LargeFormat"), QStringLiteral("LargeCapacity"),
       QStringLiteral("Cassette"), QStringLiteral("Last")},
      7));
  fields.finish();
}

void readOptions(JsonFields& fields, TQROptions& options) {
  for (const QString& option : fields.strings(QStringLiteral("options"))) {
    if (option == u"FirstPageHeader") options.firstPageHeader = true;
    else if (option == u"LastPageFooter") options.lastPageFooter = true;
    else if (option == u"Compression") options.compression = true;
    else fields.fail(QStringLiteral("options"), QStringLiteral("unknown option \"%1\"").arg(option));
  }
}

void readFunctions(JsonFields fields, TQRReport& report, const QJsonObject& object) {
  for (auto it = object.begin(); it != object.end(); ++it) {
    report.functions.append({it.key(), fields.string(it.key(), QString())});
  }
  fields.finish();
}

// Every element and band name once on the page.
void checkUniqueNames(const TQRReport& report) {
  QSet<QString> seen;
  const auto check = [&seen](const QString& name) {
    if (seen.contains(name)) throw ELayoutError(name + QStringLiteral(".name: used twice"));
    seen.insert(name);
  };
  for (const auto& band : report.bands()) {
    check(band->name());
    for (const auto& e : band->elements()) check(e->name());
  }
  for (const auto& e : report.elements()) check(e->name());
}

}  // namespace

std::unique_ptr<TQRReport> loadLayoutJson(const QByteArray& json, const QString& sourceName) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError) {
    throw ELayoutError(QStringLiteral("%1: not valid JSON at byte %2 (%3)")
                           .arg(sourceName)
                           .arg(error.offset)
                           .arg(error.errorString()));
  }
  if (!document.isObject()) throw ELayoutError(sourceName + QStringLiteral(": expected an object"));
  const QJsonObject root = document.object();
  auto [name, fields] = namedObject(root, sourceName);
  if (!fields.has(QStringLiteral("format"))) fields.fail(QStringLiteral("format"), QStringLiteral("missing"));
  fields.integer(QStringLiteral("format"), 1, 1, 1);
  requireName(fields);

  auto report = std::make_unique<TQRReport>(name);
  report->setZoom(fields.integer(QStringLiteral("zoom"), 100, -1000000, 1000000));
  if (!fields.has(QStringLiteral("page"))) fields.fail(QStringLiteral("page"), QStringLiteral("missing"));
  readPage(fields.object(QStringLiteral("page")), report->page());
  report->setUnits(static_cast<TQRUnit>(fields.choice(
      QStringLiteral("units"),
      {QStringLiteral("MM"), QStringLiteral("Inches"), QStringLiteral("Pixels"),
       QStringLiteral("Characters"), QStringLiteral("Native")},
      0)));
  if (fields.has(QStringLiteral("frame"))) report->frame = readFrame(fields.object(QStringLiteral("frame")));
  readOptions(fields, report->options);
  report->printIfEmpty = fields.boolean(QStringLiteral("printIfEmpty"), true);
  report->snapToGrid = fields.boolean(QStringLiteral("snapToGrid"), true);
  report->reportTitle = fields.string(QStringLiteral("reportTitle"), QString());
  report->formName = fields.string(QStringLiteral("formName"), QString());
  readPrinterSettings(fields.object(QStringLiteral("printerSettings")), report->printerSettings);
  readFunctions(fields.object(QStringLiteral("functions")), *report,
                root.value(QStringLiteral("functions")).toObject());
  if (fields.has(QStringLiteral("font"))) {
    report->font = readFont(fields.object(QStringLiteral("font")), report->font);
  }
  const QJsonArray bands = fields.array(QStringLiteral("bands"));
  for (qsizetype i = 0; i < bands.size(); ++i) {
    report->addBand(readBand(bands[i], QStringLiteral("%1.bands[%2]").arg(name).arg(i), report->font));
  }
  const QJsonArray elements = fields.array(QStringLiteral("elements"));
  for (qsizetype i = 0; i < elements.size(); ++i) {
    report->addElement(
        readElement(elements[i], QStringLiteral("%1.elements[%2]").arg(name).arg(i), report->font));
  }
  fields.finish();
  checkUniqueNames(*report);
  report->recomputeGeometry();
  return report;
}

std::unique_ptr<TQRReport> loadLayout(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    throw ELayoutError(QStringLiteral("%1: cannot be read (%2)").arg(fileName, file.errorString()));
  }
  if (file.size() > kMaxFileBytes) throw ELayoutError(fileName + QStringLiteral(": file too large"));
  return loadLayoutJson(file.read(kMaxFileBytes + 1), fileName);
}

}  // namespace kopira::report
