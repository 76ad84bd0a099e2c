#include "report/preview/file_dialogs.h"

#include <QFileDialog>
#include <QRegularExpression>
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

// The extension named by a Qt filter such as "PDF (*.pdf)".
QString suffixOf(const QString& qtFilter) {
  const qsizetype star = qtFilter.indexOf(QStringLiteral("(*."));
  if (star < 0) return QString();
  const qsizetype end = qtFilter.indexOf(QRegularExpression(QStringLiteral("[ );]")), star + 3);
  return qtFilter.mid(star + 3, end < 0 ? -1 : end - star - 3);
}

class QtFileDialogs : public FileDialogs {
 public:
  QString GetSaveFileName(QWidget* parent, const QString& title, const QString& filter,
                          const QString& defaultExtension) override {
    QFileDialog dialog(parent, title, QString(), toQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultExtension);
    // A name typed without an extension gets the one of the chosen file type.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, defaultExtension](const QString& type) {
      const QString suffix = suffixOf(type);
      dialog.setDefaultSuffix(suffix.isEmpty() ? defaultExtension : suffix);
    });
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
