#pragma once
// The platform printer layer: the installed printers, selecting one by index,
// what its driver supports, and writing a run's settings into a QPrinter
// (the device mode).
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSizeF>
#include <optional>

#include "report/core/printer_settings.h"

namespace kopira::report {

// True when at least one printer is installed.
bool printerInstalled();

// The printer of an index into the installed list, or the system default
// for -1 (the first installed printer when none is marked default). Throws
// EQRError "プリンタ番号が範囲を超えています" for an index outside the list,
// and "デフォルト プリンタが存在しません" when no printer is installed.
QPrinterInfo selectPrinter(int printerIndex);

// The index of a printer name in the installed list, -1 when not listed.
int printerIndexOf(const QString& printerName);

// The printer's own sheet for a table paper size: the standard size it
// lists, in the exact dimensions its queue gives that sheet; none when the
// printer does not list the size.
std::optional<QPageSize> printerSheet(const QPrinterInfo& printer, TQRPaperSize size);

// Whether the printer lists the paper size; Default and Custom always count.
bool printerSupports(const QPrinterInfo& printer, TQRPaperSize size);

// The page the values are recorded on: the asked paper when the printer
// supports it, else the printer's current paper (A4 without a printer).
// Returned as Default with that paper's width and length in 0.1 mm.
PrinterValues acceptedValues(const PrinterValues& values, const QPrinterInfo* printer);

// The printer's duplex mode for a two-sided choice (it becomes the job's
// sides), and back.
QPrinter::DuplexMode duplexModeFor(TQRDuplex duplex);
TQRDuplex duplexOf(QPrinter::DuplexMode mode);

// Writes the settings into the printer (paper when supported, duplex,
// copies, paper source, orientation) for full-page printing.
void writeDeviceMode(QPrinter& printer, const QPrinterInfo& info, const PrinterValues& values);

}  // namespace kopira::report
