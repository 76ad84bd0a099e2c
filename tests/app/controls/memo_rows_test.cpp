// The rows a box keeps between edits must always be the rows a fresh
// layout of the whole text gives.
#include <QTextCursor>
#include <gtest/gtest.h>
#include <random>

#include "app/controls/control_fonts.h"
#include "app/controls/tmemo.h"

namespace {

QList<MemoRows::Row> kept(const TMemo& memo) {
  const MemoRows& rows = memo.rows();
  QList<MemoRows::Row> all;
  for (qsizetype i = 0; i < rows.count(); ++i) all << rows.at(i);
  return all;
}

QList<MemoRows::Row> fresh(const TMemo& memo) {
  memo.rows();  // settles the hidden box's geometry
  MemoRows rows(memo);
  rows.update();
  QList<MemoRows::Row> all;
  for (qsizetype i = 0; i < rows.count(); ++i) all << rows.at(i);
  return all;
}

std::unique_ptr<TMemo> historyLikeBox() {
  auto memo = std::make_unique<TMemo>();
  memo->setGeometry(0, 0, 216, 120);
  kopira::applyControlFont(memo.get(), kopira::ControlFont::F2);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return memo;
}

// Some text: short lines, empty lines, lines that wrap, spaces to break at.
QString pieceOf(std::mt19937& random) {
  static const QStringList pieces{QStringLiteral("a"),         QStringLiteral("\n"),
                                  QStringLiteral("株式会社"),  QStringLiteral(" "),
                                  QStringLiteral("\n\n"),      QStringLiteral("あ").repeated(20),
                                  QStringLiteral("word word "), QStringLiteral("東京都\n千代田区")};
  return pieces.at(static_cast<qsizetype>(random() % pieces.size()));
}

TEST(MemoRows, EditsAnywhereKeepTheRowsOfAFreshLayout) {
  auto memo = historyLikeBox();
  std::mt19937 random(20240611);
  for (int i = 0; i < 40; ++i) memo->Lines().Add(pieceOf(random));
  ASSERT_EQ(kept(*memo), fresh(*memo));
  for (int step = 0; step < 600; ++step) {
    const int length = memo->document()->characterCount() - 1;
    const int at = length > 0 ? static_cast<int>(random() % (length + 1)) : 0;
    QTextCursor cursor(memo->document());
    cursor.setPosition(at);
    switch (random() % 5) {
      case 0:
        cursor.insertText(pieceOf(random));
        break;
      case 1:
        cursor.setPosition(std::min(length, at + static_cast<int>(random() % 30)), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        break;
      case 2:
        memo->Lines().Delete(static_cast<int>(random() % (memo->Lines().Count() + 1)));
        break;
      case 3:
        memo->Lines().Add(pieceOf(random));
        break;
      default:  // several edits before the rows are read again
        cursor.insertText(pieceOf(random));
        cursor.setPosition(at / 2);
        cursor.insertText(pieceOf(random));
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, std::min(length, 3));
        cursor.removeSelectedText();
        break;
    }
    ASSERT_EQ(kept(*memo), fresh(*memo)) << "step " << step;
  }
}

TEST(MemoRows, WidthFontAndWrappingLayEveryLineOutAgain) {
  auto memo = historyLikeBox();
  memo->setText(QStringLiteral("あ").repeated(40) + QStringLiteral("\nshort\n") + QStringLiteral("い").repeated(25));
  const auto before = kept(*memo);
  memo->resize(120, 120);
  EXPECT_GT(kept(*memo).size(), before.size());
  EXPECT_EQ(kept(*memo), fresh(*memo));
  kopira::applyControlFont(memo.get(), kopira::ControlFont::F3);
  EXPECT_EQ(kept(*memo), fresh(*memo));
  memo->setWordWrap(false);
  EXPECT_EQ(kept(*memo).size(), 3);
  memo->setWordWrap(true);
  EXPECT_EQ(kept(*memo), fresh(*memo));
}

}  // namespace
