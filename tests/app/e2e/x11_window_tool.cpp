// What the end-to-end test needs of an X window that xdotool cannot do:
//   x11_window_tool grab WINDOW-ID FILE.png   saves a screenshot of the window
//   x11_window_tool close WINDOW-ID           asks the window to close, as a
//                                             window manager's close button does
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
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

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  bool ok = false;
  const WId window = args.size() >= 3 ? args.at(2).toULongLong(&ok, 0) : 0;
  if (ok && args.size() == 4 && args.at(1) == QLatin1String("grab")) return grab(window, args.at(3));
  if (ok && args.size() == 3 && args.at(1) == QLatin1String("close")) return close(window);
  std::fprintf(stderr, "usage: x11_window_tool grab WINDOW-ID FILE.png | close WINDOW-ID\n");
  return 2;
}
