// The checks of the three registry print buttons: order, limits at and over,
// the messages with their counts, rows as the boxes display them.
#include "print_scheme_support.h"

namespace kopira::printtest {
namespace {

// No printer in these tests: CUPS is pointed at a server that is not there.
class NoPrinterEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { qputenv("CUPS_SERVER", "/nonexistent/kopira-cups.sock"); }
};
const auto* const kNoPrinter = ::testing::AddGlobalTestEnvironment(new NoPrinterEnvironment);

const QString kOffice = QStringLiteral("このアプリケーションを閉じて事務所住所を４行以内に書き替えてください。");
const QString kCompanyOffice =
    QStringLiteral("このアプリケーションを閉じて事務所の住所の行数を４行以内に書き替えてください。");

QString realEstate(int n, const QString& limit) {
  return QStringLiteral("不動産欄に%1行の入力があります。入力は%2行までにしてください。").arg(n).arg(limit);
}
QString company(int n, const QString& limit) {
  return QStringLiteral("会社欄に%1行の入力があります。入力は%2行までにしてください。").arg(n).arg(limit);
}

using Checks = PrintButtons;

TEST_F(Checks, OfficeAddressComesFirstWithEachButtonsWording) {
  setOffice(rows(5));
  form->Memo2->setText(rows(13));
  form->Memo1->setText(rows(29));
  const QStringList before = linesOf(*Form3->QRReport1, QStringLiteral("QRMemo2"));

  form->BitBtn1->click();
  form->BitBtn2->click();
  form->BitBtn3->click();
  EXPECT_EQ(messages(), (QStringList{kOffice, kCompanyOffice, kOffice}));
  EXPECT_TRUE(wait->shows.empty());
  EXPECT_EQ(form->Memo5->Text(), QString());
  // Stopped before the office lines were written.
  EXPECT_EQ(linesOf(*Form3->QRReport1, QStringLiteral("QRMemo2")), before);

  boxes.boxes.clear();
  setOffice(rows(4));
  form->Memo2->setText(QString());
  form->Memo1->setText(QString());
  form->BitBtn1->click();
  EXPECT_TRUE(messages().isEmpty());
  EXPECT_EQ(wait->shows.size(), 1u);
}

TEST_F(Checks, LandAndBuildingTakes28RealEstateRows) {
  form->Memo1->setText(rows(28));
  form->BitBtn1->click();
  EXPECT_TRUE(messages().isEmpty());
  ASSERT_EQ(wait->shows.size(), 1u);

  form->Memo1->setText(rows(29));
  form->BitBtn1->click();
  EXPECT_EQ(messages(), QStringList{realEstate(29, QStringLiteral("２８"))});
  EXPECT_EQ(wait->shows.size(), 1u);
  // The company block does not count here.
  boxes.boxes.clear();
  form->Memo1->setText(rows(3));
  form->Memo2->setText(rows(40));
  form->BitBtn1->click();
  EXPECT_TRUE(messages().isEmpty());
}

TEST_F(Checks, CompanyTakes12CompanyRows) {
  form->Memo2->setText(rows(12));
  form->Memo1->setText(rows(40));  // not counted by this button
  form->BitBtn2->click();
  EXPECT_TRUE(messages().isEmpty());
  ASSERT_EQ(wait->shows.size(), 1u);

  form->Memo2->setText(rows(13));
  form->BitBtn2->click();
  EXPECT_EQ(messages(), QStringList{company(13, QStringLiteral("１２"))});
  EXPECT_EQ(wait->shows.size(), 1u);
}

TEST_F(Checks, ValuationTakes8CompanyAnd25RealEstateRowsCompanyFirst) {
  form->Memo2->setText(rows(8));
  form->Memo1->setText(rows(25));
  form->BitBtn3->click();
  EXPECT_TRUE(messages().isEmpty());
  ASSERT_EQ(wait->shows.size(), 1u);

  form->Memo2->setText(rows(9));
  form->BitBtn3->click();
  form->Memo2->setText(rows(8));
  form->Memo1->setText(rows(26));
  form->BitBtn3->click();
  // 28 rows, which the land and building form takes, are refused here.
  form->Memo1->setText(rows(28));
  form->BitBtn3->click();
  // Both over: only the company block is reported.
  form->Memo2->setText(rows(9));
  form->BitBtn3->click();
  EXPECT_EQ(messages(), (QStringList{company(9, QStringLiteral("８")), realEstate(26, QStringLiteral("２５")),
                                     realEstate(28, QStringLiteral("２５")), company(9, QStringLiteral("８"))}));
  EXPECT_EQ(wait->shows.size(), 1u);
}

TEST_F(Checks, CountIsWrittenInAsciiDigitsWhateverItsLength) {
  form->Memo1->setText(rows(1234));
  form->BitBtn1->click();
  ASSERT_EQ(messages().size(), 1);
  EXPECT_EQ(messages()[0], QStringLiteral("不動産欄に1234行の入力があります。入力は２８行までにしてください。"));
}

TEST_F(Checks, StoppedPrintLeavesOnlyTheOfficeLinesWritten) {
  setOffice(QStringLiteral("東京都港区１\r\n山田法律事務所"));
  form->Edit3->setText(QStringLiteral("横浜地方法務局"));
  form->Memo1->setText(rows(29));
  const report::TQRReport& page = *Form3->QRReport1;
  const QString office = captionOf(page, QStringLiteral("QRLabel25"));
  const QString date = captionOf(page, QStringLiteral("QRLabel28"));
  const QStringList estate = linesOf(page, QStringLiteral("QRMemo1"));

  form->BitBtn1->click();
  EXPECT_EQ(linesOf(page, QStringLiteral("QRMemo2")),
            (QStringList{QStringLiteral("東京都港区１"), QStringLiteral("山田法律事務所")}));
  EXPECT_EQ(captionOf(page, QStringLiteral("QRLabel25")), office);
  EXPECT_EQ(captionOf(page, QStringLiteral("QRLabel28")), date);
  EXPECT_EQ(linesOf(page, QStringLiteral("QRMemo1")), estate);
  EXPECT_EQ(form->Memo5->Text(), QString());
}

TEST_F(Checks, BlockEndingInALineBreakCountsAsWithout) {
  form->Memo1->setText(rows(28) + QStringLiteral("\r\n"));
  form->Memo2->setText(rows(12) + QStringLiteral("\r\n"));
  form->BitBtn1->click();
  form->BitBtn2->click();
  EXPECT_TRUE(messages().isEmpty());
  EXPECT_EQ(wait->shows.size(), 2u);
  // The empty last row does not reach the page either.
  EXPECT_EQ(linesOf(*Form3->QRReport1, QStringLiteral("QRMemo1")).size(), 28);
}

TEST_F(Checks, LineWiderThanTheBoxCountsAsTheRowsItWrapsInto) {
  // 40 wide characters wrap into two rows of the 470-pixel block.
  form->Memo1->setText(rows(27) + QStringLiteral("\r\n") + QStringLiteral("地").repeated(40));
  form->BitBtn1->click();
  EXPECT_EQ(messages(), QStringList{realEstate(29, QStringLiteral("２８"))});
  EXPECT_TRUE(wait->shows.empty());
}

TEST_F(Checks, NotePaneDraggedOpenTurns28RowsInto29) {
  // The last line fills most of the block's width: one row while the note
  // pane is folded, two once it is open.
  form->Memo1->setText(rows(27) + QStringLiteral("\r\n") + QStringLiteral("地").repeated(24));
  form->BitBtn1->click();
  EXPECT_TRUE(messages().isEmpty());
  EXPECT_EQ(wait->shows.size(), 1u);

  form->Splitter2->setPanelWidth(150);
  form->BitBtn1->click();
  EXPECT_EQ(messages(), QStringList{realEstate(29, QStringLiteral("２８"))});
  EXPECT_EQ(wait->shows.size(), 1u);

  // The same for the company block and its limit of 12.
  boxes.boxes.clear();
  form->Memo2->setText(rows(11) + QStringLiteral("\r\n") + QStringLiteral("会").repeated(24));
  form->BitBtn2->click();
  EXPECT_TRUE(messages().isEmpty());
  form->Splitter1->setPanelWidth(150);
  form->BitBtn2->click();
  EXPECT_EQ(messages(), QStringList{company(13, QStringLiteral("１２"))});
}

TEST_F(Checks, EmptyBlocksPrint) {
  setOffice(QString());
  form->Memo2->setText(QString());
  form->Memo1->setText(QString());
  form->BitBtn1->click();
  form->BitBtn2->click();
  form->BitBtn3->click();
  EXPECT_TRUE(messages().isEmpty());
  EXPECT_EQ(wait->shows.size(), 3u);
  EXPECT_TRUE(linesOf(*Form4->QRReport1, QStringLiteral("QRMemo3")).isEmpty());
  EXPECT_TRUE(linesOf(*Form4->QRReport1, QStringLiteral("QRMemo1")).isEmpty());
}

}  // namespace
}  // namespace kopira::printtest
