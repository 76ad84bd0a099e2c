#pragma once
// The main window's inputs the printed forms draw on. The main window makes
// this list when it is built and registers it while it exists, so printing
// reaches the blocks without depending on the window.
class TEdit;
class TMemo;

namespace kopira {
class HeldHistory;
}

namespace kopira::print {

struct PrintInputs {
  TMemo* Memo1;  // real estate
  TMemo* Memo2;  // company
  TMemo* Memo6;  // office address
  TMemo* Memo7;  // hidden box that breaks the company block at the owner column's rows
  TEdit* Edit1;
  TEdit* Edit2;
  TEdit* Edit3;  // registry office
  TEdit* Edit4;  // municipality
  TEdit* Edit5;  // telephone
  HeldHistory* history;  // entries of prints whose previews are open
};

// The office address holds at most this many lines.
inline constexpr int kOfficeAddressLines = 4;

// The main window's inputs while it exists, else null.
extern const PrintInputs* MainWindowInputs;

}  // namespace kopira::print
