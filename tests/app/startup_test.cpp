// Start-up: six windows in their order, only the main window shown, and the
// program's end when the main window closes.
#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/printing/tform5.h"
#include "app/startup.h"
#include "app/window/tform1.h"
#include "forms/tform2.h"
#include "forms/tform3.h"
#include "forms/tform4.h"
#include "forms/tform6.h"
#include "platform/message_box_recorder.h"
#include "program_folder.h"

namespace {

TEST(Startup, CreatesSixWindowsAndShowsOnlyTheMainWindow) {
  const kopira::testing::ProgramFolder folder;
  kopira::MessageBoxRecorder messages;
  auto& app = *qobject_cast<QApplication*>(QCoreApplication::instance());
  kopira::startup::initialiseApplication(app);
  EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Kopira"));
  kopira::startup::createWindows(app);
  const QList<QWidget*> windows{Form1, Form2, Form3, Form4, Form5, Form6};
  for (int i = 0; i < windows.size(); ++i) {
    ASSERT_NE(windows[i], nullptr);
    EXPECT_EQ(windows[i]->objectName(), QStringLiteral("Form%1").arg(i + 1));
  }
  kopira::startup::showMainWindow();
  QApplication::processEvents();
  EXPECT_TRUE(Form1->isVisible());
  for (QWidget* other : windows.mid(1)) EXPECT_FALSE(other->isVisible()) << other->objectName().toStdString();

  // Closing the main window ends the message loop, even with the dialog open.
  Form5->show();
  QTimer::singleShot(0, Form1, [] { Form1->close(); });
  QTimer::singleShot(5000, &app, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QApplication::exec(), 0);

  kopira::startup::destroyWindows();
  EXPECT_EQ(Form1, nullptr);
  EXPECT_EQ(Form6, nullptr);
}

}  // namespace
