#include "tools/render_page.h"

#include <QFile>
#include <stdexcept>

#include "platform/file_replace.h"
#include "report/draw/emf_destination.h"
#include "report/draw/image_destination.h"
#include "report/draw/pdf_destination.h"
#include "report/model/qr_label.h"

namespace kopira::tools {
namespace {

using namespace kopira::report;

// The boxes of the page-surface elements and of the bands, where the page
// puts them at a device's factors.
QStringList elementBoxes(const TQRReport& report, const ReportDestination& d) {
  QStringList lines;
  const auto add = [&](const QString& name, double left, double top, double width, double height) {
    lines << QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(name)
                 .arg(d.ToDeviceX(left))
                 .arg(d.ToDeviceY(top))
                 .arg(d.ToDeviceX(left + width))
                 .arg(d.ToDeviceY(top + height));
  };
  const TQRPage& page = report.page();
  double y = page.value(TQRPage::TopMargin);
  for (const auto& band : report.bands()) {
    add(band->name(), page.value(TQRPage::LeftMargin), y, band->width, band->height);
    y += band->height;
  }
  for (const auto& e : report.elements()) {
    add(e->name(), e->size().left, e->size().top, e->size().width, e->size().height);
  }
  return lines;
}

void writeFile(const QString& fileName, const QByteArray& bytes) {
  if (const std::optional<kopira::file_replace::Failure> failure = kopira::file_replace::replace(fileName, bytes))
    throw std::runtime_error(QStringLiteral("cannot write %1: %2").arg(fileName, kopira::file_replace::reason(*failure)).toStdString());
}

}  // namespace

void applyFillIns(TQRReport& report, const RenderOptions& options) {
  for (const auto& [name, text] : options.texts) {
    if (TQRLabel* label = report.label(name)) {
      label->setCaption(text);
    } else if (TQRMemo* memo = report.memo(name)) {
      memo->setLines(text.split(u'\n'));
    } else {
      throw std::runtime_error(QStringLiteral("no label or memo named %1").arg(name).toStdString());
    }
  }
}

QStringList renderToFile(TQRReport& report, const RenderOptions& options) {
  const QString suffix = options.output.section(u'.', -1).toLower();
  if (suffix == u"png") {
    ImageDestination images(options.dpi > 0 ? options.dpi : 96);
    report.GeneratePages(images);
    if (images.pages().isEmpty()) throw std::runtime_error("the report produced no page");
    if (!images.pages().first().save(options.output, "PNG")) {
      throw std::runtime_error(QStringLiteral("cannot write %1").arg(options.output).toStdString());
    }
    return elementBoxes(report, images);
  }
  if (suffix == u"emf") {
    EmfDestination pictures(options.dpi > 0 ? options.dpi : 96);
    report.GeneratePages(pictures);
    if (pictures.pages().isEmpty()) throw std::runtime_error("the report produced no page");
    writeFile(options.output, pictures.pages().first());
    return elementBoxes(report, pictures);
  }
  if (suffix == u"pdf") {
    PdfDestination pdf(options.output, options.dpi > 0 ? options.dpi : 600);
    report.GeneratePages(pdf);
    if (pdf.saveError()) throw std::runtime_error(pdf.saveError()->toStdString());
    return elementBoxes(report, pdf);
  }
  throw std::runtime_error("the output must end in .png, .pdf or .emf");
}

}  // namespace kopira::tools
