// The floors of the start-up benchmark: a bare Qt window of the main
// window's size and title, nothing in it; with "--text", the same window
// showing Japanese texts in the IPA faces the main window uses, which is
// what any program pays to show text (the font database, the glyphs). Runs
// until it is ended.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Kopira\u3000v2.0"));
  window.setGeometry(50, 50, 770, 700);
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    const struct {
      const char* family;
      int pixels;
      QString text;
    } texts[] = {
        {"IPAPGothic", 12, QStringLiteral("会社の住所と社名　不動産の所在、地番、面積等　申請する法務局")},
        {"IPAGothic", 15, QStringLiteral("東京法務局　浦和市長　tel 03-1234-5678　１２３４５")},
    };
    int top = 20;
    for (const auto& entry : texts) {
      auto* label = new QLabel(entry.text, &window);
      QFont font(QString::fromLatin1(entry.family));
      font.setPixelSize(entry.pixels);
      label->setFont(font);
      label->move(10, top);
      top += 40;
    }
  }
  window.show();
  return QApplication::exec();
}
