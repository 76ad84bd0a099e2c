// CP932 conversion: the Windows mapping, refusal of what CP932 cannot hold,
// and the byte counting used by the byte limits.
#include "platform/cp932.h"

#include <gtest/gtest.h>

using namespace kopira;

namespace {

QByteArray bytes(std::initializer_list<unsigned char> list) {
  QByteArray out;
  for (const unsigned char b : list) out.append(static_cast<char>(b));
  return out;
}

QString chars(std::initializer_list<char16_t> list) {
  QString out;
  for (const char16_t c : list) out.append(QChar(c));
  return out;
}

TEST(Cp932Decode, MapsLikeWindows) {
  EXPECT_EQ(cp932::decode(bytes({0x5C, 0x7E})), QStringLiteral("\\~"));
  EXPECT_EQ(cp932::decode(bytes({0x81, 0x5F, 0x81, 0x60, 0x81, 0x61, 0x81, 0x7C})), chars({0xFF3C, 0xFF5E, 0x2225, 0xFF0D}));
  EXPECT_EQ(cp932::decode(bytes({0x81, 0x5C, 0x81, 0x91, 0x81, 0x92, 0x81, 0xCA})), chars({0x2015, 0xFFE0, 0xFFE1, 0xFFE2}));
  EXPECT_EQ(cp932::decode(bytes({0x87, 0x40, 0xFA, 0x40, 0xED, 0x40})), chars({0x2460, 0x2170, 0x7E8A}));
  EXPECT_EQ(cp932::decode(bytes({0x93, 0x8C, 0x8B, 0x9E})), QStringLiteral("東京"));
  // Half-width katakana and corner brackets are single bytes.
  EXPECT_EQ(cp932::decode(bytes({0xA1, 0xA2, 0xA3, 0xB1, 0xDF})), chars({0xFF61, 0xFF62, 0xFF63, 0xFF71, 0xFF9F}));
  EXPECT_EQ(cp932::decode(QByteArray("a\0b", 3)), QString::fromUtf16(u"a\0b", 3));
  EXPECT_EQ(cp932::decode(QByteArray()), QString());
}

TEST(Cp932Decode, RefusesBytesOutsideCp932) {
  for (const QByteArray& bad : {bytes({0x80}), bytes({0xA0}), bytes({0xFD}), bytes({0xFF}), bytes({'a', 0x81}),
                                bytes({0x81, 0x20}), bytes({0x82, 0xA0, 0x81})}) {
    EXPECT_FALSE(cp932::decode(bad).has_value()) << bad.toHex().constData();
  }
}

TEST(Cp932Decode, LossyKeepsTheValidPartsAroundBadBytes) {
  const QString text = cp932::decodeLossy(bytes({'a', 0x80, 0x93, 0x8C, 0xFF, 'z'}));
  EXPECT_TRUE(text.startsWith(u'a'));
  EXPECT_TRUE(text.endsWith(u'z'));
  EXPECT_TRUE(text.contains(QStringLiteral("東")));
  EXPECT_EQ(text.count(QChar(0xFFFD)), 2);
}

TEST(Cp932Encode, RoundTripsAndRefusesCharactersWithoutAForm) {
  const QString text = QStringLiteral("東京法務局 ｱｲｳ\\~") + chars({0xFF5E, 0x2225, 0x3000});
  const std::optional<QByteArray> encoded = cp932::encode(text);
  ASSERT_TRUE(encoded.has_value());
  EXPECT_EQ(cp932::decode(*encoded), text);
  EXPECT_EQ(cp932::encode(chars({0x2170})), bytes({0xFA, 0x40}));
  // The JIS twins, the yen sign, U+FFFD, an emoji and a lone surrogate have
  // no CP932 form: no substitution bytes are produced.
  for (const char16_t c : {u'\u301C', u'\u2016', u'\u2212', u'\u2014', u'\u00A2', u'\u00A5', u'\uFFFD', char16_t{0xD800}}) {
    EXPECT_FALSE(cp932::encode(QStringLiteral("a") + QChar(c)).has_value()) << int(c);
    EXPECT_FALSE(cp932::representable(QChar(c)));
  }
  EXPECT_FALSE(cp932::encode(QStringLiteral("x😀")).has_value());
  EXPECT_TRUE(cp932::representable(QStringLiteral("山田花子")));
}

TEST(Cp932Input, TwinsAreMappedAndFormlessCharactersDropped) {
  EXPECT_EQ(cp932::mapInputTwins(chars({0x301C, 0x2016, 0x2212, 0x2014, 0x00A2, 0x00A3, 0x00AC})),
            chars({0xFF5E, 0x2225, 0xFF0D, 0x2015, 0xFFE0, 0xFFE1, 0xFFE2}));
  EXPECT_EQ(cp932::filterInput(QStringLiteral("1") + QChar(0x301C) + QStringLiteral("2😀\r\n¥ｱ")),
            QStringLiteral("1") + QChar(0xFF5E) + QStringLiteral("2\r\nｱ"));
}

TEST(Cp932Bytes, CountsAndCutsWithoutSplittingACharacter) {
  EXPECT_EQ(cp932::byteLength(QStringLiteral("aｱ東")), 4);
  EXPECT_EQ(cp932::byteLength(QStringLiteral("😀")), 2);  // one character without a form
  EXPECT_EQ(cp932::truncateToBytes(QStringLiteral("ab東京"), 3), QStringLiteral("ab"));
  EXPECT_EQ(cp932::truncateToBytes(QStringLiteral("ab東京"), 4), QStringLiteral("ab東"));
  EXPECT_EQ(cp932::truncateToBytes(QStringLiteral("aｱｲ"), 2), QStringLiteral("aｱ"));
  EXPECT_EQ(cp932::truncateToBytes(QStringLiteral("a😀"), 2), QStringLiteral("a"));
  EXPECT_EQ(cp932::truncateToBytes(QStringLiteral("abc"), 0), QString());
}

}  // namespace
