#pragma once
// The print scheme shared by the registry print buttons: count the text
// blocks against their limits, write the inputs into the fill-in elements of
// one report page, stamp the date, show the page in the modal preview, then
// append the company and real-estate blocks to the history. Each button
// brings a table of its own (registry_schemes.cpp).
#include <QString>
#include <vector>

#include "app/printing/print_inputs.h"

class TMemo;

namespace kopira::report {
class TQRReport;
}

namespace kopira::print {

// What a fill-in receives from the main window. The line sources go into a
// memo, one display row per line; the others into a label's caption.
enum class Source {
  CompanyLines,     // Memo2's rows
  CompanyRebroken,  // Memo2's text broken again at the rows of the hidden Memo7
  RealEstateLines,  // Memo1's rows
  RegistryOffice,   // Edit3
  Municipality,     // Edit4
  Telephone,        // Edit5
};

// A block counted in display rows; over the limit, the message is
// before + the count in ASCII digits + after.
struct RowCheck {
  TMemo* PrintInputs::*block;
  int limit;
  QString before;
  QString after;
};

struct FillIn {
  QString element;
  Source source;
};

struct PrintScheme {
  // Shown when the office address has more than four lines.
  QString officeMessage;
  // Made in order after the office lines went into QRMemo2.
  std::vector<RowCheck> checks;
  // Written in order once every check has passed.
  std::vector<FillIn> fillIns;
  // The label that receives the date stamp, written last.
  QString dateStamp;
};

// Runs the scheme for one press of a print button on the page given.
void runPrintScheme(const PrintInputs& inputs, report::TQRReport& page, const PrintScheme& scheme);

}  // namespace kopira::print
