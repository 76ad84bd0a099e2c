// The request dialog's controls, and its creation from the stored settings.
#include "app/printing/tform5.h"

#include <QShortcut>

#include "app/controls/control_fonts.h"
#include "app/controls/pictures.h"
#include "app/files/settings_component.h"

TForm5* Form5 = nullptr;

namespace {

using kopira::ControlFont;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QRect bounds, ControlFont font) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(bounds);
  kopira::applyControlFont(label, font);
  return label;
}

// Input method on: a QLineEdit takes Japanese input unless told otherwise.
TEdit* makeEdit(QWidget* parent, const char* name, QRect bounds) {
  auto* edit = new TEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setGeometry(bounds);
  kopira::applyControlFont(edit, ControlFont::PG11);
  return edit;
}

}  // namespace

TForm5::TForm5(QWidget* parent) : QWidget(parent) {
  buildWindow();
  IniGT1 = kopira::createSettingsComponent(this);
  connect(BitBtn2, &QPushButton::clicked, this, &TForm5::BitBtn2Click);
  // Esc closes (hides) the dialog as its close box does.
  new QShortcut(Qt::Key_Escape, this, this, &QWidget::close);
  FormCreate();
}

void TForm5::FormCreate() { kopira::stored_settings::readDialog(*IniGT1, dialogFields()); }

kopira::stored_settings::DialogFields TForm5::dialogFields() {
  using kopira::stored_settings::textOf;
  return {{textOf(Edit1), textOf(Edit2), textOf(Edit3), textOf(Edit4), textOf(Edit5), textOf(Edit6)}, this};
}

void TForm5::buildWindow() {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QStringLiteral("戸籍謄本と住民票の写し"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(kopira::windowFont());
  setFixedSize(565, 348);
  move(50, 50);
  GroupBox1 = new QGroupBox(QStringLiteral("戸籍謄本と住民票の写し"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(8, 16, 537, 289);
  kopira::applyControlFont(GroupBox1, ControlFont::PG9);
  buildFields();
  buildPrintPanel();
  // Tab runs through the six boxes, then to the print button.
  const QList<QWidget*> order{Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, BitBtn2};
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

// Each box has its caption to the left and a hint just above it.
void TForm5::buildFields() {
  QWidget* box = GroupBox1;
  Label7 = makeLabel(box, "Label7", QStringLiteral("千代田区長"), {152, 31, 55, 11}, ControlFont::PG8);
  Edit1 = makeEdit(box, "Edit1", {145, 41, 368, 23});
  Label6 = makeLabel(box, "Label6", QStringLiteral("区長名"), {24, 49, 36, 12}, ControlFont::PG9);
  Label8 = makeLabel(box, "Label8", QStringLiteral("本籍又は住所を記載する"), {152, 73, 118, 11}, ControlFont::PG8);
  Edit2 = makeEdit(box, "Edit2", {145, 83, 368, 23});
  Label1 = makeLabel(box, "Label1", QStringLiteral("本籍・住所"), {24, 90, 54, 12}, ControlFont::PG9);
  Label9 = makeLabel(box, "Label9", QStringLiteral("山田花子（筆頭者は不明）と書くことが多い"), {152, 114, 196, 11},
                     ControlFont::PG8);
  Edit3 = makeEdit(box, "Edit3", {145, 125, 368, 23});
  Label2 = makeLabel(box, "Label2", QStringLiteral("筆頭者の氏名"), {24, 130, 72, 12}, ControlFont::PG9);
  Label10 = makeLabel(box, "Label10", QStringLiteral("世帯員の全員と記載することが多い"), {152, 156, 166, 11},
                      ControlFont::PG8);
  Edit4 = makeEdit(box, "Edit4", {145, 167, 368, 23});
  Label3 = makeLabel(box, "Label3", QStringLiteral("請求対象者の氏名"), {24, 171, 96, 12}, ControlFont::PG9);
  Label11 = makeLabel(box, "Label11", QStringLiteral("全部と記載することが多い"), {152, 197, 122, 11}, ControlFont::PG8);
  Edit5 = makeEdit(box, "Edit5", {145, 209, 368, 23});
  Label4 = makeLabel(box, "Label4", QStringLiteral("続柄、戸籍の等の記載"), {24, 211, 116, 12}, ControlFont::PG9);
  Label12 = makeLabel(box, "Label12", QStringLiteral("裁判資料として"), {152, 239, 70, 11}, ControlFont::PG8);
  Edit6 = makeEdit(box, "Edit6", {145, 251, 211, 23});
  Label5 = makeLabel(box, "Label5", QStringLiteral("使用目的・提出先"), {24, 252, 90, 12}, ControlFont::PG9);
}

void TForm5::buildPrintPanel() {
  Panel1 = new QFrame(GroupBox1);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setGeometry(367, 237, 147, 45);
  kopira::applyControlFont(Panel1, ControlFont::PG9);
  BitBtn2 = new QPushButton(Panel1);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  BitBtn2->setGeometry(103, 6, 37, 35);
  const QPixmap picture = kopira::pictures::printer();
  BitBtn2->setIcon(QIcon(picture));
  BitBtn2->setIconSize(picture.size());
  Label13 = makeLabel(Panel1, "Label13", QStringLiteral("所定の用紙をｾｯﾄ"), {8, 16, 90, 12}, ControlFont::PG9);
}
