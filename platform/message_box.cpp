#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace kopira {
namespace {

class QtMessageBoxes final : public MessageBoxes {
 public:
  void plain(const QString& text) override {
    show(QMessageBox::NoIcon, QCoreApplication::applicationName(), text);
  }
  void information(const QString& caption, const QString& text) override {
    show(QMessageBox::Information, caption, text);
  }

 private:
  static void show(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
  }
};

MessageBoxes* installed = nullptr;

}  // namespace

MessageBoxes& messageBoxes() {
  static QtMessageBoxes qtBoxes;
  return installed ? *installed : qtBoxes;
}

void installMessageBoxes(MessageBoxes* boxes) { installed = boxes; }

}  // namespace kopira
