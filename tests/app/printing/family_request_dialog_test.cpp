// The request dialog: its window and controls, the tab round, closing, and
// its fields and position kept from one run to the next.
#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "app/files/stored_settings.h"
#include "family_request_support.h"

namespace kopira::testing {
namespace {

using FamilyRequestDialog = RequestWindows;

TEST_F(FamilyRequestDialog, WindowIsFixedWithoutMaximiseAndStartsHidden) {
  EXPECT_EQ(Form5->objectName(), QStringLiteral("Form5"));
  EXPECT_EQ(Form5->windowTitle(), QStringLiteral("戸籍謄本と住民票の写し"));
  EXPECT_FALSE(Form5->isVisible());
  EXPECT_EQ(Form5->size(), QSize(565, 348));
  EXPECT_EQ(Form5->minimumSize(), QSize(565, 348));
  EXPECT_EQ(Form5->maximumSize(), QSize(565, 348));
  EXPECT_TRUE(Form5->isWindow());
  EXPECT_FALSE(Form5->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(Form5->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(Form5->pos(), QPoint(50, 50)) << "no stored position: the default";
  EXPECT_EQ(QFontInfo(Form5->font()).family(), QStringLiteral("IPAPGothic"));
  EXPECT_EQ(Form5->font().pixelSize(), 12);
}

struct ControlRow {
  const char* name;
  const char* parent;
  QRect bounds;
  const char16_t* caption;  // of a label; nullptr for others
  int pixelSize;            // 0: not checked
  QColor colour;            // invalid: the system's window text
};

TEST_F(FamilyRequestDialog, ControlsStandWhereTheLayoutPutsThemInTheirFonts) {
  const QColor maroon(128, 0, 0);
  const QColor black(0, 0, 0);
  const ControlRow rows[] = {
      {"GroupBox1", "Form5", {8, 16, 537, 289}, nullptr, 12, black},
      {"Label7", "GroupBox1", {152, 31, 55, 11}, u"千代田区長", 11, maroon},
      {"Edit1", "GroupBox1", {145, 41, 368, 23}, nullptr, 15, {}},
      {"Label6", "GroupBox1", {24, 49, 36, 12}, u"区長名", 12, black},
      {"Label8", "GroupBox1", {152, 73, 118, 11}, u"本籍又は住所を記載する", 11, maroon},
      {"Edit2", "GroupBox1", {145, 83, 368, 23}, nullptr, 15, {}},
      {"Label1", "GroupBox1", {24, 90, 54, 12}, u"本籍・住所", 12, black},
      {"Label9", "GroupBox1", {152, 114, 196, 11}, u"山田花子（筆頭者は不明）と書くことが多い", 11, maroon},
      {"Edit3", "GroupBox1", {145, 125, 368, 23}, nullptr, 15, {}},
      {"Label2", "GroupBox1", {24, 130, 72, 12}, u"筆頭者の氏名", 12, black},
      {"Label10", "GroupBox1", {152, 156, 166, 11}, u"世帯員の全員と記載することが多い", 11, maroon},
      {"Edit4", "GroupBox1", {145, 167, 368, 23}, nullptr, 15, {}},
      {"Label3", "GroupBox1", {24, 171, 96, 12}, u"請求対象者の氏名", 12, black},
      {"Label11", "GroupBox1", {152, 197, 122, 11}, u"全部と記載することが多い", 11, maroon},
      {"Edit5", "GroupBox1", {145, 209, 368, 23}, nullptr, 15, {}},
      {"Label4", "GroupBox1", {24, 211, 116, 12}, u"続柄、戸籍の等の記載", 12, black},
      {"Panel1", "GroupBox1", {367, 237, 147, 45}, nullptr, 0, {}},
      {"Label12", "GroupBox1", {152, 239, 70, 11}, u"裁判資料として", 11, maroon},
      {"Edit6", "GroupBox1", {145, 251, 211, 23}, nullptr, 15, {}},
      {"Label5", "GroupBox1", {24, 252, 90, 12}, u"使用目的・提出先", 12, black},
      {"BitBtn2", "Panel1", {103, 6, 37, 35}, nullptr, 0, {}},
      {"Label13", "Panel1", {8, 16, 90, 12}, u"所定の用紙をｾｯﾄ", 12, black},
  };
  const QColor windowText = QApplication::palette().color(QPalette::WindowText);
  for (const ControlRow& row : rows) {
    SCOPED_TRACE(row.name);
    auto* control = Form5->findChild<QWidget*>(QLatin1String(row.name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parentWidget()->objectName(), QLatin1String(row.parent));
    EXPECT_EQ(control->geometry(), row.bounds);
    if (row.caption) {
      EXPECT_EQ(qobject_cast<QLabel*>(control)->text(), QString::fromUtf16(row.caption));
    }
    if (row.pixelSize) {
      EXPECT_EQ(control->font().pixelSize(), row.pixelSize);
      EXPECT_EQ(QFontInfo(control->font()).family(), QStringLiteral("IPAPGothic"));
      const QPalette::ColorRole role = qobject_cast<QLineEdit*>(control) ? QPalette::Text : QPalette::WindowText;
      EXPECT_EQ(control->palette().color(role), row.colour.isValid() ? row.colour : windowText);
    }
  }
  EXPECT_EQ(Form5->GroupBox1->title(), QStringLiteral("戸籍謄本と住民票の写し"));
  // The print button is a picture only.
  EXPECT_TRUE(Form5->BitBtn2->text().isEmpty());
  EXPECT_EQ(Form5->BitBtn2->iconSize(), QSize(32, 32));
  EXPECT_FALSE(Form5->BitBtn2->icon().isNull());
}

TEST_F(FamilyRequestDialog, AllSixBoxesTakeJapaneseInput) {
  for (QLineEdit* edit : {Form5->Edit1, Form5->Edit2, Form5->Edit3, Form5->Edit4, Form5->Edit5, Form5->Edit6}) {
    EXPECT_TRUE(edit->testAttribute(Qt::WA_InputMethodEnabled)) << edit->objectName().toStdString();
    EXPECT_FALSE(edit->inputMethodHints() & Qt::ImhPreferLatin) << edit->objectName().toStdString();
  }
}

TEST_F(FamilyRequestDialog, TabRunsThroughTheSixBoxesAndThePrintButton) {
  Form5->show();
  Form5->activateWindow();
  QApplication::processEvents();
  Form5->Edit1->setFocus();
  QStringList visited;
  for (int i = 0; i < 8; ++i) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    visited << focused->objectName();
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QApplication::sendEvent(focused, &tab);
  }
  EXPECT_EQ(visited, (QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "BitBtn2", "Edit1"}));
}

TEST_F(FamilyRequestDialog, ClosingOnlyHidesAndKeepsTheFields) {
  Form5->show();
  Form5->Edit3->setText(QStringLiteral("乙野次郎"));
  EXPECT_TRUE(Form5->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Form5->isVisible());
  EXPECT_EQ(Form5->Edit3->text(), QStringLiteral("乙野次郎"));
  Form5->show();
  EXPECT_EQ(Form5->Edit3->text(), QStringLiteral("乙野次郎"));
}

TEST_F(FamilyRequestDialog, FieldsAndPositionSurviveARestart) {
  const QStringList texts{QStringLiteral("豊島区長"), QStringLiteral("東京都豊島区東池袋一丁目１番地"),
                          QStringLiteral("乙野次郎"), QStringLiteral("乙野次郎、乙野春子"),
                          QStringLiteral("続柄を含む全部"), QStringLiteral("  証拠として  ")};
  const std::array<TEdit*, 6> fields{Form5->Edit1, Form5->Edit2, Form5->Edit3, Form5->Edit4, Form5->Edit5, Form5->Edit6};
  for (size_t i = 0; i < fields.size(); ++i) fields[i]->setText(texts[static_cast<qsizetype>(i)]);
  Form5->move(120, 80);

  // The main window writes the dialog's values at its close, whether the
  // dialog is showing or not.
  namespace ss = stored_settings;
  ss::MainWindowFields mainFields;
  TStringList office;
  mainFields.officeAddress = &office;
  for (auto& field : mainFields.memo) field = {[] { return QString(); }, [](const QString&) {}};
  for (auto& field : mainFields.webShortcuts) field = {[] { return QString(); }, [](const QString&) {}};
  mainFields.window = Form1;
  ss::writeAll(*Form1->IniGT1, mainFields, Form5->dialogFields());

  delete Form5;
  Form5 = new TForm5;
  const std::array<TEdit*, 6> again{Form5->Edit1, Form5->Edit2, Form5->Edit3, Form5->Edit4, Form5->Edit5, Form5->Edit6};
  QStringList read;
  for (TEdit* edit : again) read << edit->text();
  EXPECT_EQ(read, texts.mid(0, 5) + QStringList{QStringLiteral("証拠として")})
      << "blanks around a stored value are dropped";
  EXPECT_EQ(Form5->pos(), QPoint(120, 80));
  EXPECT_EQ(Form5->IniGT1->ReadText(QStringLiteral("jyu"), QStringLiteral("edit1.text"), QString()), texts[0]);
  EXPECT_EQ(Form5->IniGT1->ReadNumber(QStringLiteral("form5"), QStringLiteral("left"), 0), 120);
}

}  // namespace
}  // namespace kopira::testing
