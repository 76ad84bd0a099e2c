#pragma once
// What a report asks of the device it is printed on: its own print
// settings, and the values it hands to a destination at the start of a run.
#include <QString>

#include "report/core/paper_sizes.h"

namespace kopira::report {

enum class TQRBin {
  First, Upper, Lower, Middle, Manual, Envelope, EnvManual, Auto, Tractor, SmallFormat,
  LargeFormat, LargeCapacity, Cassette, Last
};

// Two-sided printing, by the edge the sheets are bound on. A layout's
// "duplex": true is the device's horizontal duplex, bound on the short edge.
enum class TQRDuplex { None, LongEdge, ShortEdge };

// The report's PrinterSettings. Page numbers 0 mean unbounded; printer index
// -1 is the system default printer.
struct TQRPrinterSettings {
  int copies = 1;
  TQRDuplex duplex = TQRDuplex::None;
  int firstPage = 0;
  int lastPage = 0;
  TQRBin outputBin = TQRBin::Auto;
  int printerIndex = -1;
};

// Handed from the report to its destination when a run starts.
struct PrinterValues {
  TQRPrinterSettings settings;
  TQRPaperSize paperSize = TQRPaperSize::A4;
  TQROrientation orientation = TQROrientation::poPortrait;
  double paperWidth = 2100;   // 0.1 mm, as the page holds it
  double paperLength = 2970;  // 0.1 mm
  QString title;
};

}  // namespace kopira::report
