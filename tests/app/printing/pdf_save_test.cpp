// The preview's Save as PDF, seen as a reader of the file: the sheet, the
// fill-in texts as text, embedded fonts, and the ruled lines at their table
// positions; also for pages loaded from a saved report file.
#include <QProcess>
#include <QRegularExpression>

#include "print_scheme_support.h"
#include "raster_lines.h"
#include "report/preview/file_dialogs.h"

namespace kopira::printtest {
namespace {

QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(60000);
  EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// "Page size: 595 x 842 pts" as millimetres.
QSizeF pageSizeMm(const QString& pdf) {
  const auto match = QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(run("pdfinfo", {pdf}));
  return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) * 25.4 / 72 : QSizeF();
}

QImage rasterised(const QString& pdf, int dpi) {
  run("pdftoppm", {"-r", QString::number(dpi), "-gray", "-singlefile", pdf, pdf + ".page"});
  return QImage(pdf + ".page.pgm").convertToFormat(QImage::Format_Grayscale8);
}

bool near(const std::vector<double>& found, double mm, double tolerance = 0.2) {
  return std::any_of(found.begin(), found.end(), [=](double f) { return std::abs(f - mm) <= tolerance; });
}

class ScriptedSave : public report::FileDialogs {
 public:
  ScriptedSave() { report::setFileDialogs(this); }
  ~ScriptedSave() override { report::setFileDialogs(nullptr); }
  QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return path; }
  QString GetOpenFileName(QWidget*, const QString&, const QString&) override { return path; }
  QString path;
};

class PdfFromPreview : public PrintButtons {
 protected:
  // Presses the button and saves the open preview to the file.
  void saveFrom(QPushButton* button, const QString& file) {
    dialogs.path = folder.filePath(file);
    wait->whileOpen = [this] { wait->open->SaveReportClick(); };
    button->click();
    wait->whileOpen = nullptr;
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
  }

  ScriptedSave dialogs;
};

struct RegistryPdf {
  const char* file;
  QPushButton* TForm1::*button;
  QSizeF sheetMm;
  QStringList texts;
  std::vector<double> xs;  // vertical lines, mm from the left edge
  std::vector<double> ys;  // horizontal lines, mm from the top edge
};

TEST_F(PdfFromPreview, EachRegistryPageOnItsSheetWithTextAndRuledLines) {
  setOffice(QStringLiteral("東京都千代田区霞が関一丁目１番１号\r\n山田法律事務所"));
  form->Memo2->setText(QStringLiteral("東京都中央区銀座一丁目２番３号\r\n株式会社コピラ"));
  form->Memo1->setText(QStringLiteral("所在　東京都港区芝公園四丁目\r\n地番　２番８"));
  form->Edit3->setText(QStringLiteral("横浜地方法務局"));
  const QSizeF a4(210, 297), jisB4(257, 364);
  const RegistryPdf pages[] = {
      {"land.pdf", &TForm1::BitBtn1, a4, {"山田法律事務所", "芝公園四丁目", "横浜地方法務局"},
       {25.35, 45.2, 151.3, 187.8}, {49.35, 61.9, 241.65}},
      {"company.pdf", &TForm1::BitBtn2, a4, {"山田法律事務所", "株式会社コピラ", "横浜地方法務局"},
       {26.35, 54.0, 163.65, 187.8}, {47.35, 74.3, 228.3}},
      {"valuation.pdf", &TForm1::BitBtn3, jisB4, {"山田法律事務所", "株式会社コピラ", "芝公園四丁目"},
       {17.9, 158.8, 233.5}, {70.8, 144.2, 251.7}},
  };
  for (const RegistryPdf& page : pages) {
    SCOPED_TRACE(page.file);
    saveFrom(form.get()->*page.button, QString::fromLatin1(page.file));
    const QString pdf = folder.filePath(QString::fromLatin1(page.file));
    const QSizeF sheet = pageSizeMm(pdf);
    EXPECT_NEAR(sheet.width(), page.sheetMm.width(), 0.5);
    EXPECT_NEAR(sheet.height(), page.sheetMm.height(), 0.5);
    const QString text = run("pdftotext", {pdf, "-"}).remove(QRegularExpression(QStringLiteral("\\s")));
    for (const QString& expected : page.texts) EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    // Every font is embedded ("emb" yes), as a subset: an IPA font file alone
    // is over 4 MB. (Qt names subsets without the "ABCDEF+" tag, so the "sub"
    // column says no.)
    const QStringList fonts = run("pdffonts", {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts)
      EXPECT_TRUE(font.contains(QRegularExpression(QStringLiteral("Identity-H\\s+yes")))) << font.toStdString();
    EXPECT_LT(QFileInfo(pdf).size(), 1024 * 1024);
    const QImage image = rasterised(pdf, 300);
    const LineScan scan{15, 128};
    const std::vector<double> xs = verticalLinesMm(image, 300, scan), ys = horizontalLinesMm(image, 300, scan);
    for (double x : page.xs) EXPECT_TRUE(near(xs, x)) << "vertical line at " << x << " mm";
    for (double y : page.ys) EXPECT_TRUE(near(ys, y)) << "horizontal line at " << y << " mm";
  }
}

// A saved report file loaded into the preview becomes the same sheet and
// text. (The pictures of the preview are on a 96-dpi grid.)
TEST_F(PdfFromPreview, LoadedReportFileSavesAsPdf) {
  setOffice(QStringLiteral("山田法律事務所"));
  form->Memo2->setText(QStringLiteral("株式会社コピラ"));
  saveFrom(form->BitBtn2, QStringLiteral("company.QRP"));
  dialogs.path = folder.filePath(QStringLiteral("company.QRP"));
  wait->whileOpen = [this] {
    wait->open->LoadReportClick();
    dialogs.path = folder.filePath(QStringLiteral("loaded.pdf"));
    wait->open->SaveReportClick();
  };
  form->BitBtn3->click();
  EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
  const QString pdf = folder.filePath(QStringLiteral("loaded.pdf"));
  const QSizeF sheet = pageSizeMm(pdf);
  EXPECT_NEAR(sheet.width(), 210, 0.5);
  EXPECT_NEAR(sheet.height(), 297, 0.5);
  const QString text = run("pdftotext", {pdf, "-"}).remove(QRegularExpression(QStringLiteral("\\s")));
  EXPECT_TRUE(text.contains(QStringLiteral("株式会社コピラ")));
  const QImage image = rasterised(pdf, 300);
  const std::vector<double> xs = verticalLinesMm(image, 300, LineScan{15, 128});
  const std::vector<double> ys = horizontalLinesMm(image, 300, LineScan{15, 128});
  for (double x : {26.35, 54.0, 163.65}) EXPECT_TRUE(near(xs, x, 0.3)) << "vertical line at " << x << " mm";
  for (double y : {47.35, 74.3}) EXPECT_TRUE(near(ys, y, 0.3)) << "horizontal line at " << y << " mm";
}

}  // namespace
}  // namespace kopira::printtest
