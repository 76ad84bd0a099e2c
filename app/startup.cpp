#include "app/startup.h"

#include <QApplication>

#include "app/after_first_paint.h"
#include "app/tform1.h"
#include "forms/tform2.h"
#include "forms/tform3.h"
#include "forms/tform4.h"
#include "forms/tform5.h"
#include "forms/tform6.h"
#include "platform/fonts.h"

namespace kopira::startup {

namespace {
template <typename Form>
void destroy(Form*& form) {
  delete form;
  form = nullptr;
}
}  // namespace

void prepareProcess() {
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qputenv("QT_SCALE_FACTOR", "1");
  qputenv("QT_FONT_DPI", "96");
}

void initialiseApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Kopira"));
  fonts::registerSubstitutions();
  app.setQuitOnLastWindowClosed(false);
}

void createWindows(QApplication& app) {
  Form1 = new TForm1;
  Form2 = new TForm2;
  Form3 = new TForm3;
  Form4 = new TForm4;
  Form5 = new TForm5;
  Form6 = new TForm6;
  QObject::connect(Form1, &TForm1::closed, &app, &QApplication::quit);
}

void showMainWindow() {
  Form1->show();
  Form1->activateWindow();
}

void destroyWindows() {
  destroy(Form6);
  destroy(Form5);
  destroy(Form4);
  destroy(Form3);
  destroy(Form2);
  destroy(Form1);
}

int run(int argc, char** argv) {
  prepareProcess();
  QApplication app(argc, argv);
  initialiseApplication(app);
  createWindows(app);
  showMainWindow();
  // The report pages are read once the main window is on screen.
  afterFirstPaint(Form1, {[] { Form2->QRReport1.load(); }, [] { Form3->QRReport1.load(); },
                          [] { Form4->QRReport1.load(); }, [] { Form6->QRReport1.load(); }});
  const int exitCode = QApplication::exec();
  destroyWindows();
  return exitCode;
}

}  // namespace kopira::startup
