// The main window: its frame, focus order, input method, folded note panes,
// the office-address limit, activation, the clear and about buttons.
#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "app/controls/input_method.h"
#include "app/window/tform1.h"
#include "platform/message_box_recorder.h"
#include "program_folder.h"

namespace {

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { form = std::make_unique<TForm1>(); }

  void showAndActivate(QWidget* window) {
    window->show();
    window->activateWindow();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }

  void pressKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
  }

  kopira::testing::ProgramFolder folder;
  kopira::MessageBoxRecorder startMessages;  // the note files are missing
  std::unique_ptr<TForm1> form;
};

TEST_F(MainWindow, FrameCaptionAndSizeLimits) {
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Kopira\u3000v2.0"));
  EXPECT_EQ(form->pos(), QPoint(50, 50));
  EXPECT_EQ(form->size(), QSize(770, 700));
  EXPECT_EQ(form->minimumSize(), QSize(510, 530));
  EXPECT_EQ(form->maximumSize(), QSize(770, 700));
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
  form->resize(300, 300);
  EXPECT_EQ(form->size(), QSize(510, 530));
  form->resize(2000, 2000);
  EXPECT_EQ(form->size(), QSize(770, 700));
  EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(MainWindow, InputsStartWithTheirDefaults) {
  EXPECT_EQ(form->Edit1->text(), QStringLiteral("東京"));
  EXPECT_EQ(form->Edit2->text(), QStringLiteral("１２３４５"));
  EXPECT_EQ(form->Edit3->text(), QStringLiteral("東京法務局"));
  EXPECT_EQ(form->Edit4->text(), QStringLiteral("浦和市長"));
  EXPECT_TRUE(form->Edit6->text().startsWith(QStringLiteral("https://")));
  EXPECT_TRUE(form->Edit8->text().startsWith(QStringLiteral("http://")));
  EXPECT_EQ(form->Memo2->Text(), QString());
  EXPECT_EQ(form->Memo1->Text(), QString());
  EXPECT_EQ(form->Memo4->Lines().toStringList(),
            (QStringList{QStringLiteral("M"), QStringLiteral("e"), QStringLiteral("m"), QStringLiteral("o"),
                         QStringLiteral("4")}));
  EXPECT_EQ(form->Memo7->Lines().Get(0), QStringLiteral("Memo7"));
}

TEST_F(MainWindow, HiddenLineBreakerBreaksAtItsOwnWidth) {
  // 216 pixels of F2 hold 13 wide characters a row (16-pixel cells, as
  // the named face lays them), shown or not.
  form->Memo7->setText(QStringLiteral("あ").repeated(27));
  EXPECT_FALSE(form->Memo7->isVisible());
  EXPECT_EQ(form->Memo7->Lines().Count(), 3);
  showAndActivate(form.get());
  EXPECT_FALSE(form->Memo7->isVisible());
  form->Memo7->setText(QStringLiteral("あ").repeated(14));
  EXPECT_EQ(form->Memo7->Lines().Count(), 2);
}

TEST_F(MainWindow, ControlsUseTheirFaceAndColour) {
  EXPECT_EQ(QFontInfo(form->Memo2->font()).family(), QStringLiteral("IPAGothic"));
  EXPECT_EQ(form->Memo2->font().pixelSize(), 15);
  EXPECT_EQ(QFontInfo(form->Label1->font()).family(), QStringLiteral("IPAPGothic"));
  EXPECT_EQ(form->Label1->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  EXPECT_EQ(form->BitBtn1->palette().color(QPalette::ButtonText), QColor(128, 0, 128));
  EXPECT_EQ(form->Edit6->palette().color(QPalette::Text), QColor(0, 0, 255));
  EXPECT_TRUE(form->Edit6->font().underline());
  EXPECT_EQ(form->Memo3->font().pixelSize(), 12);
}

// Tab and Shift+Tab from every control that can hold the focus. Tab never
// lands on the two blocks, the print buttons or the portrait button, but
// from them (where the mouse put the focus) it goes on to their neighbours.
TEST_F(MainWindow, TabOrderBothWaysFromEveryControl) {
  showAndActivate(form.get());
  struct Step {
    const char* from;
    const char* tab;
    const char* backTab;
  };
  const auto check = [&](const Step& step) {
    auto* from = form->findChild<QWidget*>(QLatin1String(step.from));
    for (const bool forward : {true, false}) {
      from->setFocus();
      ASSERT_EQ(QApplication::focusWidget(), from) << step.from;
      QKeyEvent press(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                      forward ? Qt::NoModifier : Qt::ShiftModifier);
      QApplication::sendEvent(from, &press);
      EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), forward ? step.tab : step.backTab)
          << (forward ? "Tab" : "Shift+Tab") << " from " << step.from;
    }
  };
  const Step arrowsHidden[] = {
      {"BitBtn5", "Memo3", "BitBtn8"}, {"Memo2", "Memo3", "BitBtn8"}, {"Memo3", "Memo4", "BitBtn8"},
      {"Memo1", "Memo4", "Memo3"},     {"Memo4", "Memo6", "Memo3"},   {"Memo6", "Edit1", "Memo4"},
      {"Edit1", "Edit2", "Memo6"},     {"Edit2", "Edit3", "Edit1"},   {"Edit3", "Edit4", "Edit2"},
      {"Edit4", "Edit5", "Edit3"},     {"BitBtn4", "Edit5", "Edit4"}, {"BitBtn3", "Edit5", "Edit4"},
      {"BitBtn2", "Edit5", "Edit4"},   {"BitBtn1", "Edit5", "Edit4"}, {"Edit5", "Edit6", "Edit4"},
      {"Edit6", "Edit7", "Edit5"},     {"Edit7", "Edit8", "Edit6"},   {"Edit8", "Memo5", "Edit7"},
      {"Memo5", "BitBtn8", "Edit8"},   {"BitBtn8", "Memo3", "Memo5"}};
  for (const Step& step : arrowsHidden) check(step);
  form->BitBtn6->show();
  form->BitBtn7->show();
  const Step arrowsShown[] = {{"Memo5", "BitBtn6", "Edit8"},
                              {"BitBtn6", "BitBtn7", "Memo5"},
                              {"BitBtn7", "BitBtn8", "BitBtn6"},
                              {"BitBtn8", "Memo3", "BitBtn7"}};
  for (const Step& step : arrowsShown) check(step);
}

