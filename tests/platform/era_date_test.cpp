// Era dates and the two date stamps, across era changes and single digits.
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/era_date.h"

using kopira::era::format;
using kopira::era::fromDate;

TEST(EraDate, FollowsTheEraInForceOnEachDay) {
  EXPECT_EQ(fromDate(QDate(2019, 4, 30)).eraName, QStringLiteral("平成"));
  EXPECT_EQ(fromDate(QDate(2019, 4, 30)).eraYear, 31);
  EXPECT_EQ(fromDate(QDate(2019, 5, 1)).eraName, QStringLiteral("令和"));
  EXPECT_EQ(fromDate(QDate(2019, 5, 1)).eraYear, 1);
  EXPECT_EQ(fromDate(QDate(1989, 1, 7)).eraName, QStringLiteral("昭和"));
  EXPECT_EQ(fromDate(QDate(1989, 1, 8)).eraName, QStringLiteral("平成"));
}

TEST(EraDate, RegistryStampPadsEveryNumberToTwoDigits) {
  EXPECT_EQ(format(QDate(2026, 12, 8), kopira::era::kRegistryStamp), QStringLiteral("令和08年12月08日"));
  EXPECT_EQ(format(QDate(2027, 1, 5), kopira::era::kRegistryStamp), QStringLiteral("令和09年01月05日"));
  EXPECT_EQ(format(QDate(2019, 4, 30), kopira::era::kRegistryStamp), QStringLiteral("平成31年04月30日"));
  EXPECT_EQ(format(QDate(2019, 5, 1), kopira::era::kRegistryStamp), QStringLiteral("令和01年05月01日"));
}

TEST(EraDate, RequestStampLeavesTheEraOutAndSpacesTheNumbers) {
  EXPECT_EQ(format(QDate(2026, 12, 8), kopira::era::kRequestStamp),
            QStringLiteral("　　08 　 12 　 08 　"));
  EXPECT_EQ(format(QDate(2019, 5, 1), kopira::era::kRequestStamp),
            QStringLiteral("　　01 　 05 　 01 　"));
}

TEST(EraDate, ClockSeamChoosesTheDate) {
  kopira::clock::setSource([] { return QDate(2027, 1, 5); });
  EXPECT_EQ(kopira::clock::today(), QDate(2027, 1, 5));
  kopira::clock::setSource({});
  EXPECT_EQ(kopira::clock::today(), QDate::currentDate());
}
