// kopira-icons: writes the program's face picture as the desktop's icons,
//   kopira-icons FOLDER   ->   FOLDER/hicolor/NxN/apps/kopira.png
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app/controls/pictures.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kopira-icons FOLDER\n");
    return 2;
  }
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    if (!QDir().mkpath(folder) || !kopira::pictures::faceIcon(size).save(folder + QStringLiteral("/kopira.png"), "PNG")) {
      std::fprintf(stderr, "kopira-icons: cannot write %s\n", qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
