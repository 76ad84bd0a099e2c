// The floor of the PDF benchmark: bare Qt drawing a page layout's boxes and
// texts into a PDF, with none of the report engine.
//   bare_pdf_page LAYOUT.json OUT.pdf
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPdfWriter>

namespace {

// The IPA face standing in for each of the layouts' face names.
QString faceFor(const QString& name) {
  const bool gothic = name.contains(QStringLiteral("ゴシック"));
  const bool proportional = name.contains(QStringLiteral("Ｐ"));
  if (gothic) return proportional ? QStringLiteral("IPAPGothic") : QStringLiteral("IPAGothic");
  return proportional ? QStringLiteral("IPAPMincho") : QStringLiteral("IPAMincho");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) return 2;
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::ReadOnly)) return 1;
  const QJsonObject layout = QJsonDocument::fromJson(file.readAll()).object();
  QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
  pdf.setResolution(600);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF());
  QPainter painter(&pdf);
  const double dots = 600 / 254.0;  // per tenth of a millimetre
  for (const QJsonValue& value : layout.value(QStringLiteral("elements")).toArray()) {
    const QJsonObject element = value.toObject();
    const QJsonArray size = element.value(QStringLiteral("size")).toArray();
    const QRectF box(size[1].toDouble() * dots, size[2].toDouble() * dots, size[3].toDouble() * dots,
                     size[0].toDouble() * dots);
    const QString kind = element.value(QStringLiteral("kind")).toString();
    if (kind == QLatin1String("shape")) {
      painter.drawRect(box);
      continue;
    }
    const QJsonObject font = element.value(QStringLiteral("font")).toObject();
    QFont face(faceFor(font.value(QStringLiteral("name")).toString()));
    face.setPointSize(font.value(QStringLiteral("size")).toInt(9));
    painter.setFont(face);
    QString text = element.value(QStringLiteral("caption")).toString();
    for (const QJsonValue& line : element.value(QStringLiteral("lines")).toArray())
      text += line.toString() + QLatin1Char('\n');
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
  }
  return painter.end() ? 0 : 1;
}
