#pragma once
// The eleven 16 x 16 toolbar pictures of the preview window, drawn here so
// the program carries no image files. Indexed by the buttons' image numbers.
#include <QIcon>

namespace kopira::report {

enum class ToolbarImage {
  ZoomFit = 0,
  Zoom100 = 1,
  ZoomWidth = 2,
  FirstPage = 3,
  PreviousPage = 4,
  NextPage = 5,
  LastPage = 6,
  PrintSetup = 7,
  Print = 8,
  Load = 9,
  Save = 10,
};

QIcon toolbarIcon(ToolbarImage image);

}  // namespace kopira::report
