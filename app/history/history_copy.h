#pragma once
// The arrow buttons copy the history's selection into the company or the
// real-estate block.
#include <QPlainTextEdit>
#include <QString>

namespace kopira {

// The text selected in a box, its line breaks as CR LF (the box itself
// reports them as paragraph separators); empty when nothing is selected.
QString selectedLines(const QPlainTextEdit& box);

}  // namespace kopira
