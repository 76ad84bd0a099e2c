// The main window's controls: positions, sizes, fonts, focus behaviour.

#include "app/controls/control_fonts.h"
#include "app/controls/input_method.h"
#include "app/controls/pictures.h"
#include "app/window/anchor.h"
#include "app/window/outer_bounds.h"
#include "app/window/tform1.h"

namespace {

using kopira::ControlFont;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(bounds);
  kopira::applyControlFont(label, ControlFont::F1);
  return label;
}

QFrame* makePanel(QWidget* parent, const char* name, QRect bounds) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QLatin1String(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(bounds);
  return panel;
}

enum class Scroll { None, Vertical, Horizontal };
enum class Tab { Stop, MouseOnly };

TMemo* makeMemo(QWidget* parent, const char* name, QRect bounds, ControlFont font, bool wrap,
                Scroll scroll, Tab tab = Tab::Stop) {
  auto* memo = new TMemo(parent);
  memo->setObjectName(QLatin1String(name));
  memo->setGeometry(bounds);
  kopira::applyControlFont(memo, font);
  memo->setWordWrap(wrap);
  memo->setVerticalScrollBarPolicy(scroll == Scroll::Vertical ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAlwaysOff);
  memo->setHorizontalScrollBarPolicy(scroll == Scroll::Horizontal ? Qt::ScrollBarAlwaysOn
                                                                  : Qt::ScrollBarAlwaysOff);
  memo->setFocusPolicy(tab == Tab::Stop ? Qt::StrongFocus : Qt::ClickFocus);
  return memo;
}

enum class Ime { On, Off };

TEdit* makeEdit(QWidget* parent, const char* name, QRect bounds, ControlFont font, Ime ime) {
  auto* edit = new TEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setGeometry(bounds);
  kopira::applyControlFont(edit, font);
  if (ime == Ime::Off) kopira::switchInputMethodOff(edit);
  return edit;
}

QPushButton* makeButton(QWidget* parent, const char* name, QRect bounds, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(bounds);
  kopira::applyControlFont(button, ControlFont::F4);
  button->setFocusPolicy(Qt::ClickFocus);
  return button;
}

// A button without caption says on hover what it does.
QPushButton* makePictureButton(QWidget* parent, const char* name, QRect bounds, const QPixmap& picture,
                               const QString& toolTip) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setToolTip(toolTip);
  button->setAccessibleName(toolTip);
  button->setGeometry(bounds);
  button->setIcon(QIcon(picture));
  button->setIconSize(picture.size());
  return button;
}

}  // namespace

void TForm1::buildWindow() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Kopira\u3000v2.0"));
  setWindowIcon(QIcon(kopira::pictures::faceIcon()));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(kopira::windowFont());
  new kopira::OuterBounds(this, {770, 700}, {510, 530}, {770, 700});
  move(50, 50);

  Label1 = makeLabel(this, "Label1", QStringLiteral("弁護士登録番号"), {508, 535, 84, 12});
  Label2 = makeLabel(this, "Label2", QStringLiteral("所属弁護士会"), {508, 487, 72, 12});
  Label3 = makeLabel(this, "Label3", QStringLiteral("事務所の住所氏名（最大で５行）"), {506, 307, 163, 12});
  Label4 = makeLabel(this, "Label4", QStringLiteral("申請する法務局"), {508, 192, 82, 12});
  Label5 = makeLabel(this, "Label5", QStringLiteral("申請する市町村（都税事務所）"), {508, 251, 154, 12});
  Label6 = makeLabel(this, "Label6", QStringLiteral("電話"), {508, 435, 24, 12});
  buildCompanyGroup();
  buildRealEstateGroup();
  buildInputs();
  buildButtons();
  setTabOrder();
}

