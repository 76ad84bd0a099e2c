#include "print_job.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <cups/cups.h>
#include <optional>

namespace kopira::printtest {
namespace {

constexpr int kJobTimeoutMs = 60000;

// The test server keeps its socket and its output folders side by side:
// cups-pdf writes TITLE-SUFFIX.pdf into out/, the driverless printer keeps
// JOBID-TITLE.pdf in ipp-out/.
QStringList cupsOutputDirs() {
  const QString root = QFileInfo(qEnvironmentVariable("CUPS_SERVER")).absolutePath();
  return {root + QStringLiteral("/out"), root + QStringLiteral("/ipp-out")};
}

// Runs a tool; its standard output, or nothing when it failed.
std::optional<QString> run(const QString& program, const QStringList& args, QString* error) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(kJobTimeoutMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
    *error = program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
    return std::nullopt;
  }
  return QString::fromLocal8Bit(p.readAllStandardOutput());
}

}  // namespace

// The PDF exists, empty, before the job ends, so the file itself proves nothing.
bool waitForJobs(QString* error) {
  const QDeadlineTimer deadline(kJobTimeoutMs);
  while (!deadline.hasExpired()) {
    const std::optional<QString> pending = run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("not-completed"), QStringLiteral("-o")}, error);
    if (!pending) return false;
    if (pending->trimmed().isEmpty()) return true;
    QThread::msleep(100);
  }
  *error = QStringLiteral("the print job did not finish within %1 s").arg(kJobTimeoutMs / 1000);
  return false;
}

namespace {

// Without anti-aliasing, so a hairline is one solid pixel wide.
bool rasterise(PrintedJob& job) {
  QTemporaryDir dir;
  const std::optional<QString> done = run(QStringLiteral("pdftoppm"),
      {QStringLiteral("-r"), QString::number(job.dpi), QStringLiteral("-gray"), QStringLiteral("-aa"), QStringLiteral("no"),
       QStringLiteral("-aaVector"), QStringLiteral("no"), job.pdfPath, dir.filePath(QStringLiteral("page"))}, &job.error);
  if (!done) return false;
  // pdftoppm pads the page numbers, so the names sort in page order.
  // A B4 page at 600 dpi is beyond Qt's default limit for decoded images.
  QImageReader::setAllocationLimit(std::max(QImageReader::allocationLimit(), 1024));
  for (const QString& name : QDir(dir.path()).entryList({QStringLiteral("page*.pgm")}, QDir::Files, QDir::Name)) {
    QImageReader reader(dir.filePath(name));
    const QImage page = reader.read();
    if (page.isNull()) {
      job.error = QStringLiteral("unreadable raster %1: %2").arg(name, reader.errorString());
      return false;
    }
    job.pages.push_back(page.convertToFormat(QImage::Format_Grayscale8));
  }
  if (job.pages.empty()) job.error = QStringLiteral("the PDF has no pages");
  return !job.pages.empty();
}

}  // namespace

double printerPixels(const QPrinter& printer, double mm) { return mm * printer.resolution() / 25.4; }

std::optional<DeviceJob> lastDeviceJob(const QString& queue) {
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);
  if (!dest) return std::nullopt;
  const QByteArray uri = cupsGetOption("device-uri", dest->num_options, dest->options);
  cupsFreeDests(1, dest);
  char scheme[32], user[64], host[256], resource[256];
  int port = 0;
  if (httpSeparateURI(HTTP_URI_CODING_ALL, uri.constData(), scheme, sizeof scheme, user, sizeof user, host, sizeof host,
                      &port, resource, sizeof resource) < HTTP_URI_STATUS_OK)
    return std::nullopt;
  http_t* printer = httpConnect2(host, port, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED, 1, 10000, nullptr);
  if (!printer) return std::nullopt;
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
  static const char* const wanted[] = {"job-id", "job-name", "sides", "copies"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 4, nullptr, wanted);
  ipp_t* response = cupsDoRequest(printer, request, resource);
  std::optional<DeviceJob> last;
  int lastId = 0;
  DeviceJob job;
  int id = 0;
  // One group of job attributes per job, separated by unnamed attributes.
  for (ipp_attribute_t* a = response ? ippFirstAttribute(response) : nullptr;; a = ippNextAttribute(response)) {
    if (!a || !ippGetName(a) || ippGetGroupTag(a) != IPP_TAG_JOB) {
      if (id > lastId) {
        lastId = id;
        last = job;
      }
      job = DeviceJob();
      id = 0;
      if (!a) break;
      continue;
    }
    const QByteArray name = ippGetName(a);
    if (name == "job-id") id = ippGetInteger(a, 0);
    if (name == "job-name") job.name = QString::fromUtf8(ippGetString(a, 0, nullptr));
    if (name == "sides") job.sides = QString::fromUtf8(ippGetString(a, 0, nullptr));
    if (name == "copies") job.copies = ippGetInteger(a, 0);
  }
  ippDelete(response);
  httpClose(printer);
  return last;
}

// Letters and digits survive cups-pdf's file naming as they are.
QString uniqueJobTitle() {
  static std::atomic<int> counter{0};
  return QStringLiteral("kopira%1x%2x%3")
      .arg(QCoreApplication::applicationPid())
      .arg(++counter)
      .arg(QDateTime::currentMSecsSinceEpoch());
}

PrintedJob collectJob(const QString& title, double dpi) {
  PrintedJob job;
  job.dpi = dpi;
  if (!waitForJobs(&job.error)) return job;
  QStringList written;
  for (const QString& folder : cupsOutputDirs()) {
    const QDir out(folder);
    for (const QString& name : out.entryList({QLatin1Char('*') + title + QStringLiteral("*.pdf")}, QDir::Files))
      written << out.filePath(name);
  }
  if (written.size() != 1 || !QFileInfo(written[0]).size()) {
    job.error = QStringLiteral("no single PDF for %1 in %2").arg(title, cupsOutputDirs().join(QLatin1Char(' ')));
    return job;
  }
  job.pdfPath = written[0];
  job.ok = rasterise(job);
  return job;
}

PrintedJob rasterisePdf(const QString& path, double dpi) {
  PrintedJob job;
  job.dpi = dpi;
  job.pdfPath = path;
  job.ok = rasterise(job);
  return job;
}

PrintedJob printWith(const PrintFunction& print, double dpi) {
  PrintedJob job;
  job.dpi = dpi;
  const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
  if (queue.isNull()) {
    job.error = QStringLiteral("no default printer; is CUPS_SERVER set to the test server?");
    return job;
  }
  const QString title = uniqueJobTitle();
  {
    QPrinter printer(queue, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(title);
    if (printer.outputFormat() != QPrinter::NativeFormat) {
      job.error = QStringLiteral("QPrinter did not take the CUPS queue");
      return job;
    }
    if (!print(printer)) {
      job.error = QStringLiteral("printing failed");
      return job;
    }
  }
  return collectJob(title, dpi);
}

PrintedJob printPages(const std::vector<PageRequest>& pages, double dpi) {
  return printWith(
      [&](QPrinter& printer) {
        QPainter painter;
        for (size_t i = 0; i < pages.size(); ++i) {
          const QPageLayout layout(pages[i].size, pages[i].orientation, QMarginsF());
          if (!printer.setPageLayout(layout)) return false;
          if (i == 0 ? !painter.begin(&printer) : !printer.newPage()) return false;
          pages[i].draw(painter, printer);
        }
        return painter.end();
      },
      dpi);
}

}  // namespace kopira::printtest
