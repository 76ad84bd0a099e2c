#pragma once
// Breaking the text of a label or memo into the lines it prints.
#include <QStringList>
#include <functional>

namespace kopira::report {

// Width of a string in pixels at the element's zoom.
using TextWidth = std::function<int(const QString&)>;

struct LineBreakRules {
  bool autoSize = false;  // each source line becomes one line, unbroken
  bool wordWrap = true;   // off: what overflows a line is dropped
  int width = 0;          // element width, pixels at zoom
};

// The formatted lines of the source lines: line feeds are removed, carriage
// returns cut further lines; without AutoSize each line is cut into words
// (ending after a space or '-') that are added to the pending line while
// they fit. A word too wide for the element is cut at its width, whole
// characters only, and the rest of it is dropped.
QStringList breakLines(const QStringList& source, const LineBreakRules& rules,
                       const TextWidth& width);

}  // namespace kopira::report
