// What the three registry print buttons write into their pages and what
// reaches the preview: each input in its element, nothing of an earlier
// request, the date stamp, the re-broken owner lines, the history after the
// preview.
#include <QFile>

#include "app/printing/tform5.h"
#include "platform/cp932.h"
#include "print_scheme_support.h"

namespace kopira::printtest {
namespace {

// A box of the page tables, in mm from the paper's corner.
struct Box {
  double left, top, width, height;
};

// Where a fill-in's text must start: a label at its corner; a memo's first
// line at its corner and every line inside its box.
struct Expected {
  QString element;
  Box box;
  QStringList lines;
};

// Every line of every expected fill-in is drawn with its reference point
// inside the element's box (labels: at its corner).
void expectShownAt(const ShownPreview& shown, const std::vector<Expected>& expected) {
  for (const Expected& e : expected) {
    double previousY = -1;
    for (int i = 0; i < e.lines.size(); ++i) {
      const QString& line = e.lines[i];
      const auto found = std::find_if(shown.texts.begin(), shown.texts.end(), [&](const PictureText& t) {
        return t.text == line && t.yMm > previousY && t.xMm >= e.box.left - 0.5 && t.xMm <= e.box.left + 1.0 &&
               t.yMm >= e.box.top - 0.5 && t.yMm <= e.box.top + e.box.height;
      });
      ASSERT_NE(found, shown.texts.end()) << e.element.toStdString() << " line " << i << " \""
                                          << line.toStdString() << "\" not shown in its box";
      if (i == 0) {
        EXPECT_NEAR(found->yMm, e.box.top, 1.0) << e.element.toStdString();
      }
      previousY = found->yMm;
    }
  }
}

bool shows(const ShownPreview& shown, const QString& text) {
  return std::any_of(shown.texts.begin(), shown.texts.end(),
                     [&](const PictureText& t) { return t.text.contains(text); });
}

class FillIns : public PrintButtons {
 protected:
  // Distinct inputs; the memos hold two rows each.
  void fillInputs(const QString& tag) {
    setOffice(QStringLiteral("事務所住所%1\r\n弁護士%1").arg(tag));
    form->Edit3->setText(QStringLiteral("法務局%1").arg(tag));
    form->Edit4->setText(QStringLiteral("市長%1").arg(tag));
    form->Edit5->setText(QStringLiteral("電話%1").arg(tag));
    form->Memo2->setText(QStringLiteral("本店%1\r\n商号%1").arg(tag));
    form->Memo1->setText(QStringLiteral("所在%1\r\n地番%1").arg(tag));
  }
  static QStringList two(const QString& first, const QString& second, const QString& tag) {
    return {first + tag, second + tag};
  }
};

TEST_F(FillIns, LandAndBuildingWritesEachInputIntoItsElement) {
  fillInputs(QStringLiteral("A"));
  form->BitBtn1->click();
  ASSERT_EQ(wait->shows.size(), 1u);
  const report::TQRReport& page = *Form3->QRReport1;
  EXPECT_EQ(linesOf(page, QStringLiteral("QRMemo2")), two(QStringLiteral("事務所住所"), QStringLiteral("弁護士"), "A"));
  EXPECT_EQ(captionOf(page, QStringLiteral("QRLabel25")), QStringLiteral("法務局A"));
  EXPECT_EQ(captionOf(page, QStringLiteral("QRLabel31")), QStringLiteral("電話A"));
  EXPECT_EQ(linesOf(page, QStringLiteral("QRMemo1")), two(QStringLiteral("所在"), QStringLiteral("地番"), "A"));
  EXPECT_EQ(captionOf(page, QStringLiteral("QRLabel28")), QStringLiteral("令和08年12月08日"));

  const ShownPreview& shown = wait->shows[0];
  EXPECT_EQ(shown.pageCount, 1);
  EXPECT_NEAR(shown.paperMm.width(), 210.0, 0.01);
  EXPECT_TRUE(shows(shown, QStringLiteral("土地建物登記簿謄抄本申請書")));
  expectShownAt(shown, {{"QRMemo2", {53.2, 52.4, 112.4, 15.3}, two("事務所住所", "弁護士", "A")},
                        {"QRLabel25", {29.6, 42.3, 63.2, 4.2}, {"法務局A"}},
                        {"QRLabel31", {66.1, 67.5, 16.9, 4.5}, {"電話A"}},
                        {"QRMemo1", {47.6, 85.2, 101.6, 105.3}, two("所在", "地番", "A")},
                        {"QRLabel28", {121.2, 42.6, 16.1, 4.2}, {"令和08年12月08日"}}});
  EXPECT_FALSE(shows(shown, QStringLiteral("本店A")));
  EXPECT_FALSE(shows(shown, QStringLiteral("市長A")));
}

TEST_F(FillIns, CompanyWritesEachInputIntoItsElement) {
  fillInputs(QStringLiteral("B"));
  form->BitBtn2->click();
  ASSERT_EQ(wait->shows.size(), 1u);
  const report::TQRReport& page = *Form2->QRReport1;
  EXPECT_EQ(linesOf(page, QStringLiteral("QRMemo2")), two(QStringLiteral("事務所住所"), QStringLiteral("弁護士"), "B"));
  EXPECT_EQ(captionOf(page, QStringLiteral("QRLabel25")), QStringLiteral("法務局B"));
  EXPECT_EQ(captionOf(page, QStringLiteral("QRLabel33")), QStringLiteral("電話B"));
  EXPECT_EQ(linesOf(page, QStringLiteral("QRMemo1")), two(QStringLiteral("本店"), QStringLiteral("商号"), "B"));
  EXPECT_EQ(captionOf(page, QStringLiteral("QRLabel31")), QStringLiteral("令和08年12月08日"));

  const ShownPreview& shown = wait->shows[0];
  EXPECT_TRUE(shows(shown, QStringLiteral("会社登記簿謄抄本申請書")));
  expectShownAt(shown, {{"QRMemo2", {60.3, 50.8, 102.4, 17.2}, two("事務所住所", "弁護士", "B")},
                        {"QRLabel25", {35.7, 40.5, 59.5, 4.2}, {"法務局B"}},
                        {"QRLabel33", {81.5, 67.7, 16.9, 4.5}, {"電話B"}},
                        {"QRMemo1", {56.1, 76.7, 106.9, 48.2}, two("本店", "商号", "B")},
                        {"QRLabel31", {113.5, 41.0, 16.1, 3.7}, {"令和08年12月08日"}}});
  EXPECT_FALSE(shows(shown, QStringLiteral("所在B")));
}

TEST_F(FillIns, ValuationWritesEachInputIntoItsElement) {
  fillInputs(QStringLiteral("C"));
  form->BitBtn3->click();
  ASSERT_EQ(wait->shows.size(), 1u);
  const report::TQRReport& page = *Form4->QRReport1;
  EXPECT_EQ(linesOf(page, QStringLiteral("QRMemo2")), two(QStringLiteral("事務所住所"), QStringLiteral("弁護士"), "C"));
  EXPECT_EQ(captionOf(page, QStringLiteral("QRLabel5")), QStringLiteral("市長C"));
  EXPECT_EQ(captionOf(page, QStringLiteral("QRLabel53")), QStringLiteral("電話C"));
  EXPECT_EQ(linesOf(page, QStringLiteral("QRMemo1")), two(QStringLiteral("所在"), QStringLiteral("地番"), "C"));
  EXPECT_EQ(linesOf(page, QStringLiteral("QRMemo3")), two(QStringLiteral("本店"), QStringLiteral("商号"), "C"));
  EXPECT_EQ(captionOf(page, QStringLiteral("QRLabel4")), QStringLiteral("令和08年12月08日"));

  // Without a printer the B4 page is shown on A4 paper; its elements keep
  // their places from the corner.
  const ShownPreview& shown = wait->shows[0];
  expectShownAt(shown, {{"QRMemo2", {39.0, 73.8, 191.2, 16.2}, two("事務所住所", "弁護士", "C")},
                        {"QRLabel5", {26.5, 63.5, 54.9, 4.3}, {"市長C"}},
                        {"QRLabel53", {95.3, 89.6, 16.9, 4.6}, {"電話C"}},
                        {"QRMemo1", {34.4, 153.8, 119.4, 95.3}, two("所在", "地番", "C")},
                        {"QRMemo3", {179.3, 153.5, 51.3, 96.2}, two("本店", "商号", "C")},
                        {"QRLabel4", {177.6, 54.6, 14.9, 6.6}, {"令和08年12月08日"}}});
  EXPECT_FALSE(shows(shown, QStringLiteral("法務局C")));
}

TEST_F(FillIns, NothingOfAnEarlierRequestReachesALaterPreview) {
  for (QPushButton* button : {form->BitBtn1, form->BitBtn2, form->BitBtn3}) {
    wait->shows.clear();
    fillInputs(QStringLiteral("旧"));
    button->click();
    // Every input changed, some emptied.
    setOffice(QStringLiteral("新事務所"));
    form->Edit3->setText(QString());
    form->Edit4->setText(QStringLiteral("新市長"));
    form->Edit5->setText(QString());
    form->Memo2->setText(QString());
    form->Memo1->setText(QStringLiteral("新所在"));
    clock::setSource([] { return QDate(2027, 1, 5); });
    button->click();
    clock::setSource([] { return QDate(2026, 12, 8); });
    ASSERT_EQ(wait->shows.size(), 2u) << button->objectName().toStdString();
    const ShownPreview& later = wait->shows[1];
    EXPECT_FALSE(shows(later, QStringLiteral("旧"))) << button->objectName().toStdString();
    EXPECT_FALSE(shows(later, QStringLiteral("令和08年"))) << button->objectName().toStdString();
    EXPECT_TRUE(shows(later, QStringLiteral("新事務所")));
    EXPECT_TRUE(shows(later, QStringLiteral("令和09年01月05日")));
  }
}

TEST_F(FillIns, OfficeLinesOfAStoppedPrintAreReplacedByTheNextPrint) {
  setOffice(QStringLiteral("止まった事務所"));
  form->Memo1->setText(rows(29));
  form->BitBtn1->click();
  ASSERT_TRUE(wait->shows.empty());
  setOffice(QStringLiteral("通った事務所"));
  form->Memo1->setText(rows(2));
  form->BitBtn1->click();
  ASSERT_EQ(wait->shows.size(), 1u);
  EXPECT_FALSE(shows(wait->shows[0], QStringLiteral("止まった")));
  EXPECT_TRUE(shows(wait->shows[0], QStringLiteral("通った事務所")));
}

TEST_F(FillIns, ValuationOwnerColumnTakesTheCompanyBlockAtTheHiddenBoxsRows) {
  // Twenty wide characters: one row of the company block, two of the
  // 216-pixel hidden box (thirteen characters a row), each of which fits
  // the owner column whole.
  const QString line = QStringLiteral("株式会社").repeated(5);
  form->Memo2->setText(line + QStringLiteral("\r\n代表取締役"));
  ASSERT_EQ(form->Memo2->Lines().Count(), 2);
  form->BitBtn3->click();
  ASSERT_EQ(wait->shows.size(), 1u);
  EXPECT_EQ(linesOf(*Form4->QRReport1, QStringLiteral("QRMemo3")),
            (QStringList{line.left(13), line.mid(13), QStringLiteral("代表取締役")}));
  EXPECT_EQ(form->Memo7->Text(), form->Memo2->Text());
  // The company page takes the block's own rows.
  form->BitBtn2->click();
  EXPECT_EQ(linesOf(*Form2->QRReport1, QStringLiteral("QRMemo1")), (QStringList{line, QStringLiteral("代表取締役")}));
}

TEST_F(FillIns, DateStampFollowsTheEraAndKeepsTwoDigits) {
  const std::vector<std::pair<QDate, QString>> days{
      {QDate(2019, 4, 30), QStringLiteral("平成31年04月30日")},
      {QDate(2019, 5, 1), QStringLiteral("令和01年05月01日")},
      {QDate(2027, 1, 5), QStringLiteral("令和09年01月05日")},
      {QDate(2027, 1, 31), QStringLiteral("令和09年01月31日")}};
  for (const auto& [day, stamp] : days) {
    clock::setSource([day = day] { return day; });
    form->BitBtn1->click();
    form->BitBtn2->click();
    form->BitBtn3->click();
    EXPECT_EQ(captionOf(*Form3->QRReport1, QStringLiteral("QRLabel28")), stamp);
    EXPECT_EQ(captionOf(*Form2->QRReport1, QStringLiteral("QRLabel31")), stamp);
    EXPECT_EQ(captionOf(*Form4->QRReport1, QStringLiteral("QRLabel4")), stamp);
    ASSERT_GE(wait->shows.size(), 3u);
    for (size_t i = wait->shows.size() - 3; i < wait->shows.size(); ++i) {
      EXPECT_TRUE(shows(wait->shows[i], stamp)) << stamp.toStdString();
    }
  }
}

TEST_F(FillIns, HistoryGetsCompanyThenRealEstateAfterThePreviewClosed) {
  form->Memo5->setText(QStringLiteral("前の記録\r\n"));
  form->Memo2->setText(QStringLiteral("株式会社甲\r\n東京都千代田区"));
  form->Memo1->setText(QStringLiteral("土地\r\n所在　港区"));
  form->BitBtn1->click();
  ASSERT_EQ(wait->shows.size(), 1u);
  EXPECT_EQ(wait->shows[0].historyMeanwhile, QStringLiteral("前の記録\r\n"));
  EXPECT_EQ(form->Memo5->Text(),
            QStringLiteral("前の記録\r\n株式会社甲\r\n東京都千代田区\r\n土地\r\n所在　港区\r\n"));

  // Every button appends both blocks; an empty block an empty line.
  form->Memo5->setText(QString());
  form->Memo1->setText(QString());
  form->BitBtn2->click();
  form->BitBtn3->click();
  EXPECT_EQ(form->Memo5->Text(),
            QStringLiteral("株式会社甲\r\n東京都千代田区\r\n\r\n株式会社甲\r\n東京都千代田区\r\n\r\n"));
}

// The program closed while a preview is open (window close or a signal)
// records that print's blocks before the history is saved, and only once.
TEST_F(FillIns, ClosingTheProgramDuringThePreviewRecordsTheBlocksFirst) {
  form->Memo2->setText(QStringLiteral("株式会社甲"));
  form->Memo1->setText(QStringLiteral("土地"));
  // The close stores the request dialog's fields too.
  Form5 = new TForm5;
  const std::unique_ptr<TForm5> dialog(Form5);
  wait->whileOpen = [this] { form->close(); };
  for (QPushButton* button : {form->BitBtn1, form->BitBtn2, form->BitBtn3}) {
    form->Memo5->setText(QString());
    button->click();
    QFile saved(QDir(folder.path()).filePath(QStringLiteral("kopiralog.txt")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), cp932::encode(QStringLiteral("株式会社甲\r\n土地\r\n")).value());
    EXPECT_EQ(form->Memo5->Text(), QStringLiteral("株式会社甲\r\n土地\r\n")) << button->text().toStdString();
  }
  Form5 = nullptr;
}

TEST_F(FillIns, ASecondPressWhileThePreviewIsOpenChangesNothing) {
  form->Memo2->setText(QStringLiteral("株式会社甲"));
  form->Memo1->setText(QStringLiteral("土地"));
  form->Edit3->setText(QStringLiteral("東京法務局"));
  wait->whileOpen = [this] {
    form->Edit3->setText(QStringLiteral("横浜地方法務局"));
    form->Memo2->setText(QStringLiteral("株式会社乙"));
    form->BitBtn1->click();
    // Still the first request's values, and nothing appended yet.
    EXPECT_EQ(captionOf(*Form3->QRReport1, QStringLiteral("QRLabel25")), QStringLiteral("東京法務局"));
    EXPECT_EQ(form->Memo5->Text(), QString());
  };
  form->BitBtn1->click();
  EXPECT_EQ(wait->shows.size(), 1u);
  EXPECT_EQ(form->Memo5->Text(), QStringLiteral("株式会社乙\r\n土地\r\n"));
}

}  // namespace
}  // namespace kopira::printtest
