// "戸籍住民票": tidies the office block and opens the request dialog.
#include "app/printing/tform5.h"
#include "app/window/tform1.h"

namespace {
// Empty lines are looked for among the office block's first five.
constexpr int kOfficeLinesExamined = 5;
}  // namespace

void TForm1::BitBtn4Click() {
  // From the fifth line up, so the lines still to be examined keep their
  // index; a line past the end reads as empty and is not there to remove.
  TMemoLines& office = Memo6->Lines();
  for (int i = kOfficeLinesExamined - 1; i >= 0; --i) {
    if (office.Get(i).isEmpty()) office.Delete(i);
  }
  // Not modal: the main window stays usable beside it.
  Form5->show();
  Form5->raise();
  Form5->activateWindow();
}
