// Under the user's locale, the texts Qt itself puts into the program's
// windows: the preview's Save and Open dialogs, the print dialog, and the
// right-click menu of a single-line and a multi-line box; with a printer
// also the print dialog's printer properties. Each text the user
// sees (labels, buttons, their tooltips, group titles, tabs, list headers,
// menu entries) is read from the widgets and printed; the check fails when
// one holds an English word that is not in the list of words allowed to
// stay (key names, the program's own names of file types, the printer's
// name and model). The options the printer's driver brings are shown only.
//   qt_texts_check          run with LANG set to the locale under test
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/controls/tedit.h"
#include "app/controls/tmemo.h"
#include "app/controls/qt_texts.h"
#include "report/preview/file_dialogs.h"
#include "report/print/print_dialog.h"

namespace {

// Words that stay as they are on a Japanese desktop: "OK", key names, and
// the file types the preview offers; the printers' names and models are
// added at start.
QStringList allowed{QStringLiteral("OK"), QStringLiteral("Ctrl"), QStringLiteral("Shift"), QStringLiteral("Del"),
                           QStringLiteral("Pagewright"), QStringLiteral("QRP"), QStringLiteral("PDF"),
                           QStringLiteral("pdf")};

int failures = 0;
// The printer's own options (its driver's texts) are shown, not judged.
bool driverTexts = false;

void judge(const QString& where, const QString& text) {
  if (text.trimmed().isEmpty()) return;
  QStringList english;
  const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
  for (auto it = word.globalMatch(QString(text).remove(u'&')); it.hasNext();) {
    const QString found = it.next().captured();
    if (!allowed.contains(found)) english << found;
  }
  const char* mark = driverTexts ? "DR" : english.isEmpty() ? "  " : "EN";
  std::printf("%s %s: %s\n", mark, qPrintable(where), qPrintable(text));
  if (!english.isEmpty() && !driverTexts) ++failures;
}

// Every text of a window the user can see or hover, on the current tab of
// each tab widget.
void judgeShown(const QString& name, QWidget* window) {
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window)) continue;
    const QString where = name + u' ' + QString::fromLatin1(w->metaObject()->className());
    if (auto* label = qobject_cast<QLabel*>(w)) judge(where, label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) judge(where, button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) judge(where, group->title());
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) judge(where, tabs->tabText(i));
    if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model())
      for (int i = 0; i < header->count(); ++i)
        judge(where, header->model()->headerData(i, header->orientation()).toString());
    judge(where + QStringLiteral(" tooltip"), w->toolTip());
  }
}

// The same with each tab shown in turn.
void judgeWindow(const QString& name, QWidget* window) {
  judge(name + QStringLiteral(" title"), window->windowTitle());
  judgeShown(name, window);
  for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
    if (!tabs->isVisibleTo(window)) continue;
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      driverTexts = tabs->widget(i)->objectName() == QLatin1String("cupsPropertiesPage");
      judgeShown(name + u' ' + tabs->tabText(i), tabs->widget(i));
      driverTexts = false;
    }
  }
}

// Reads the modal dialog that `open` shows, then closes it.
void judgeModal(const QString& name, const std::function<void()>& open);
void judgeModal(const QString& name, const std::function<void()>& open) {
  bool seen = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || seen) return;
    seen = true;
    judgeWindow(name, dialog);
    // "Options >>" unfolds the rest of the print dialog; "Properties" opens
    // the printer's own dialog when there is a printer.
    for (auto* button : dialog->findChildren<QAbstractButton*>())
      if (button->isVisible() && button->text().endsWith(QStringLiteral(">>"))) {
        button->click();
        judgeWindow(name + QStringLiteral(" options"), dialog);
      }
    if (auto* properties = dialog->findChild<QAbstractButton*>(QStringLiteral("properties"));
        properties && properties->isEnabled())
      judgeModal(name + QStringLiteral(" properties"), [properties] { properties->click(); });
    dialog->close();
  });
  poll.start(50);
  open();
  if (!seen) {
    std::printf("FAIL: %s did not open\n", qPrintable(name));
    ++failures;
  }
}

void judgeMenu(const QString& name, QMenu* menu) {
  for (QAction* action : menu->actions()) judge(name, action->text());
  delete menu;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kopira::loadQtTranslation(app);
  for (const QPrinterInfo& printer : QPrinterInfo::availablePrinters())
    for (const QString& data : {printer.printerName(), printer.makeAndModel()})
      allowed << data.split(QRegularExpression(QStringLiteral("[^A-Za-z]+")), Qt::SkipEmptyParts);
  using kopira::report::fileDialogs;
  judgeModal(QStringLiteral("Save"), [] {
    fileDialogs().GetSaveFileName(nullptr, QStringLiteral("レポート保存"),
                                  QStringLiteral("Pagewright ファイル(*.QRP)|*.QRP|PDF (*.pdf)|*.pdf"),
                                  QStringLiteral("QRP"));
  });
  judgeModal(QStringLiteral("Open"), [] {
    fileDialogs().GetOpenFileName(nullptr, QStringLiteral("レポート読み込み"),
                                  QStringLiteral("Pagewright ファイル (*.QRP)|*.QRP"));
  });
  judgeModal(QStringLiteral("Print"), [] {
    kopira::report::PrintDialogRequest request;
    kopira::report::printDialogRunner().Run(nullptr, request);
  });
  TEdit edit;
  judgeMenu(QStringLiteral("TEdit menu"), edit.createStandardContextMenu());
  TMemo memo;
  judgeMenu(QStringLiteral("TMemo menu"), memo.createStandardContextMenu());
  std::printf("%d text(s) with English words\n", failures);
  return failures == 0 ? 0 : 1;
}
