// The three registry print buttons: each runs the print scheme with its own
// page and table.
#include "app/printing/registry_schemes.h"
#include "app/window/tform1.h"
#include "forms/tform2.h"
#include "forms/tform3.h"
#include "forms/tform4.h"

using kopira::print::runPrintScheme;

void TForm1::BitBtn1Click() { runPrintScheme(printInputs_, *Form3->QRReport1, kopira::print::landAndBuilding()); }

void TForm1::BitBtn2Click() { runPrintScheme(printInputs_, *Form2->QRReport1, kopira::print::company()); }

void TForm1::BitBtn3Click() { runPrintScheme(printInputs_, *Form4->QRReport1, kopira::print::valuation()); }
