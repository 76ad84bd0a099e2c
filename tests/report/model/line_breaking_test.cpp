// Line breaking of labels and memos, with a width of 10 pixels per whole
// character (plus the 1 pixel every measurement adds).
#include <gtest/gtest.h>

#include "report/model/line_breaker.h"

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
  // Seven kanji in a box for three: the rest of the line is dropped, and the
  // next source line follows directly, without a blank line between.
  EXPECT_EQ(lines({QStringLiteral("一二三四五六七"), QStringLiteral("八")}, 35),
            (QStringList{QStringLiteral("一二三"), QStringLiteral("八")}));
  // The same after a word that already stood on the line.
  EXPECT_EQ(lines({QStringLiteral("a 一二三四五六七"), QStringLiteral("八")}, 35),
            (QStringList{QStringLiteral("a "), QStringLiteral("一二三"), QStringLiteral("八")}));
  // Words after the cut carry on as usual.
  EXPECT_EQ(lines({QStringLiteral("一二三四五六七 ab")}, 35),
            (QStringList{QStringLiteral("一二三"), QStringLiteral("ab")}));
}

TEST(LineBreaking, EmptySourceLinesStayAsBlankLines) {
  EXPECT_EQ(lines({QString(), QStringLiteral("a"), QString()}, 35), (QStringList{"", "a", ""}));
  EXPECT_EQ(lines({QStringLiteral("a\r\rb")}, 35), (QStringList{"a", "", "b"}));
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
  EXPECT_EQ(lines({QStringLiteral("a ") + yoshi + yoshi + yoshi}, 25), (QStringList{"a ", yoshi + yoshi}));
}

TEST(LineBreaking, WithoutWordWrapTheOverflowIsDropped) {
  EXPECT_EQ(lines({QStringLiteral("ab cd ef")}, 40, false), (QStringList{"ab "}));
}

}  // namespace
}  // namespace kopira::report