// The input method's events as ibus delivers them. Qt commits a composition
// cut short by a click into its own box; the input method's own commit of
// the same text, arriving in the box clicked, is dropped. A box with the
// input method off takes no composed text at all.
TEST_F(MainWindow, InputMethodTextStaysWhereItWasTyped) {
  kopira::CompositionGuard guard(nullptr);
  showAndActivate(form.get());
  const auto composed = [](QWidget* box, const QString& preedit, const QString& commit) {
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QApplication::sendEvent(box, &event);
  };
  form->Memo6->setText(QStringLiteral("東京"));
  form->Memo6->setFocus();
  form->Memo6->moveCursor(QTextCursor::End);
  composed(form->Memo6, QStringLiteral("あいう"), {});
  composed(form->Memo6, {}, QStringLiteral("あいう"));  // Qt, as the focus leaves
  form->Edit3->setFocus();
  composed(form->Edit3, {}, QStringLiteral("あいう"));  // the input method's reset
  EXPECT_EQ(form->Memo6->Text(), QStringLiteral("東京あいう"));
  EXPECT_EQ(form->Edit3->text(), QStringLiteral("東京法務局"));
  composed(form->Edit3, QStringLiteral("あいう"), {});
  composed(form->Edit3, {}, QStringLiteral("あいう"));  // typed again: the user's own
  EXPECT_EQ(form->Edit3->text(), QStringLiteral("東京法務局あいう"));

  for (QWidget* box : {static_cast<QWidget*>(form->Edit3), static_cast<QWidget*>(form->Edit6)}) {
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(box, &query);
    EXPECT_EQ(query.value(Qt::ImEnabled).toBool(), box != form->Edit6) << box->objectName().toStdString();
  }
  const QString url = form->Edit6->text();
  form->Edit6->setFocus();
  composed(form->Edit6, {}, QStringLiteral("あ"));
  EXPECT_EQ(form->Edit6->text(), url);
}

