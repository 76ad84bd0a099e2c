// The line list of a multi-line box: display rows, count, read, delete,
// append, whole text, change events.
#include <gtest/gtest.h>

#include "app/controls/control_fonts.h"
#include "app/controls/tmemo.h"

namespace {

const QString kWide = QStringLiteral("あ");  // 16 pixels wide in the input font (the named face's cell)

// A box like the hidden line breaker: F2, word wrap, no scroll bars, never
// shown. 216 pixels leave room for 13 wide characters per row.
std::unique_ptr<TMemo> hiddenBox(int width = 216, bool wrap = true) {
  auto memo = std::make_unique<TMemo>();
  memo->setGeometry(0, 0, width, 56);
  kopira::applyControlFont(memo.get(), kopira::ControlFont::F2);
  memo->setWordWrap(wrap);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return memo;
}

TEST(TMemoLines, WrappedLineCountsAsRowsOfTheCurrentWidthEvenWhenHidden) {
  auto memo = hiddenBox();
  memo->setText(kWide.repeated(30));
  ASSERT_FALSE(memo->isVisible());
  EXPECT_EQ(memo->Lines().Count(), 3);
  EXPECT_EQ(memo->Lines().Get(0), kWide.repeated(13));
  EXPECT_EQ(memo->Lines().Get(2), kWide.repeated(4));

  memo->resize(120, 56);  // 7 wide characters per row
  EXPECT_EQ(memo->Lines().Count(), 5);
  EXPECT_EQ(memo->Lines().Get(4), kWide.repeated(2));

  memo->setWordWrap(false);
  EXPECT_EQ(memo->Lines().Count(), 1);
}

TEST(TMemoLines, CountLeavesOutTheEmptyRowAfterAFinalBreak) {
  auto memo = hiddenBox();
  EXPECT_EQ(memo->Lines().Count(), 0);
  memo->setText(QStringLiteral("a\r\n"));
  EXPECT_EQ(memo->Lines().Count(), 1);
  memo->setText(QStringLiteral("a\r\nb"));
  EXPECT_EQ(memo->Lines().Count(), 2);
  memo->setText(QStringLiteral("a\r\n\r\n"));
  EXPECT_EQ(memo->Lines().Count(), 2);
  EXPECT_EQ(memo->Lines().Get(1), QString());
  EXPECT_EQ(memo->Lines().Get(7), QString());
  EXPECT_EQ(memo->Lines().Get(-1), QString());
}

TEST(TMemoLines, RowIsReadThroughA4096ByteBuffer) {
  auto memo = hiddenBox(216, false);
  memo->setText(QString(5000, QLatin1Char('a')));
  EXPECT_EQ(memo->Lines().Get(0).size(), 4095);
  // A double-byte character that would straddle the limit is left out.
  memo->setText(kWide.repeated(3000));
  EXPECT_EQ(memo->Lines().Get(0), kWide.repeated(2047));
}

TEST(TMemoLines, DeleteTakesTheRowWithItsBreakButTheLastRowOnlyItsText) {
  auto memo = hiddenBox();
  memo->setText(QStringLiteral("a\r\nb\r\nc"));
  memo->Lines().Delete(1);
  EXPECT_EQ(memo->Text(), QStringLiteral("a\r\nc"));
  memo->Lines().Delete(1);
  EXPECT_EQ(memo->Text(), QStringLiteral("a\r\n"));
  memo->Lines().Delete(1);  // the empty last row
  memo->Lines().Delete(5);
  EXPECT_EQ(memo->Text(), QStringLiteral("a\r\n"));

  // A row of a wrapped line ends without a break: only its text goes.
  memo->setText(kWide.repeated(20) + QStringLiteral("\r\nz"));
  memo->Lines().Delete(0);
  EXPECT_EQ(memo->Text(), kWide.repeated(7) + QStringLiteral("\r\nz"));
}

TEST(TMemoLines, AddPutsTheBreakWhereTheTextNeedsItAndTheCaretBehind) {
  auto memo = hiddenBox();
  memo->Lines().Add(QStringLiteral("x"));
  EXPECT_EQ(memo->Text(), QStringLiteral("x\r\n"));
  memo->Lines().Add(QStringLiteral("y\r\nz"));
  EXPECT_EQ(memo->Text(), QStringLiteral("x\r\ny\r\nz\r\n"));
  memo->setText(QStringLiteral("a"));
  memo->Lines().Add(QStringLiteral("b"));
  EXPECT_EQ(memo->Text(), QStringLiteral("a\r\nb"));
  EXPECT_EQ(memo->textCursor().position(), 3);
}

TEST(TMemoLines, WholeTextHasCrLfBreaksWhateverBreaksWereSet) {
  auto memo = hiddenBox();
  memo->setText(QStringLiteral("a\rb\nc\r\nd"));
  EXPECT_EQ(memo->Text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
  EXPECT_EQ(memo->Lines().Count(), 4);
  memo->Lines().Clear();
  EXPECT_EQ(memo->Text(), QString());
}

TEST(TMemoLines, EveryEditRaisesTheChangeEventBeforeItReturns) {
  auto memo = hiddenBox();
  int changes = 0;
  QObject::connect(memo.get(), &TMemo::textChanged, [&] { ++changes; });
  memo->Lines().Add(QStringLiteral("a"));
  EXPECT_EQ(changes, 1);
  memo->Lines().Delete(0);
  EXPECT_EQ(changes, 2);
  memo->setText(QStringLiteral("b"));
  EXPECT_GE(changes, 3);
}

TEST(TMemoLines, CopyingTakesTheDisplayRows) {
  auto memo = hiddenBox();
  memo->setText(kWide.repeated(16) + QStringLiteral("\r\nb"));
  TStringList copy(QStringList{QStringLiteral("old")});
  copy.Assign(memo->Lines());
  EXPECT_EQ(copy.lines(), (QStringList{kWide.repeated(13), kWide.repeated(3), QStringLiteral("b")}));

  auto other = hiddenBox(111);
  other->Lines().Assign(memo->Lines());
  EXPECT_EQ(other->Text(), kWide.repeated(13) + QStringLiteral("\r\n") + kWide.repeated(3) +
                               QStringLiteral("\r\nb\r\n"));
}

// The walks that lay out only the lines they must end where the plain walks
// over every row end, on empty, wrapped and unbroken texts. KeepLast takes a
// line's surplus rows in one edit, the plain walk one row at a time, each
// time wrapping the rest of the line again.
TEST(TMemoLines, ShortcutWalksEndAsThePlainRowWalks) {
  const QString wrapped = kWide.repeated(30);  // three rows
  const QString words = QStringLiteral("the quick brown fox jumps over the lazy dog ").repeated(4);
  const QString spaces = QStringLiteral("ab      cd  ") + QString(40, u' ') + QStringLiteral("ef ") + kWide.repeated(9) +
                         QStringLiteral("   gh");
  const QString mixed = QStringLiteral("株式会社コピラ Kopira Co., Ltd.　東京都千代田区霞が関１－１ ");
  const QStringList texts{QString(),
                          QStringLiteral("\r\n\r\n"),
                          QStringLiteral("\r\na\r\n\r\nb\r\n\r\n"),
                          QStringLiteral("a\r\n") + wrapped + QStringLiteral("\r\n\r\nb\r\n") + wrapped,
                          wrapped + QStringLiteral("\r\n") + wrapped + QStringLiteral("\r\nc\r\n"),
                          words + QStringLiteral("\r\n") + words,
                          spaces + QStringLiteral("\r\n") + spaces.repeated(3),
                          QStringLiteral("x\r\n") + mixed.repeated(60) + QStringLiteral("\r\n")};  // some 200 rows
  const auto check = [&](const char* what, const std::function<void(TMemoLines&)>& shortcut,
                         const std::function<void(TMemoLines&)>& plain) {
    for (const QString& text : texts) {
      auto fast = hiddenBox();
      auto slow = hiddenBox();
      fast->setText(text);
      slow->setText(text);
      shortcut(fast->Lines());
      plain(slow->Lines());
      EXPECT_EQ(fast->Text(), slow->Text()) << what << " on " << text.toStdString();
    }
  };
  check("DeleteEmpty", [](TMemoLines& rows) { rows.DeleteEmpty(); }, [](TMemoLines& rows) { rows.TStrings::DeleteEmpty(); });
  for (int n : {0, 1, 2, 4, 7, 100}) {
    check("KeepLast", [n](TMemoLines& rows) { rows.KeepLast(n); }, [n](TMemoLines& rows) { rows.TStrings::KeepLast(n); });
  }
  check("DeleteLast", [](TMemoLines& rows) { rows.DeleteLast(); }, [](TMemoLines& rows) { rows.Delete(rows.Count() - 1); });
  for (const QString& text : texts) {
    auto memo = hiddenBox();
    memo->setText(text);
    EXPECT_EQ(memo->Lines().Last(), memo->Lines().Get(memo->Lines().Count() - 1));
  }
}

}  // namespace
