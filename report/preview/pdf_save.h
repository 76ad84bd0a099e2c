#pragma once
// The preview's pages saved as PDF. A report's pages are generated again
// onto the PDF at 600 dpi, as printing generates them on the printer; pages
// loaded from a saved report file are replayed from their pictures. Both
// return a message for the user when nothing was written.
#include <QString>
#include <optional>

namespace kopira::report {

class TQRPrinter;
class TQRReport;

std::optional<QString> SaveReportPdf(TQRReport& report, const QString& path);
std::optional<QString> SavePicturesPdf(const TQRPrinter& printer, const QString& path);

}  // namespace kopira::report
