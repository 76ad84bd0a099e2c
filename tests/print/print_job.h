#pragma once
// Prints through QPrinter to the default queue of the test CUPS server (a
// cups-pdf queue, see scripts/cups-test-server.sh), waits for the job and
// rasterises the PDF that cups-pdf wrote.
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QPrinter;

namespace kopira::printtest {

struct PrintedJob {
  bool ok = false;
  QString error;             // what went wrong when not ok
  QString pdfPath;           // the PDF that cups-pdf wrote
  double dpi = 0;            // of the page images
  std::vector<QImage> pages; // one 8-bit grey image per page, paper edge to paper edge
};

// Drives a QPrinter that is already set up for the queue (high resolution,
// full page, unique job title): begins painting, draws, ends. Returns false
// on failure.
using PrintFunction = std::function<bool(QPrinter&)>;
using DrawFunction = std::function<void(QPainter&, const QPrinter&)>;

struct PageRequest {
  QPageSize size;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  DrawFunction draw;
};

PrintedJob printWith(const PrintFunction& print, double dpi = 600);
// For a job that the code under test sends itself: a title no other job
// has, and the job of that title once the queue has finished it.
QString uniqueJobTitle();
PrintedJob collectJob(const QString& title, double dpi = 600);
// A PDF file rasterised as a printed job is.
PrintedJob rasterisePdf(const QString& path, double dpi = 600);
// One job with one page per request. CUPS prints a whole job on one sheet
// size (the printer's page size when the job ends) and centres pages of
// other sizes on it: print different sizes as separate jobs.
PrintedJob printPages(const std::vector<PageRequest>& pages, double dpi = 600);

// Waits until the test server holds no unfinished job; false (with the
// reason) when one did not finish in time.
bool waitForJobs(QString* error);

// A job as the printer behind a CUPS queue received it (the queue's device
// is an IPP printer, as the test server's driverless one is).
struct DeviceJob {
  QString name;
  QString sides;
  int copies = 1;
};
// The last job that printer holds; nothing when it cannot be asked.
std::optional<DeviceJob> lastDeviceJob(const QString& queue);

// Device pixels of the printer for a length in millimetres.
double printerPixels(const QPrinter& printer, double mm);

}  // namespace kopira::printtest
