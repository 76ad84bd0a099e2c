#pragma once
// The pictures of the main window (its icon and the four picture buttons)
// and of the request dialog's print button, drawn at start.
#include <QPixmap>

namespace kopira::pictures {

QPixmap faceIcon(int size = 32);  // a face on a yellow ground, size x size
QPixmap upArrow();       // 32x32: blue arrow pointing up
QPixmap downArrow();     // 32x32: green arrow pointing down
QPixmap portrait();      // 31x29: head and shoulders
QPixmap redCross();      // 32x32: red cross
QPixmap printer();       // 32x32: a printer with a sheet of paper

}  // namespace kopira::pictures
