// Saved report files: round trips, the older header, every kind of damaged
// file, saving safely, and the paper-size guess of a loaded report.
#include "report/store/paper_guess.h"
#include "report/store/qrp_file.h"
#include "report/store/qrp_format.h"
#include "tests/report/store/store_test_emf.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace kopira::store;
using kopira::store::testing::makeEmf;
using kopira::store::testing::putLE;

namespace {

const QDateTime kCreated(QDate(2024, 4, 1), QTime(9, 30));

QByteArray fileBytes(const std::vector<QByteArray>& pages, bool compressed = false) {
  PageStore store(compressed, PageStore::kMemoryLimit, kCreated);
  for (const QByteArray& p : pages) EXPECT_TRUE(store.append(p));
  store.markComplete();
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  EXPECT_TRUE(store.writeTo(out));
  return out.data();
}

QrpLoadResult read(QByteArray bytes) {
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  return readQrp(in);
}

void expectUnreadable(const QByteArray& bytes, const char* reason = nullptr) {
  const QrpLoadResult r = read(bytes);
  EXPECT_EQ(r.status, QrpLoadResult::Status::Unreadable);
  EXPECT_FALSE(r.store);
  EXPECT_TRUE(r.message.startsWith(QStringLiteral("レポートファイルを読み込めません。\n"))) << r.message.toStdString();
  if (reason) {
    EXPECT_TRUE(r.message.endsWith(QString::fromUtf8(reason))) << r.message.toStdString();
  }
}

void setU32(QByteArray& b, qint64 at, uint32_t v) { qToLittleEndian(v, b.data() + at); }

// A copy of the bytes with one 32-bit field changed.
QByteArray withU32(QByteArray b, qint64 at, uint32_t v) {
  setU32(b, at, v);
  return b;
}

}  // namespace

TEST(QrpFile, HeaderLayout) {
  const QByteArray b = fileBytes({makeEmf(), makeEmf()}, true);
  EXPECT_EQ(qFromLittleEndian<uint16_t>(b.data()), 3);
  EXPECT_EQ(qFromLittleEndian<uint16_t>(b.data() + 2), 309);
  EXPECT_EQ(qFromLittleEndian<uint32_t>(b.data() + 8), 2u);
  EXPECT_EQ(b[25], 1);
  EXPECT_DOUBLE_EQ(qFromLittleEndian<double>(b.data() + 16), 45383.0 + 9.5 / 24);
  // First record: page 1, next offset, and this record's offset at the end.
  const uint32_t next = qFromLittleEndian<uint32_t>(b.data() + 132);
  EXPECT_EQ(qFromLittleEndian<uint32_t>(b.data() + 128), 1u);
  EXPECT_EQ(qFromLittleEndian<uint32_t>(b.data() + next - 4), 128u);
  EXPECT_EQ(qFromLittleEndian<uint32_t>(b.data() + next), 2u);
  EXPECT_EQ(qFromLittleEndian<uint32_t>(b.constData() + b.size() - 4), next);
}

