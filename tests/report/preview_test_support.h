#pragma once
// Helpers for the preview tests: a report page, a printer object filled with
// blank pages, key presses, and stand-ins for the dialogs.
#include <QApplication>
#include <QKeyEvent>
#include <QStringList>
#include <QWidget>

#include "report/preview/file_dialogs.h"
#include "report/print/print_dialog.h"
#include "report/print/qr_printer.h"
#include "tests/report/report_test_support.h"

namespace kopira::report::testing {

// An A4 page with one rectangle and one label.
inline std::unique_ptr<TQRReport> previewPage() {
  return smallPage(QStringLiteral(
      R"({"name": "QRShape1", "kind": "shape", "shape": "rectangle", "size": [500, 200, 300, 800]},
         {"name": "QRLabel1", "kind": "label", "caption": "登記簿", "size": [40, 300, 900, 500], "font": %1})")
                       .arg(kGothic10));
}

// A finished picture printer object with `pages` blank pages of the paper.
inline std::unique_ptr<TQRPrinter> printerWithPages(int pages, TQRPaperSize paper = TQRPaperSize::A4) {
  auto printer = std::make_unique<TQRPrinter>(TQRPrinter::Destination::Pictures);
  PrinterValues values;
  values.paperSize = paper;
  printer->setPrinterValues(values);
  printer->BeginDoc();
  for (int i = 0; i < pages; ++i) {
    printer->NewPage();
    printer->surface().rectangle(10, 10, 100, 100);
  }
  printer->EndDoc();
  return printer;
}

inline void pressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(target, &press);
}

// Answers the Save and Open dialogs with fixed paths and remembers what was asked.
class ScriptedFileDialogs : public FileDialogs {
 public:
  ScriptedFileDialogs() { setFileDialogs(this); }
  ~ScriptedFileDialogs() override { setFileDialogs(nullptr); }
  QString GetSaveFileName(QWidget*, const QString& title, const QString& filter, const QString& ext) override {
    asked << title << filter << ext;
    return savePath;
  }
  QString GetOpenFileName(QWidget*, const QString& title, const QString& filter) override {
    asked << title << filter;
    return openPath;
  }
  QString savePath;
  QString openPath;
  QStringList asked;
};

// Answers the Print dialog: cancels, or confirms with the choices given.
class ScriptedPrintDialog : public PrintDialogRunner {
 public:
  ScriptedPrintDialog() { setPrintDialogRunner(this); }
  ~ScriptedPrintDialog() override { setPrintDialogRunner(nullptr); }
  bool Run(QWidget*, PrintDialogRequest& request) override {
    prepared = request;
    if (!confirm) return false;
    request = answer;
    return true;
  }
  bool confirm = false;
  PrintDialogRequest prepared;
  PrintDialogRequest answer;
};

}  // namespace kopira::report::testing