void TForm1::buildCompanyGroup() {
  GroupBox1 = new QGroupBox(QStringLiteral("会社の住所と社名"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(8, 8, 489, 209);
  kopira::applyControlFont(GroupBox1, ControlFont::F1);
  Memo2 = makeMemo(GroupBox1, "Memo2", {2, 14, 470, 188}, ControlFont::F2, true, Scroll::Vertical,
                   Tab::MouseOnly);
  Panel3 = makePanel(GroupBox1, "Panel3", {2, 202, 485, 5});
  Panel1 = makePanel(GroupBox1, "Panel1", {482, 14, 5, 188});
  Panel1->setMinimumWidth(5);
  Memo3 = makeMemo(Panel1, "Memo3", {4, 1, 0, 186}, ControlFont::F3, true, Scroll::Vertical);
  Memo3->Lines().Add(QString());
  Memo3->document()->setModified(false);  // a starting text is no edit of the user's
  kopira::anchorToAllSides(Memo3);
  Splitter1 = new TSplitter(Memo2, Panel1, 10, 10);
  Splitter1->setObjectName(QStringLiteral("Splitter1"));
}

void TForm1::buildRealEstateGroup() {
  GroupBox2 = new QGroupBox(QStringLiteral("不動産の所在、地番、面積等"), this);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  GroupBox2->setGeometry(8, 224, 489, 265);
  kopira::applyControlFont(GroupBox2, ControlFont::F1);
  Panel5 = makePanel(GroupBox2, "Panel5", {2, 256, 485, 7});
  Memo1 = makeMemo(GroupBox2, "Memo1", {2, 14, 470, 242}, ControlFont::F2, true, Scroll::Vertical,
                   Tab::MouseOnly);
  Panel2 = makePanel(GroupBox2, "Panel2", {482, 14, 5, 242});
  Panel2->setMinimumWidth(5);
  Memo4 = makeMemo(Panel2, "Memo4", {4, 1, 0, 240}, ControlFont::F3, true, Scroll::Vertical);
  for (const char* line : {"M", "e", "m", "o", "4"}) Memo4->Lines().Add(QLatin1String(line));
  Memo4->document()->setModified(false);
  kopira::anchorToAllSides(Memo4);
  Splitter2 = new TSplitter(Memo1, Panel2, 10, 10);
  Splitter2->setObjectName(QStringLiteral("Splitter2"));
}

void TForm1::buildInputs() {
  Memo6 = makeMemo(this, "Memo6", {506, 325, 239, 97}, ControlFont::F2, false, Scroll::Horizontal);
  Edit1 = makeEdit(this, "Edit1", {506, 504, 239, 23}, ControlFont::F2, Ime::On);
  Edit2 = makeEdit(this, "Edit2", {506, 554, 239, 23}, ControlFont::F2, Ime::On);
  Edit3 = makeEdit(this, "Edit3", {506, 211, 239, 23}, ControlFont::F2, Ime::On);
  Edit4 = makeEdit(this, "Edit4", {506, 268, 239, 23}, ControlFont::F2, Ime::On);
  Edit5 = makeEdit(this, "Edit5", {506, 452, 239, 23}, ControlFont::F2, Ime::On);
  Edit6 = makeEdit(this, "Edit6", {507, 110, 239, 20}, ControlFont::F5, Ime::Off);
  Edit7 = makeEdit(this, "Edit7", {507, 133, 239, 20}, ControlFont::F5, Ime::Off);
  Edit8 = makeEdit(this, "Edit8", {507, 157, 239, 20}, ControlFont::F5, Ime::Off);
  Memo5 = makeMemo(this, "Memo5", {9, 498, 488, 159}, ControlFont::F2, true, Scroll::Vertical);
  Memo7 = makeMemo(this, "Memo7", {505, 601, 216, 56}, ControlFont::F2, true, Scroll::None);
  Memo7->Lines().Add(QStringLiteral("Memo7"));
  Memo7->hide();
}

void TForm1::buildButtons() {
  Panel4 = makePanel(this, "Panel4", {506, 13, 239, 87});
  BitBtn4 = makeButton(Panel4, "BitBtn4", {125, 48, 99, 31}, QStringLiteral("戸籍住民票"));
  BitBtn4->setToolTip(QStringLiteral("使用できません"));
  BitBtn3 = makeButton(Panel4, "BitBtn3", {125, 10, 99, 31}, QStringLiteral("評価証明"));
  BitBtn2 = makeButton(Panel4, "BitBtn2", {16, 48, 99, 31}, QStringLiteral("会社謄本"));
  BitBtn1 = makeButton(Panel4, "BitBtn1", {16, 10, 99, 31}, QStringLiteral("不動産登記簿"));
  BitBtn6 = makePictureButton(this, "BitBtn6", {573, 598, 37, 38}, kopira::pictures::upArrow(),
                              QStringLiteral("履歴で選んだ行を「会社の住所と社名」に写す"));
  BitBtn6->hide();
  BitBtn7 = makePictureButton(this, "BitBtn7", {618, 598, 37, 38}, kopira::pictures::downArrow(),
                              QStringLiteral("履歴で選んだ行を「不動産の所在、地番、面積等」に写す"));
  BitBtn7->hide();
  BitBtn5 = makePictureButton(this, "BitBtn5", {709, 598, 37, 38}, kopira::pictures::portrait(),
                              QStringLiteral("作者の連絡先を表示する"));
  BitBtn5->setFocusPolicy(Qt::ClickFocus);
  BitBtn8 = makePictureButton(this, "BitBtn8", {663, 598, 37, 38}, kopira::pictures::redCross(),
                              QStringLiteral("会社の欄と不動産の欄を空にする"));
}

// Every control that can hold the focus, in the window's tab order, parents'
// order first: the boxes and buttons the mouse reaches but Tab skips sit in
// it too, so Tab and Shift+Tab from them go on to their neighbours.
void TForm1::setTabOrder() {
  const QList<QWidget*> order{BitBtn5, Memo2,   Memo3,   Memo1,   Memo4, Memo6, Edit1,   Edit2,
                              Edit3,   Edit4,   BitBtn4, BitBtn3, BitBtn2, BitBtn1, Edit5, Edit6,
                              Edit7,   Edit8,   Memo5,   BitBtn6, BitBtn7, BitBtn8};
  for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order.at(i - 1), order.at(i));
}
