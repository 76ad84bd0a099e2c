#include "report/print/printer_device.h"

#include "report/print/queue_media.h"
#include "report/core/qr_error.h"

namespace kopira::report {
namespace {

const QString kNoDefaultPrinter = QStringLiteral("デフォルト プリンタが存在しません");
const QString kIndexOutOfRange = QStringLiteral("プリンタ番号が範囲を超えています");

QPrinter::PaperSource paperSourceFor(TQRBin bin) {
  switch (bin) {
    case TQRBin::First:
    case TQRBin::Upper: return QPrinter::Upper;
    case TQRBin::Lower: return QPrinter::Lower;
    case TQRBin::Middle: return QPrinter::Middle;
    case TQRBin::Manual: return QPrinter::Manual;
    case TQRBin::Envelope: return QPrinter::Envelope;
    case TQRBin::EnvManual: return QPrinter::EnvelopeManual;
    case TQRBin::Auto: return QPrinter::Auto;
    case TQRBin::Tractor: return QPrinter::Tractor;
    case TQRBin::SmallFormat: return QPrinter::SmallFormat;
    case TQRBin::LargeFormat: return QPrinter::LargeFormat;
    case TQRBin::LargeCapacity: return QPrinter::LargeCapacity;
    case TQRBin::Cassette:
    case TQRBin::Last: return QPrinter::Cassette;
  }
  return QPrinter::Auto;
}

}  // namespace

QPrinter::DuplexMode duplexModeFor(TQRDuplex duplex) {
  switch (duplex) {
    case TQRDuplex::LongEdge: return QPrinter::DuplexLongSide;
    case TQRDuplex::ShortEdge: return QPrinter::DuplexShortSide;
    case TQRDuplex::None: break;
  }
  return QPrinter::DuplexNone;
}

TQRDuplex duplexOf(QPrinter::DuplexMode mode) {
  switch (mode) {
    case QPrinter::DuplexLongSide:
    case QPrinter::DuplexAuto: return TQRDuplex::LongEdge;
    case QPrinter::DuplexShortSide: return TQRDuplex::ShortEdge;
    case QPrinter::DuplexNone: break;
  }
  return TQRDuplex::None;
}

bool printerInstalled() { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

QPrinterInfo selectPrinter(int printerIndex) {
  const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
  if (printerIndex == -1) {
    if (printers.isEmpty()) throw EQRError(kNoDefaultPrinter);
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    return defaultPrinter.isNull() ? printers.first() : defaultPrinter;
  }
  if (printerIndex < 0 || printerIndex >= printers.size()) throw EQRError(kIndexOutOfRange);
  return printers.at(printerIndex);
}

int printerIndexOf(const QString& printerName) {
  return static_cast<int>(QPrinterInfo::availablePrinterNames().indexOf(printerName));
}

std::optional<QPageSize> printerSheet(const QPrinterInfo& printer, TQRPaperSize size) {
  if (!hasTableSize(size)) return std::nullopt;
  const QPageSize::PageSizeId id = pageSizeIdFor(size);
  for (const QPageSize& supported : printer.supportedPageSizes()) {
    if (supported.id() != id) continue;
    return queueSheet(printer.printerName(), supported).value_or(supported);
  }
  return std::nullopt;
}

bool printerSupports(const QPrinterInfo& printer, TQRPaperSize size) {
  if (size == TQRPaperSize::Default || size == TQRPaperSize::Custom) return true;
  const QPageSize::PageSizeId id = pageSizeIdFor(size);
  for (const QPageSize& supported : printer.supportedPageSizes())
    if (supported.id() == id) return true;
  return false;
}

PrinterValues acceptedValues(const PrinterValues& values, const QPrinterInfo* printer) {
  PrinterValues accepted = values;
  if (hasTableSize(values.paperSize) && printer && printerSupports(*printer, values.paperSize)) return accepted;
  if (values.paperSize == TQRPaperSize::Custom && printer) return accepted;
  // Default, or a size the printer cannot take: the printer's current paper.
  const QSizeF current = printer ? printer->defaultPageSize().size(QPageSize::Millimeter)
                                 : QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
  const bool landscape = values.orientation == TQROrientation::poLandscape;
  accepted.paperSize = TQRPaperSize::Default;
  accepted.paperWidth = (landscape ? current.height() : current.width()) * 10;
  accepted.paperLength = (landscape ? current.width() : current.height()) * 10;
  return accepted;
}

void writeDeviceMode(QPrinter& printer, const QPrinterInfo& info, const PrinterValues& values) {
  printer.setPrinterName(info.printerName());
  printer.setFullPage(true);
  // The driver's own sheet, so the queue has no page of another size to
  // centre on it (its B4 may differ from the standard one by a point or two).
  if (values.paperSize == TQRPaperSize::Custom)
    printer.setPageSize(pageSizeFor(values.paperSize, values.paperWidth, values.paperLength));
  else if (const std::optional<QPageSize> sheet = printerSheet(info, values.paperSize))
    printer.setPageSize(*sheet);
  printer.setDuplex(duplexModeFor(values.settings.duplex));
  printer.setCopyCount(qMax(1, values.settings.copies));
  printer.setPaperSource(paperSourceFor(values.settings.outputBin));
  printer.setPageOrientation(values.orientation == TQROrientation::poLandscape ? QPageLayout::Landscape
                                                                              : QPageLayout::Portrait);
  printer.setDocName(values.title);
}

}  // namespace kopira::report
