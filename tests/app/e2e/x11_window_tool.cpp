// What the end-to-end test needs of an X window that xdotool cannot do:
//   x11_window_tool grab WINDOW-ID FILE.png   saves a screenshot of the window
//   x11_window_tool close WINDOW-ID           asks the window to close, as a
//                                             window manager's close button does
//   x11_window_tool resources TEXT           sets the X resources (as xrdb does),
//                                             e.g. "Xft.dpi:\t192"
//   x11_window_tool halved BIG.png SMALL.png  prints the share of pixels (in %)
//                                             where BIG, shrunk to half its size,
//                                             differs clearly from SMALL
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
  const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t result = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
  free(reply);
  return result;
}

int grab(WId window, const QString& file) {
  const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(window);
  if (shot.isNull() || !shot.save(file, "PNG")) {
    std::fprintf(stderr, "could not save a screenshot of window %llu\n", static_cast<unsigned long long>(window));
    return 1;
  }
  return 0;
}

int close(WId window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11->connection();
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = static_cast<xcb_window_t>(window);
  message.type = atom(connection, "WM_PROTOCOLS");
  message.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
  return 0;
}

int setResources(const QString& text) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11->connection();
  const QByteArray bytes = text.toUtf8();
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 8,
                      static_cast<uint32_t>(bytes.size()), bytes.constData());
  xcb_flush(connection);
  return 0;
}

// BIG at half size (2 x 2 pixels averaged) against SMALL, in grey levels.
int halved(const QString& bigFile, const QString& smallFile) {
  const QImage big = QImage(bigFile).convertToFormat(QImage::Format_Grayscale8);
  const QImage small = QImage(smallFile).convertToFormat(QImage::Format_Grayscale8);
  if (big.isNull() || small.isNull() || big.size() != small.size() * 2) {
    std::fprintf(stderr, "%s is not twice the size of %s\n", qPrintable(bigFile), qPrintable(smallFile));
    return 1;
  }
  qint64 differing = 0;
  for (int y = 0; y < small.height(); ++y) {
    const uchar* top = big.constScanLine(2 * y);
    const uchar* bottom = big.constScanLine(2 * y + 1);
    const uchar* row = small.constScanLine(y);
    for (int x = 0; x < small.width(); ++x) {
      const int shrunk = (top[2 * x] + top[2 * x + 1] + bottom[2 * x] + bottom[2 * x + 1]) / 4;
      if (std::abs(shrunk - row[x]) > 96) ++differing;
    }
  }
  std::printf("%.2f\n", 100.0 * static_cast<double>(differing) / (small.width() * small.height()));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  bool ok = false;
  const WId window = args.size() >= 3 ? args.at(2).toULongLong(&ok, 0) : 0;
  if (ok && args.size() == 4 && args.at(1) == QLatin1String("grab")) return grab(window, args.at(3));
  if (ok && args.size() == 3 && args.at(1) == QLatin1String("close")) return close(window);
  if (args.size() == 3 && args.at(1) == QLatin1String("resources")) return setResources(args.at(2));
  if (args.size() == 4 && args.at(1) == QLatin1String("halved")) return halved(args.at(2), args.at(3));
  std::fprintf(stderr, "usage: x11_window_tool grab WINDOW-ID FILE.png | close WINDOW-ID | resources TEXT | halved BIG.png SMALL.png\n");
  return 2;
}