TEST(QrpFile, DaysSince1899) {
  EXPECT_EQ(qrp::toDays(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
  EXPECT_EQ(qrp::toDays(QDateTime(QDate(2000, 1, 1), QTime(12, 0))), 36526.5);
  EXPECT_EQ(qrp::fromDays(36526.5), QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
  EXPECT_FALSE(qrp::fromDays(std::numeric_limits<double>::quiet_NaN()).isValid());
  EXPECT_FALSE(qrp::fromDays(1e300).isValid());
}

TEST(QrpFile, RoundTripsPlainAndCompressedPages) {
  const std::vector<QByteArray> pages = {makeEmf(21000, 29700, 500, 'p'), makeEmf(25000, 35400, 40000, '\0'),
                                         makeEmf(21000, 29700, 70000, 'q')};
  for (const bool compressed : {false, true}) {
    QrpLoadResult r = read(fileBytes(pages, compressed));
    ASSERT_EQ(r.status, QrpLoadResult::Status::Loaded) << r.message.toStdString();
    EXPECT_EQ(r.store->count(), 3);
    EXPECT_TRUE(r.store->isComplete());
    EXPECT_EQ(r.store->isCompressed(), compressed);
    EXPECT_EQ(r.store->created(), kCreated);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(r.store->page(i + 1), pages[static_cast<size_t>(i)]);
  }
}

TEST(QrpFile, SavesAndLoadsThroughTheFileSystem) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("report.QRP"));
  PageStore store;
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(store.append(makeEmf(21000, 29700, 30000, static_cast<char>('0' + i))));
  EXPECT_FALSE(saveQrpFile(store, path).ok);  // the run has not finished
  EXPECT_FALSE(QFile::exists(path));
  store.markComplete();
  const QrpSaveResult saved = saveQrpFile(store, path);
  ASSERT_TRUE(saved.ok) << saved.message.toStdString();
  EXPECT_EQ(QFileInfo(path).size(), store.byteSize());

  const QrpLoadResult loaded = loadQrpFile(path);
  ASSERT_EQ(loaded.status, QrpLoadResult::Status::Loaded) << loaded.message.toStdString();
  EXPECT_TRUE(loaded.store->isSpilled());  // larger than the memory limit
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(loaded.store->page(i), store.page(i));
  // Saving the loaded store writes the same bytes again.
  const QString copy = dir.filePath(QStringLiteral("copy.QRP"));
  ASSERT_TRUE(saveQrpFile(*loaded.store, copy).ok);
  QFile a(path), b(copy);
  ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
  EXPECT_EQ(a.readAll(), b.readAll());

  const QrpLoadResult missing = loadQrpFile(dir.filePath(QStringLiteral("none.QRP")));
  EXPECT_EQ(missing.status, QrpLoadResult::Status::NotFound);
  EXPECT_EQ(missing.message, QStringLiteral("ファイルが存在しません"));
}

TEST(QrpFile, SaveNeverDamagesTheTarget) {
  QTemporaryDir dir;
  PageStore store;
  ASSERT_TRUE(store.append(makeEmf()));
  store.markComplete();

  const QString readOnly = dir.filePath(QStringLiteral("old.QRP"));
  {
    QFile f(readOnly);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keep me");
  }
  QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  const QrpSaveResult r = saveQrpFile(store, readOnly);
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(r.message.startsWith(QStringLiteral("レポートファイルを保存できません。")));
  QFile f(readOnly);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("keep me"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no stray temporary file

  EXPECT_FALSE(saveQrpFile(store, dir.filePath(QStringLiteral("missing/x.QRP"))).ok);
  EXPECT_FALSE(saveQrpFile(store, dir.path()).ok);
}

TEST(QrpFile, ReadsTheOlderHeader) {
  const QByteArray page = makeEmf(21000, 29700, 64, 'o');
  QByteArray b(124, '\0');
  qToLittleEndian<uint16_t>(3, b.data());
  qToLittleEndian<uint16_t>(309, b.data() + 2);
  setU32(b, 8, 1);
  qToLittleEndian(qrp::toDays(kCreated), b.data() + 12);
  putLE(b, 1);
  putLE(b, static_cast<uint32_t>(124 + 12 + page.size()));
  b.append(page);
  putLE(b, 124);
  ASSERT_EQ(b.mid(173, 4), QByteArray("EMF\0", 4));
  const QrpLoadResult r = read(b);
  ASSERT_EQ(r.status, QrpLoadResult::Status::Loaded) << r.message.toStdString();
  EXPECT_EQ(r.store->page(1), page);
  EXPECT_EQ(r.store->created(), kCreated);
  EXPECT_FALSE(r.store->isCompressed());
}

TEST(QrpFile, EveryTruncationIsRejected) {
  const QByteArray whole = fileBytes({makeEmf(21000, 29700, 40), makeEmf(21000, 29700, 80)});
  for (qsizetype n = 0; n < whole.size(); ++n) expectUnreadable(whole.left(n));
  const QByteArray packed = fileBytes({makeEmf(21000, 29700, 40), makeEmf(21000, 29700, 80)}, true);
  for (qsizetype n = 0; n < packed.size(); ++n) expectUnreadable(packed.left(n));
}

TEST(QrpFile, DamagedFilesGiveAReason) {
  const QByteArray good = fileBytes({makeEmf(), makeEmf()});
  const uint32_t second = qFromLittleEndian<uint32_t>(good.data() + 132);

  expectUnreadable(withU32(good, second + 4, 128), "ページの位置が不正です。");  // back to the first record
  expectUnreadable(withU32(good, 132, 0x7fffffff), "ファイルが途中で切れています。");
  expectUnreadable(withU32(good, 8, 0xffffffff), "ページ数が不正です。");
  expectUnreadable(withU32(good, 8, 0), "ページがありません。");
  expectUnreadable(withU32(good, 8, 1), "ページの後に余分なデータがあります。");
  expectUnreadable(withU32(good, second, 7), "ページ番号が不正です。");

  QByteArray notEmf = good;
  notEmf[136 + 41] = 'X';  // signature " EMF" → " XMF"
  expectUnreadable(notEmf, "ページが EMF 形式ではありません。");
  expectUnreadable(withU32(good, 136, 2), "ページが EMF 形式ではありません。");
  const auto beyondTheRecord = static_cast<uint32_t>(makeEmf().size() + 4);
  expectUnreadable(withU32(good, 136 + 48, beyondTheRecord), "ページが EMF 形式ではありません。");  // nBytes
  // A sound header over garbage records would show a blank page.
  QByteArray garbled = makeEmf(21000, 29700, 40);
  garbled.replace(88, 40, QByteArray(40, '\x5a'));
  for (const bool compressed : {false, true})
    expectUnreadable(fileBytes({makeEmf(), garbled}, compressed), "2 ページ目の図形データが壊れています。");

  QByteArray packed = fileBytes({makeEmf(21000, 29700, 400)}, true);
  packed[packed.size() - 10] = static_cast<char>(packed[packed.size() - 10] ^ 0x5a);
  setU32(packed, 136, 0x7fffffff);  // announced length far beyond the code
  expectUnreadable(packed, "圧縮されたページが壊れています。");
}

TEST(QrpFile, GuessesThePaperFromTheFirstPicture) {
  // Letter, A4, A4 Small (same size as A4), B4 as the engine models it, A5.
  const std::vector<QSizeF> table = {{215.9, 279.4}, {210, 297}, {210, 297}, {250, 354}, {148, 210}};
  const auto guess = [&](int32_t w, int32_t h) {
    const EmfHeader header = *readEmfHeader(makeEmf(w, h));
    return guessPaperSize(pictureSizeTenthsMm(header, 96), table);
  };
  const std::optional<PaperGuess> a4 = guess(21000, 29700);
  ASSERT_TRUE(a4);
  EXPECT_EQ(a4->index, 2);  // the last match wins
  EXPECT_FALSE(a4->landscape);
  const std::optional<PaperGuess> b4 = guess(35400, 25000);
  ASSERT_TRUE(b4);
  EXPECT_EQ(b4->index, 3);
  EXPECT_TRUE(b4->landscape);
  EXPECT_EQ(guess(21590, 27940)->index, 0);
  EXPECT_FALSE(guess(10000, 10000));
  EXPECT_FALSE(guess(-2147483647, 2147483647));
  // 794 x 1123 screen pixels at 96 dpi are 2100.8 x 2971.4 tenths of a mm.
  const QSizeF a4Tenths = pictureSizeTenthsMm(*readEmfHeader(makeEmf(21000, 29700)), 96);
  EXPECT_NEAR(a4Tenths.width(), 794 * 254 / 96.0, 1e-9);
  EXPECT_NEAR(a4Tenths.height(), 1123 * 254 / 96.0, 1e-9);
}
