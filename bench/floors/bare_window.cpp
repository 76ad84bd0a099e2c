// The floor of the start-up benchmark: a bare Qt window of the main
// window's size and title, nothing in it. Runs until it is ended.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Kopira\u3000v2.0"));
  window.setGeometry(50, 50, 770, 700);
  window.show();
  return QApplication::exec();
}
