// The printer object as the destination of page pictures: pages, their
// pictures, the announcements to its client, the engine's errors.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include "tests/report/preview_test_support.h"
#include "report/store/emf_header.h"
#include "report/print/qr_events.h"
#include "report/core/qr_error.h"

namespace kopira::report {
namespace {

// Records the announcements it receives, in order.
class AnnouncementLog : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == TQRPageAvailableEvent::type())
      log << QStringLiteral("pages %1").arg(static_cast<TQRPageAvailableEvent*>(e)->pages());
    else if (e->type() == TQRProgressEvent::type())
      log << QStringLiteral("progress %1").arg(static_cast<TQRProgressEvent*>(e)->percent());
    else
      return QObject::event(e);
    return true;
  }
  QStringList log;
};

TEST(PicturePrinter, RecordsEachPageAtScreenResolutionAndAnnouncesItAfterwards) {
  AnnouncementLog client;
  TQRPrinter printer(TQRPrinter::Destination::Pictures);
  printer.SetClient(&client);
  PrinterValues values;
  values.title = QStringLiteral("T");
  printer.setPrinterValues(values);
  printer.BeginDoc();
  EXPECT_DOUBLE_EQ(printer.xFactor(), 96.0 / 254);
  printer.NewPage();
  printer.surface().fillRect(0, 0, 10, 10, Qt::black);
  printer.NewPage();
  EXPECT_TRUE(client.log.isEmpty());  // posted, not sent
  printer.EndDoc();
  QCoreApplication::processEvents();
  EXPECT_EQ(client.log, (QStringList{QStringLiteral("progress 0"), QStringLiteral("pages 1"), QStringLiteral("pages 2"),
                                     QStringLiteral("pages 2"), QStringLiteral("progress 100")}));
  EXPECT_EQ(printer.PageCount(), 2);
  EXPECT_TRUE(printer.PageStore()->isComplete());
  const auto header = store::readEmfHeader(printer.GetPage(1));
  ASSERT_TRUE(header.has_value());
  EXPECT_EQ(header->frameRight, 21000);  // the whole A4 page in 0.01 mm
  EXPECT_EQ(header->frameBottom, 29700);
  EXPECT_TRUE(printer.GetPage(3).isEmpty());
}

TEST(PicturePrinter, WrongStateRaisesTheEngineErrors) {
  TQRPrinter printer(TQRPrinter::Destination::Pictures);
  try {
    printer.NewPage();
    FAIL();
  } catch (const EQRError& e) {
    EXPECT_EQ(e.message(), QStringLiteral("間違った NewPage の呼び出し"));
  }
  printer.setPrinterValues(PrinterValues());
  printer.BeginDoc();
  printer.EndDoc();
  try {
    printer.BeginDoc();
    FAIL();
  } catch (const EQRError& e) {
    EXPECT_EQ(e.message(), QStringLiteral("QRPrinter の準備ができていません"));
  }
}

TEST(PicturePrinter, AClientDestroyedDuringTheRunIsNotAnnouncedTo) {
  auto client = std::make_unique<AnnouncementLog>();
  TQRPrinter printer(TQRPrinter::Destination::Pictures);
  printer.SetClient(client.get());
  printer.setPrinterValues(PrinterValues());
  printer.BeginDoc();
  printer.NewPage();
  client.reset();
  printer.EndDoc();
  QCoreApplication::processEvents();
  EXPECT_EQ(printer.PageCount(), 1);
}

}  // namespace
}  // namespace kopira::report
