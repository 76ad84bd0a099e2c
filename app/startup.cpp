#include "app/startup.h"

#include <QApplication>
#include <cstdio>
#include <memory>
#include <string_view>

#include "app/controls/input_method.h"
#include "app/controls/qt_texts.h"
#include "app/files/copy_handover.h"
#include "app/files/file_locations.h"
#include "app/files/files_lock.h"
#include "app/files/one_copy.h"
#include "app/files/settings_component.h"
#include "app/printing/tform5.h"
#include "app/window/after_first_paint.h"
#include "app/window/tform1.h"
#include "app/window/window_recovery.h"
#include "forms/tform2.h"
#include "forms/tform3.h"
#include "forms/tform4.h"
#include "forms/tform6.h"
#include "platform/fonts.h"
#include "platform/write_refusal.h"

namespace kopira::startup {

namespace {
template <typename Form>
void destroy(Form*& form) {
  delete form;
  form = nullptr;
}
}  // namespace

void initialiseApplication(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Kopira"));
  // Ties the windows to the menu entry (its icon and name on the task bar).
  QGuiApplication::setDesktopFileName(QStringLiteral("example.kopira.Kopira"));
  fonts::registerSubstitutions();
  loadQtTranslation(app);
  app.setQuitOnLastWindowClosed(false);
  new CompositionGuard(&app);
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

bool takeArguments(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument == "--version") {
      std::printf("kopira %s\n", KOPIRA_VERSION);
      return false;
    }
    if (argument == file_locations::kStartedFromMenuFlag) file_locations::setStartedFromMenu(true);
  }
  return true;
}

void bringMainWindowForward() {
  if (!Form1) return;
  if (Form1->isMinimized()) Form1->showNormal();
  // A modal window (the print preview, a message) stays in front of it.
  QWidget* front = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : Form1;
  front->raise();
  front->activateWindow();
}

namespace {

// Locks the settings folder and the history folder this start resolved.
one_copy::Start claimKeptFiles(FilesLock& lock) {
  const std::unique_ptr<TIniGT> settings(createSettingsComponent(nullptr));
  return one_copy::claim(lock, one_copy::keptFolders(settings->path(), file_locations::dataFolder()));
}

// On a desktop that offers both Wayland and X11 (XWayland), the X11
// platform: there the windows keep the places they were given. A platform
// the user chose (QT_QPA_PLATFORM, -platform) stays; without an X server
// Qt's own choice stays. True when the choice was made here.
bool preferX11Platform(int argc, char** argv) {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY")) return false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument(argv[i]);
    if (argument == "-platform" || argument == "--platform") return false;
  }
  qputenv("QT_QPA_PLATFORM", "xcb;wayland");
  return true;
}

}  // namespace

int run(int argc, char** argv) {
  if (!takeArguments(argc, argv)) return 0;
  const bool platformChosenHere = preferX11Platform(argc, argv);
  // The layout's 96-dpi pixels are logical pixels: Qt's high-DPI scaling
  // turns the desktop's scale factor (QT_SCALE_FACTOR, QT_FONT_DPI, the
  // screen's Xft.dpi) into an even enlargement of the whole window, with
  // the logical font DPI kept at 96.
  QApplication app(argc, argv);
  // Programs started from here (a browser) make their own choice.
  if (platformChosenHere) qunsetenv("QT_QPA_PLATFORM");
  initialiseApplication(app);
  FilesLock lock;
  const one_copy::Start start = claimKeptFiles(lock);
  if (start == one_copy::Start::End) return 0;
  // Later starts on the same files come here while this copy keeps them.
  std::unique_ptr<HandoverServer> handover;
  if (start == one_copy::Start::Editable) handover = std::make_unique<HandoverServer>(bringMainWindowForward);
  if (start == one_copy::Start::ReadOnly) write_refusal::set(one_copy::readOnlyReason());
  createWindows(app);
  if (start == one_copy::Start::ReadOnly) Form1->setWindowTitle(Form1->windowTitle() + one_copy::readOnlyTitleSuffix());
  // What a copy that did not end left is offered back before the window
  // takes input.
  auto recovery = std::make_unique<WindowRecovery>(*Form1, *Form5, start == one_copy::Start::ReadOnly);
  showMainWindow();
  // The report pages are read once the main window is on screen.
  afterFirstPaint(Form1, {[] { Form2->QRReport1.load(); }, [] { Form3->QRReport1.load(); },
                          [] { Form4->QRReport1.load(); }, [] { Form6->QRReport1.load(); }});
  const int exitCode = QApplication::exec();
  recovery.reset();
  destroyWindows();
  return exitCode;
}

}  // namespace kopira::startup
