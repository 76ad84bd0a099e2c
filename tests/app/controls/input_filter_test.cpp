// What may enter an input box, typed, pasted, committed by an input method
// or set: JIS twins become their CP932 forms, characters without a CP932
// form stay out.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <gtest/gtest.h>

#include "app/controls/tedit.h"
#include "app/controls/tmemo.h"

namespace {

const QString kTwins = QStringLiteral("\u301C\u2016\u2212\u2014\u00A2\u00A3\u00AC");
const QString kCp932Forms = QStringLiteral("\uFF5E\u2225\uFF0D\u2015\uFFE0\uFFE1\uFFE2");
const QString kNoForm = QStringLiteral("\U0001F600\u00E9\U00020BB7");  // emoji, é, 𠮷

void type(QWidget* box, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
  }
}

void commit(QWidget* box, const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(box, &event);
}

template <class Box>
void paste(Box& box, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  box.paste();
}

TEST(InputFilter, MemoMapsTwinsAndDropsCharactersWithoutForm) {
  TMemo memo;
  type(&memo, QStringLiteral("a") + kTwins + kNoForm);
  EXPECT_EQ(memo.Text(), QStringLiteral("a") + kCp932Forms);

  memo.setText(QString());
  paste(memo, kTwins + QStringLiteral("\r\n") + kNoForm + QStringLiteral("b"));
  EXPECT_EQ(memo.Text(), kCp932Forms + QStringLiteral("\r\nb"));

  memo.setText(QString());
  commit(&memo, QStringLiteral("東京") + kNoForm + QStringLiteral("\u301C"));
  EXPECT_EQ(memo.Text(), QStringLiteral("東京\uFF5E"));

  memo.setText(kNoForm + QStringLiteral("x") + kTwins);
  EXPECT_EQ(memo.Text(), QStringLiteral("x") + kCp932Forms);
  memo.Lines().Add(QStringLiteral("\u2212") + kNoForm);
  EXPECT_EQ(memo.Text(), QStringLiteral("x") + kCp932Forms + QStringLiteral("\r\n\uFF0D"));
}

TEST(InputFilter, ShiftEnterInAMemoIsAPlainLineBreak) {
  TMemo memo;
  type(&memo, QStringLiteral("a"));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier, QStringLiteral("\r"));
  QApplication::sendEvent(&memo, &enter);
  type(&memo, QStringLiteral("b"));
  EXPECT_EQ(memo.Text(), QStringLiteral("a\r\nb"));
  EXPECT_EQ(memo.Lines().Count(), 2);
}

TEST(InputFilter, SingleLineBoxAlsoDropsLineBreaks) {
  TEdit edit;
  type(&edit, QStringLiteral("a") + kTwins + kNoForm);
  EXPECT_EQ(edit.text(), QStringLiteral("a") + kCp932Forms);

  edit.clear();
  paste(edit, QStringLiteral("03\r\n-1234") + kNoForm + QStringLiteral("\u2212"));
  EXPECT_EQ(edit.text(), QStringLiteral("03-1234\uFF0D"));

  edit.clear();
  commit(&edit, QStringLiteral("浦和") + kNoForm);
  EXPECT_EQ(edit.text(), QStringLiteral("浦和"));

  edit.setText(QStringLiteral("x\ny") + kNoForm + QStringLiteral("\u301C"));
  EXPECT_EQ(edit.text(), QStringLiteral("xy\uFF5E"));
}

}  // namespace
