#pragma once
// The three registry print buttons' tables: each names its page's checks,
// messages and fill-ins for the print scheme.
#include "app/printing/print_scheme.h"

namespace kopira::print {

const PrintScheme& landAndBuilding();  // page Form3
const PrintScheme& company();          // page Form2
const PrintScheme& valuation();        // page Form4

}  // namespace kopira::print
