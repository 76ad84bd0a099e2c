// The family-register request from the main window's button to the
// history: empty office lines removed on opening, the three-line check,
// the eleven fill-ins, the date stamp, and the six texts in the history.
#include <QApplication>
#include <gtest/gtest.h>

#include "family_request_support.h"
#include "report/model/qr_label.h"

namespace kopira::testing {
namespace {

using FamilyRequest = RequestWindows;

QString caption(const char* label) { return Form6->QRReport1->label(QLatin1String(label))->caption(); }

TEST_F(FamilyRequest, OpeningRemovesEmptyOfficeLinesFromTheFifthUp) {
  struct Case {
    const char* office;
    QStringList expected;
    const char* why;
  };
  const Case cases[] = {
      {"甲\n\n乙\n丙", {"甲", "乙", "丙"}, "an empty second line goes, the rest keep their order"},
      {"\n甲\n乙\n丙", {"甲", "乙", "丙"}, "an empty first line goes as well"},
      {"\n\n甲\n乙", {"甲", "乙"}, "two empty lines at the top: a walk from the top would leave one"},
      {"甲\n\n\n乙", {"甲", "乙"}, "two empty lines together"},
      {"甲\n乙\n丙\n丁", {"甲", "乙", "丙", "丁"}, "nothing to remove"},
  };
  for (const Case& c : cases) {
    setOffice(QString::fromUtf8(c.office));
    Form1->BitBtn4Click();
    EXPECT_EQ(officeLines(), c.expected) << c.why;
  }
  // The line break after the last line stays.
  setOffice(QStringLiteral("甲\n乙\n"));
  Form1->BitBtn4Click();
  EXPECT_EQ(Form1->Memo6->Text(), QStringLiteral("甲\r\n乙\r\n"));
}

TEST_F(FamilyRequest, TheButtonShowsTheDialogBesideTheMainWindow) {
  Form1->show();
  Form1->BitBtn4->click();
  QApplication::processEvents();
  EXPECT_TRUE(Form5->isVisible());
  EXPECT_FALSE(Form5->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(Form1->isVisible());
  EXPECT_TRUE(Form1->isEnabled());
  EXPECT_EQ(Form1->BitBtn4->toolTip(), QStringLiteral("使用できません"));
  // A second press while it shows keeps the one dialog and its fields.
  Form5->Edit1->setText(QStringLiteral("港区長"));
  Form1->BitBtn4->click();
  EXPECT_EQ(Form5->Edit1->text(), QStringLiteral("港区長"));
}

TEST_F(FamilyRequest, TheOfficeBlockMayHoldThreeLinesOnTheRequest) {
  ClosingWait wait;
  struct Case {
    const char* office;
    bool prints;
    const char* why;
  };
  const Case cases[] = {
      {"甲\n乙\n丙", true, "three lines"},
      {"甲\n乙\n丙\n", true, "an empty last row does not count"},
      {"甲\n乙\n丙\n丁", false, "four lines"},
      {"甲\n\n乙\n丙", false, "an empty line between lines counts"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    fillSample();
    setOffice(QString::fromUtf8(c.office));
    const QStringList officeBefore = officeLines();
    const QString historyBefore = Form1->Memo5->Text();
    const int waitsBefore = wait.waits;
    boxes_.boxes.clear();
    Form5->BitBtn2Click();
    EXPECT_EQ(officeLines(), officeBefore) << "the print button removes no lines";
    if (c.prints) {
      EXPECT_TRUE(boxes_.boxes.empty());
      EXPECT_EQ(wait.waits, waitsBefore + 1);
      EXPECT_NE(Form1->Memo5->Text(), historyBefore);
    } else {
      ASSERT_EQ(boxes_.boxes.size(), 1u);
      EXPECT_FALSE(boxes_.boxes[0].information);
      EXPECT_EQ(boxes_.boxes[0].text, QStringLiteral("このページを閉じて事務所住所を３行以内に書き替えてください。"));
      EXPECT_EQ(wait.waits, waitsBefore) << "no preview";
      EXPECT_EQ(Form1->Memo5->Text(), historyBefore) << "nothing added to the history";
    }
  }
}

TEST_F(FamilyRequest, RefusedRequestLeavesThePageAsItWas) {
  ClosingWait wait;
  fillSample();
  setOffice(QStringLiteral("甲\n乙\n丙\n丁"));
  Form5->Edit1->setText(QStringLiteral("港区長"));
  Form5->BitBtn2Click();
  EXPECT_EQ(caption("QRLabel1"), QString());
  EXPECT_TRUE(Form6->QRReport1->memo(QStringLiteral("QRMemo1"))->lines().isEmpty());
  EXPECT_EQ(caption("QRLabel7"), QString());
}

TEST_F(FamilyRequest, EachValueGoesIntoItsOwnElementBeforeThePreviewOpens) {
  ClosingWait wait;
  fillSample();
  const std::array<TEdit*, 6> fields{Form5->Edit1, Form5->Edit2, Form5->Edit3, Form5->Edit4, Form5->Edit5, Form5->Edit6};
  for (size_t i = 0; i < fields.size(); ++i) fields[i]->setText(QStringLiteral("欄%1").arg(i + 1));
  QStringList labels;
  QStringList memo;
  wait.whileOpen = [&] {
    for (const char* name : {"QRLabel1", "QRLabel2", "QRLabel3", "QRLabel4", "QRLabel5", "QRLabel6",
                             "QRLabel7", "QRLabel8", "QRLabel9", "QRLabel10"}) {
      labels << caption(name);
    }
    memo = Form6->QRReport1->memo(QStringLiteral("QRMemo1"))->lines();
  };
  Form5->BitBtn2Click();
  ASSERT_EQ(wait.waits, 1);
  EXPECT_EQ(labels, (QStringList{"欄1", "欄2", "欄3", "欄4", "欄5", "欄6", "　　08 　 08 　 08 　", "２３４５６",
                                 "第一東京", "03-1234-5678"}));
  EXPECT_EQ(memo, (QStringList{"東京都千代田区丸の内一丁目１番１号", "丸の内ビル５階　甲野法律事務所", "弁護士　甲野一郎"}));
}

TEST_F(FamilyRequest, DateStampSpacesTheTwoDigitEraYearMonthAndDay) {
  ClosingWait wait;
  fillSample();
  const struct {
    QDate date;
    QString stamp;
  } cases[] = {
      {QDate(2019, 5, 1), QStringLiteral("　　01 　 05 　 01 　")},   // first year of the era
      {QDate(2026, 12, 8), QStringLiteral("　　08 　 12 　 08 　")},
      {QDate(2037, 11, 30), QStringLiteral("　　19 　 11 　 30 　")},
  };
  for (const auto& c : cases) {
    clock::setSource([d = c.date] { return d; });
    Form5->BitBtn2Click();
    EXPECT_EQ(caption("QRLabel7"), c.stamp) << c.date.toString(Qt::ISODate).toStdString();
  }
}

TEST_F(FamilyRequest, SixTextsJoinTheHistoryAfterThePreviewClosesWithoutPrinting) {
  ClosingWait wait;
  fillSample();
  // As activation leaves it: ending with a line break.
  const QString before = QStringLiteral("以前の会社\r\n");
  Form1->Memo5->setText(before);
  Form5->Edit3->setText(QString());
  QString historyWhileOpen;
  wait.whileOpen = [&] { historyWhileOpen = Form1->Memo5->Text(); };
  Form5->BitBtn2Click();
  EXPECT_EQ(historyWhileOpen, before) << "added only once the preview has closed";
  const QString once = QStringLiteral(
      "新宿区長\r\n東京都新宿区西新宿二丁目８番１号\r\n\r\n山田花子\r\n全部\r\n裁判資料として\r\n");
  EXPECT_EQ(Form1->Memo5->Text(), before + once)
      << "one entry per field, in order; the empty field an empty line";
  // Every press that passes the check adds them again.
  Form5->BitBtn2Click();
  EXPECT_EQ(Form1->Memo5->Text(), before + once + once);
}

TEST_F(FamilyRequest, ASecondPressWhileThePreviewIsOpenAddsNothing) {
  ClosingWait wait;
  fillSample();
  Form1->Memo5->setText(QString());
  QString historyAfterSecondPress = QStringLiteral("<not pressed>");
  wait.whileOpen = [&] {
    Form5->BitBtn2Click();
    historyAfterSecondPress = Form1->Memo5->Text();
  };
  Form5->BitBtn2Click();
  EXPECT_EQ(historyAfterSecondPress, QString());
  EXPECT_EQ(Form1->Memo5->Lines().Count(), 6) << "the six fields once, when the preview closed";
}

TEST_F(FamilyRequest, ALongTextStaysOneLineGrowingToTheRight) {
  ClosingWait wait;
  fillSample();
  const QString longText = QStringLiteral("東京都新宿区西新宿二丁目８番１号　新宿パークタワー３０階　３００１号室");
  Form5->Edit2->setText(longText);
  Form5->BitBtn2Click();
  const report::TQRLabel* label = Form6->QRReport1->label(QStringLiteral("QRLabel2"));
  EXPECT_EQ(label->formattedLines(), QStringList{longText});
  EXPECT_NEAR(label->size().left, 711.0, 0.5) << "the left edge stays";
  EXPECT_GT(label->size().width, 165.0 * 6) << "far wider than the placeholder";
}

}  // namespace
}  // namespace kopira::testing
