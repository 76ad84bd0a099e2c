// The splay-tree code: exact bit layout of the first codes, round trips over
// varied data, and clean failure on corrupt streams.
#include "report/store/splay_code.h"

#include <gtest/gtest.h>

#include <random>

using kopira::store::splayDecode;
using kopira::store::splayEncode;

namespace {

QByteArray randomBytes(qsizetype n, unsigned seed) {
  std::mt19937 rng(seed);
  QByteArray b(n, Qt::Uninitialized);
  for (char& c : b) c = static_cast<char>(rng());
  return b;
}

void expectRoundTrip(const QByteArray& plain) {
  const QByteArray code = splayEncode(plain);
  const std::optional<QByteArray> back = splayDecode(code, plain.size());
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, plain);
}

}  // namespace

// With a fresh tree, byte c is coded as the path to leaf 256 + c, root first,
// packed from the least significant bit; other readers rely on this layout.
// The longer codes pin the semi-splaying too: a mistake made alike in
// encoder and decoder would still round-trip.
TEST(SplayCode, KnownCodes) {
  EXPECT_EQ(splayEncode(QByteArray(1, '\x00')), QByteArray("\x80", 1));      // 0000000 1
  EXPECT_EQ(splayEncode(QByteArray(1, '\x01')), QByteArray("\x40", 1));      // 000000 1 0
  EXPECT_EQ(splayEncode(QByteArray(1, '\xff')), QByteArray("\x00\x00", 2));  // nine lefts
  EXPECT_EQ(splayEncode(QByteArray()), QByteArray());
  EXPECT_EQ(splayEncode("aa"), QByteArray::fromHex("4605"));
  EXPECT_EQ(splayEncode("abracadabra"), QByteArray::fromHex("46bdf93f80d848"));
  EXPECT_EQ(splayDecode(QByteArray::fromHex("46bdf93f80d848"), 11), QByteArray("abracadabra"));
}

TEST(SplayCode, RoundTrips) {
  expectRoundTrip(QByteArray());
  for (int c = 0; c < 256; ++c) expectRoundTrip(QByteArray(1, static_cast<char>(c)));
  QByteArray all;
  for (int c = 0; c < 256; ++c) all.append(static_cast<char>(c));
  expectRoundTrip(all + all + all);
  expectRoundTrip(QByteArray(100000, 'a'));
  expectRoundTrip(QByteArray(5000, '\xff') + QByteArray(5000, '\0') + QByteArray(5000, '\xff'));
  expectRoundTrip(randomBytes(65536, 7));
}

TEST(SplayCode, MegabyteOfMixedDataRoundTrips) {
  QByteArray mixed;
  std::mt19937 rng(11);
  while (mixed.size() < 1024 * 1024) {
    // Runs, text and noise, as in a recorded page picture.
    mixed.append(QByteArray(static_cast<int>(rng() % 300), static_cast<char>(rng() % 4)));
    mixed.append("EMR_EXTTEXTOUTW ");
    mixed.append(randomBytes(static_cast<int>(rng() % 200), static_cast<unsigned>(rng())));
  }
  expectRoundTrip(mixed);
}

TEST(SplayCode, RepetitiveDataShrinks) {
  EXPECT_LT(splayEncode(QByteArray(100000, '\0')).size(), 100000 / 4);
}

TEST(SplayCode, CorruptStreamsFail) {
  const QByteArray plain = randomBytes(1000, 3);
  const QByteArray code = splayEncode(plain);
  EXPECT_FALSE(splayDecode(code.left(code.size() / 2), plain.size()));   // runs out
  EXPECT_FALSE(splayDecode(QByteArray(), 1));
  EXPECT_FALSE(splayDecode(code, -1));
  EXPECT_FALSE(splayDecode(QByteArray(4, '\0'), 0x7fffffff));             // more bytes than bits
  // Eight lefts reach node 255, a right its spare child 512.
  EXPECT_FALSE(splayDecode(QByteArray("\x00\x01", 2), 1));
  // Extra bytes after the announced length are not read.
  EXPECT_EQ(splayDecode(code + QByteArray(10, '\x55'), plain.size()), plain);
}
