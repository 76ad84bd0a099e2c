// kopira-render: renders one report page with fill-ins, without a window.
#include <QGuiApplication>
#include <QTextStream>
#include <exception>

#include "platform/fonts.h"
#include "report/model/layout_loader.h"
#include "tools/render_page.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  QString error;
  const auto options = kopira::tools::parseRenderOptions(app.arguments().mid(1), &error);
  if (!options) {
    err << "kopira-render: " << error << "\n" << kopira::tools::renderUsage();
    return 2;
  }
  if (options->help) {
    out << kopira::tools::renderUsage();
    return 0;
  }
  kopira::fonts::registerSubstitutions();
  try {
    auto report = kopira::report::loadLayout(options->layout);
    kopira::tools::applyFillIns(*report, *options);
    const QStringList boxes = kopira::tools::renderToFile(*report, *options);
    if (options->boxes) {
      for (const QString& line : boxes) out << line << "\n";
    }
  } catch (const std::exception& e) {  // layout, engine and file errors alike
    err << "kopira-render: " << QString::fromUtf8(e.what()) << "\n";
    return 1;
  }
  return 0;
}
