#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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
  int choose(const QString& text, const QStringList& choices) override {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices) buttons << box.addButton(choice, QMessageBox::AcceptRole);
    if (buttons.isEmpty()) return -1;
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
    box.setEscapeButton(buttons.last());
    box.exec();
    const qsizetype taken = buttons.indexOf(box.clickedButton());
    return static_cast<int>(taken < 0 ? buttons.size() - 1 : taken);
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