TEST_F(MainWindow, DraggingASplitterOpensTheNotePaneAndRewrapsTheBlock) {
  showAndActivate(form.get());
  form->Memo2->setText(QStringLiteral("あ").repeated(60));
  const int foldedRows = form->Memo2->Lines().Count();
  EXPECT_EQ(form->Memo3->width(), 0);

  // Press on the bar and drag it 150 pixels to the left.
  const QPointF grip(5, 50);
  QMouseEvent press(QEvent::MouseButtonPress, grip, form->Splitter1->mapToGlobal(grip), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form->Splitter1, &press);
  const QPointF moved = grip - QPointF(150, 0);
  QMouseEvent move(QEvent::MouseMove, moved, form->Splitter1->mapToGlobal(moved), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(form->Splitter1, &move);

  EXPECT_EQ(form->Panel1->width(), 155);
  EXPECT_EQ(form->Memo3->geometry(), QRect(4, 1, 150, 186));
  EXPECT_EQ(form->Memo2->width(), 320);
  EXPECT_EQ(form->Splitter1->geometry(), QRect(322, 14, 10, 188));
  EXPECT_GT(form->Memo2->Lines().Count(), foldedRows);

  // Back to the right: narrower than the minimum pane folds it away.
  form->Splitter1->setPanelWidth(8);
  EXPECT_EQ(form->Panel1->width(), 5);
  EXPECT_EQ(form->Memo3->width(), 0);
  EXPECT_EQ(form->Memo2->width(), 470);
  EXPECT_EQ(form->Memo2->Lines().Count(), foldedRows);

  // The block never falls below the minimum pane size.
  form->Splitter2->setPanelWidth(1000);
  EXPECT_EQ(form->Memo1->width(), 10);
  EXPECT_EQ(form->Panel2->width(), 465);
}

TEST_F(MainWindow, OfficeAddressKeepsFourLinesWhateverTheWay) {
  QGuiApplication::clipboard()->setText(QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7"));
  form->Memo6->paste();
  EXPECT_EQ(form->Memo6->Text(), QStringLiteral("1\r\n2\r\n3\r\n4\r\n"));

  form->Memo6->setText(QString());
  for (const char* line : {"a", "b", "c", "d", "e", "f"}) form->Memo6->Lines().Add(QLatin1String(line));
  EXPECT_EQ(form->Memo6->Text(), QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));

  form->Memo6->setText(QStringLiteral("a\nb\nc\nd\ne\nf"));
  EXPECT_EQ(form->Memo6->Text(), QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));

  form->Memo6->setText(QString());
  QGuiApplication::clipboard()->setText(QStringLiteral("line\r\n").repeated(20000));
  form->Memo6->paste();
  EXPECT_EQ(form->Memo6->Text(), QStringLiteral("line\r\n").repeated(4));
}

