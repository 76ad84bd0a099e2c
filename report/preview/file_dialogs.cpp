#include "report/preview/file_dialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace kopira::report {
namespace {

// "description|pattern|description|pattern" to Qt's "description (pattern);;...".
// A description that already names its pattern in parentheses is kept as it is.
QString toQtFilter(const QString& windowsFilter) {
  const QStringList parts = windowsFilter.split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts.at(i);
    const QString& pattern = parts.at(i + 1);
    out << (description.endsWith(QLatin1Char(')')) ? description
                                                    : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
  }
  return out.join(QStringLiteral(";;"));
}

class QtFileDialogs : public FileDialogs {
 public:
  QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                          const QString& defaultExtension) override {
    QFileDialog dialog(parent, title, QString(), toQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultExtension);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                  : QString();
  }
  QString GetOpenFileName(QWidget* parent, const QString& title, const QString& filter) override {
    QFileDialog dialog(parent, title, QString(), toQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                  : QString();
  }
};

FileDialogs* installed = nullptr;

}  // namespace

FileDialogs& fileDialogs() {
  static QtFileDialogs qtDialogs;
  return installed ? *installed : qtDialogs;
}

void setFileDialogs(FileDialogs* dialogs) { installed = dialogs; }

}  // namespace kopira::report
