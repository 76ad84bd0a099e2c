// Line breaking of labels and memos, with a width of 10 pixels per whole
// character (plus the 1 pixel every measurement adds).
#include <gtest/gtest.h>

#include "report/line_breaker.h"

namespace kopira::report {
namespace {

int tenPerCharacter(const QString& s) {
  return static_cast<int>(s.toUcs4().size()) * 10 + 1;
}

QStringList lines(const QStringList& source, int width, bool wordWrap = true, bool autoSize = false) {
  return breakLines(source, {autoSize, wordWrap, width}, tenPerCharacter);
}

TEST(LineBreaking, WordCarriesToTheNextLineAndKeepsItsSpaceBehind) {
  EXPECT_EQ(lines({QStringLiteral("abc def")}, 60), (QStringList{"abc ", "def"}));
  EXPECT_EQ(lines({QStringLiteral("ab-cd")}, 35), (QStringList{"ab-", "cd"}));
  EXPECT_EQ(lines({QStringLiteral("ab cd")}, 61), (QStringList{"ab cd"}));
}

TEST(LineBreaking, CarriageReturnsCutLinesAndLineFeedsVanish) {
  EXPECT_EQ(lines({QStringLiteral("a\r\nb")}, 100), (QStringList{"a", "b"}));
  EXPECT_EQ(lines({QStringLiteral("a\r\nb")}, 0, true, true), (QStringList{"a", "b"}));
  EXPECT_TRUE(lines({}, 100).isEmpty());
}

TEST(LineBreaking, WordWiderThanTheElementIsCutToWholeCharacters) {
  // Seven kanji in a box for three: the rest of the line is dropped.
  const QStringList out = lines({QStringLiteral("一二三四五六七"), QStringLiteral("八")}, 35);
  ASSERT_GE(out.size(), 2);
  EXPECT_EQ(out[0], QStringLiteral("一二三"));
  EXPECT_EQ(out.last(), QStringLiteral("八"));
  EXPECT_FALSE(out.join(QString()).contains(QStringLiteral("四")));
}

TEST(LineBreaking, SurrogatePairsAreNeverSplit) {
  const QString yoshi = QStringLiteral("\U00020BB7");  // one character, two UTF-16 units
  for (int width = 0; width < 60; ++width) {
    for (const QString& line : lines({yoshi + yoshi + yoshi + QStringLiteral(" ") + yoshi + yoshi + yoshi + yoshi}, width)) {
      ASSERT_EQ(line.size() % 2 == 1, line.endsWith(u' ')) << "width " << width;
      for (qsizetype i = 0; i + 1 < line.size(); i += 2) {
        ASSERT_TRUE(line.at(i).isHighSurrogate() && line.at(i + 1).isLowSurrogate());
      }
    }
  }
  // A long second word is cut from its end, whole characters only.
  const QStringList out = lines({QStringLiteral("a ") + yoshi + yoshi + yoshi}, 25);
  ASSERT_EQ(out.size(), 3);
  EXPECT_EQ(out[1], yoshi + yoshi);
}

TEST(LineBreaking, WithoutWordWrapTheOverflowIsDropped) {
  EXPECT_EQ(lines({QStringLiteral("ab cd ef")}, 40, false), (QStringList{"ab "}));
}

}  // namespace
}  // namespace kopira::report
