#include "tools/render_options.h"

#include <QFile>

namespace kopira::tools {
namespace {

bool splitAssignment(const QString& value, QString* name, QString* text) {
  const auto at = value.indexOf(u'=');
  if (at <= 0) return false;
  *name = value.left(at);
  *text = value.mid(at + 1);
  return true;
}

}  // namespace

QString renderUsage() {
  return QStringLiteral(
      "usage: kopira-render LAYOUT.json -o OUT.png|OUT.pdf|OUT.emf [--dpi N]\n"
      "                    [--set NAME=TEXT]... [--lines NAME=FILE]... [--boxes]\n"
      "       kopira-render --help\n"
      "  --dpi    resolution (PNG and EMF 96, PDF 600 unless given)\n"
      "  --set    label caption or memo lines (\\n separates memo lines)\n"
      "  --lines  memo lines from a UTF-8 text file\n"
      "  --boxes  print each element's device box: name left top right bottom\n");
}

std::optional<RenderOptions> parseRenderOptions(const QStringList& args, QString* error) {
  RenderOptions options;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args.at(i);
    const bool takesValue = arg == u"-o" || arg == u"--dpi" || arg == u"--set" || arg == u"--lines";
    if (takesValue && i + 1 >= args.size()) {
      *error = arg + QStringLiteral(" needs a value");
      return std::nullopt;
    }
    if (arg == u"--help" || arg == u"-h") {
      options.help = true;
      return options;
    }
    if (arg == u"-o") {
      options.output = args.at(++i);
    } else if (arg == u"--dpi") {
      bool ok = false;
      options.dpi = args.at(++i).toInt(&ok);
      if (!ok || options.dpi < 1 || options.dpi > 2400) {
        *error = QStringLiteral("--dpi must be 1 to 2400");
        return std::nullopt;
      }
    } else if (arg == u"--set" || arg == u"--lines") {
      QString name, text;
      if (!splitAssignment(args.at(++i), &name, &text)) {
        *error = arg + QStringLiteral(" needs NAME=VALUE");
        return std::nullopt;
      }
      if (arg == u"--set") {
        text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
      } else {
        QFile file(text);
        if (!file.open(QIODevice::ReadOnly)) {
          *error = QStringLiteral("cannot read %1").arg(text);
          return std::nullopt;
        }
        text = QString::fromUtf8(file.readAll());
        text.remove(u'\r');
        if (text.endsWith(u'\n')) text.chop(1);
      }
      options.texts.append({name, text});
    } else if (arg == u"--boxes") {
      options.boxes = true;
    } else if (arg.startsWith(u'-') || !options.layout.isEmpty()) {
      *error = QStringLiteral("unexpected argument %1").arg(arg);
      return std::nullopt;
    } else {
      options.layout = arg;
    }
  }
  if (options.layout.isEmpty() || options.output.isEmpty()) {
    *error = QStringLiteral("a layout and -o OUTPUT are needed");
    return std::nullopt;
  }
  return options;
}

}  // namespace kopira::tools