TEST_F(MainWindow, EnterOnTheFourthLineGivesAFifthRowThatHoldsNoText) {
  form->Memo6->setText(QStringLiteral("1\r\n2\r\n3\r\n4"));
  form->Memo6->moveCursor(QTextCursor::End);
  pressKey(form->Memo6, Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(form->Memo6->Text(), QStringLiteral("1\r\n2\r\n3\r\n4\r\n"));
  pressKey(form->Memo6, Qt::Key_X, QStringLiteral("x"));
  EXPECT_EQ(form->Memo6->Text(), QStringLiteral("1\r\n2\r\n3\r\n4\r\n"));
  pressKey(form->Memo6, Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(form->Memo6->Text(), QStringLiteral("1\r\n2\r\n3\r\n4\r\n"));
  EXPECT_EQ(form->Memo6->Lines().Count(), 4);
}

TEST_F(MainWindow, RowsLieACharacterHeightApartSoTheOfficeBoxShowsFive) {
  showAndActivate(form.get());
  // A stored address arrives line by line and leaves the caret on the fifth row.
  form->Memo6->setText(QString());
  for (const char* line : {"1", "2", "3", "4"}) form->Memo6->Lines().Add(QLatin1String(line));
  QApplication::processEvents();
  const QRect view = form->Memo6->viewport()->rect();
  QTextCursor row(form->Memo6->document());
  for (int i = 0; i < 5; ++i) {
    const QRect caret = form->Memo6->cursorRect(row);
    EXPECT_TRUE(view.contains(caret)) << "row " << i << " at " << caret.top() << " in a view of " << view.height();
    row.movePosition(QTextCursor::NextBlock);
  }
  // Pitch: 15 px for F2, 12 px for F3.
  for (TMemo* memo : {form->Memo6, form->Memo3}) {
    memo->setText(QStringLiteral("a\nb"));
    QTextCursor second(memo->document());
    second.movePosition(QTextCursor::NextBlock);
    EXPECT_EQ(memo->cursorRect(second).top() - memo->cursorRect(QTextCursor(memo->document())).top(),
              memo->font().pixelSize())
        << memo->objectName().toStdString();
  }
}

TEST_F(MainWindow, EnterIsRefusedWhileTheOfficeAddressHoldsMoreThanFourLines) {
  QChar enter = QLatin1Char('\r');
  form->Memo6->blockSignals(true);  // a state only reachable mid-edit
  form->Memo6->setText(QStringLiteral("1\n2\n3\n4\n5"));
  form->Memo6->blockSignals(false);
  form->Memo6KeyPress(enter);
  EXPECT_TRUE(enter.isNull());
  QChar letter = QLatin1Char('a');
  form->Memo6KeyPress(letter);
  EXPECT_EQ(letter, QLatin1Char('a'));
}

TEST_F(MainWindow, ActivationEndsTheHistoryWithOneBreakAndFocusesTheCompanyBlock) {
  const std::pair<const char*, const char*> cases[] = {
      {"abc", "abc\r\n"}, {"abc\r\n", "abc\r\n"}, {"abc\r\n\r\n", "abc\r\n\r\n"}, {"", ""}};
  for (const auto& [before, after] : cases) {
    form->Memo5->setText(QLatin1String(before));
    form->FormActivate();
    EXPECT_EQ(form->Memo5->Text(), QLatin1String(after)) << before;
    form->FormActivate();
    EXPECT_EQ(form->Memo5->Text(), QLatin1String(after)) << before;
  }
}

TEST_F(MainWindow, ActivationRunsOnShowAndOnReturnFromAnotherWindow) {
  form->Memo5->setText(QStringLiteral("abc"));
  showAndActivate(form.get());
  EXPECT_EQ(form->Memo5->Text(), QStringLiteral("abc\r\n"));
  EXPECT_EQ(QApplication::focusWidget(), form->Memo2);

  form->Memo5->setText(QStringLiteral("def"));
  QWidget other;
  showAndActivate(&other);
  EXPECT_EQ(form->Memo5->Text(), QStringLiteral("def"));
  showAndActivate(form.get());
  EXPECT_EQ(form->Memo5->Text(), QStringLiteral("def\r\n"));
}

// Ctrl+Z in each block takes its clearing back.
TEST_F(MainWindow, ClearEmptiesOnlyTheCompanyAndRealEstateBlocksAsOneEditEach) {
  form->Memo2->setText(QStringLiteral("株式会社"));
  form->Memo1->setText(QStringLiteral("土地\r\n建物"));
  form->Memo6->setText(QStringLiteral("事務所"));
  form->Memo5->setText(QStringLiteral("履歴"));
  form->BitBtn8->click();
  EXPECT_EQ(form->Memo2->Text(), QString());
  EXPECT_EQ(form->Memo1->Text(), QString());
  EXPECT_EQ(form->Memo6->Text(), QStringLiteral("事務所"));
  EXPECT_EQ(form->Memo5->Text(), QStringLiteral("履歴"));
  EXPECT_EQ(form->Edit1->text(), QStringLiteral("東京"));
  for (TMemo* block : {form->Memo2, form->Memo1}) {
    QKeyEvent undo(QEvent::KeyPress, Qt::Key_Z, Qt::ControlModifier);
    QApplication::sendEvent(block, &undo);
  }
  EXPECT_EQ(form->Memo2->Text(), QStringLiteral("株式会社"));
  EXPECT_EQ(form->Memo1->Text(), QStringLiteral("土地\r\n建物"));
}

// A character without a CP932 form arriving whole in one key event (a
// surrogate pair), plain or with the modifiers AltGr may bring, enters no
// multi-line box; the next ordinary key still does.
TEST_F(MainWindow, KeyEventsWithoutACp932FormEnterNoMultiLineBox) {
  for (TMemo* memo : {form->Memo2, form->Memo1, form->Memo3, form->Memo4, form->Memo6, form->Memo5, form->Memo7}) {
    const QString before = memo->Text();
    for (const Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::NoModifier), Qt::ControlModifier | Qt::AltModifier,
                                                  Qt::KeyboardModifiers(Qt::GroupSwitchModifier)}) {
      for (const QString& text : {QStringLiteral("\U0001F600"), QStringLiteral("\U00020BB7")}) {
        QKeyEvent press(QEvent::KeyPress, 0, modifiers, text);
        QApplication::sendEvent(memo, &press);
      }
    }
    EXPECT_EQ(memo->Text(), before) << memo->objectName().toStdString();
    memo->moveCursor(QTextCursor::End);
    pressKey(memo, Qt::Key_A, QStringLiteral("\u301C"));
    EXPECT_EQ(memo->Text(), before + QStringLiteral("\uFF5E")) << memo->objectName().toStdString();
  }
}

TEST_F(MainWindow, AboutShowsTwoLinesOfContactDetails) {
  kopira::MessageBoxRecorder recorder;
  form->BitBtn5->click();
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_TRUE(recorder.boxes[0].information);
  EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("情報"));
  const QStringList lines = recorder.boxes[0].text.split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].contains(QLatin1Char('@')));
  EXPECT_TRUE(lines[0].contains(QChar(0x3000)));
}

}  // namespace
