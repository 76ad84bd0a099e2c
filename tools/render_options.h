#pragma once
// Command line of kopira-render.
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

namespace kopira::tools {

struct RenderOptions {
  QString layout;
  QString output;
  int dpi = 0;  // 0: the format's default (96 for PNG and EMF, 600 for PDF)
  bool boxes = false;
  bool help = false;  // --help: the usage, nothing rendered
  // Fill-ins in the order given: element name and its text (lines of a
  // memo separated by '\n').
  QList<QPair<QString, QString>> texts;
};

// Parses the arguments after the program name; on error returns nothing and
// sets the message.
std::optional<RenderOptions> parseRenderOptions(const QStringList& args, QString* error);

QString renderUsage();

}  // namespace kopira::tools
