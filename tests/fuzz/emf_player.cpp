// Fuzzes the EMF player: header check, record framing, and the replay of
// every record onto a small image, both shrunk and enlarged.
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

#include "report/emf/emf_player.h"

namespace {
// Fonts need a GUI application; one offscreen instance serves every input.
void ensureApplication() {
  static int argc = 1;
  static char name[] = "emf_player_fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
  }();
  (void)app;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ensureApplication();
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  (void)kopira::report::readEmfHeader(bytes);
  kopira::report::EmfPlayer player(bytes);
  if (!player.isValid()) return 0;
  QImage image(64, 64, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  player.play(painter, QRectF(0, 0, 48, 64));
  player.play(painter, QRectF(-200, -300, 1000, 1400));
  return 0;
}
