// The page store: pages in order, compression per record, and the move to a
// temporary file beyond the memory limit.
#include "report/store/page_store.h"
#include "tests/report/store/store_test_emf.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <thread>

using kopira::store::PageStore;
using kopira::store::testing::makeEmf;

TEST(PageStore, KeepsPagesInOrder) {
  for (const bool compressed : {false, true}) {
    PageStore store(compressed);
    EXPECT_EQ(store.count(), 0);
    EXPECT_FALSE(store.page(1));
    const QByteArray first = makeEmf(21000, 29700, 100, 'a');
    const QByteArray second = makeEmf(25000, 35400, 300, 'b');
    ASSERT_TRUE(store.append(first));
    ASSERT_TRUE(store.append(second));
    EXPECT_EQ(store.count(), 2);
    EXPECT_EQ(store.page(1), first);
    EXPECT_EQ(store.page(2), second);
    EXPECT_FALSE(store.page(0));
    EXPECT_FALSE(store.page(3));
    EXPECT_EQ(store.isCompressed(), compressed);
    EXPECT_FALSE(store.isSpilled());
    EXPECT_FALSE(store.isComplete());
    store.markComplete();
    EXPECT_TRUE(store.isComplete());
  }
}

TEST(PageStore, CompressedRecordsAreSmaller) {
  PageStore plain(false), packed(true);
  const QByteArray page = makeEmf(21000, 29700, 20000, '\0');
  ASSERT_TRUE(plain.append(page));
  ASSERT_TRUE(packed.append(page));
  EXPECT_LT(packed.byteSize() * 4, plain.byteSize());
}

TEST(PageStore, SpillsToATemporaryFileBeyondTheLimitAndRemovesIt) {
  QString spillFile;
  std::vector<QByteArray> pages;
  {
    PageStore store;
    for (int i = 0; i < 4; ++i) {
      pages.push_back(makeEmf(21000, 29700, 30000, static_cast<char>('a' + i)));
      ASSERT_TRUE(store.append(pages.back()));
    }
    // 4 pages of about 30 KB: the fourth crosses 100000 bytes.
    ASSERT_TRUE(store.isSpilled());
    spillFile = store.spillFileName();
    EXPECT_TRUE(QFile::exists(spillFile));
    EXPECT_TRUE(spillFile.startsWith(QDir::tempPath()));
    EXPECT_EQ(QFile(spillFile).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(store.page(i + 1), pages[static_cast<size_t>(i)]);
    ASSERT_TRUE(store.append(pages[0]));
    EXPECT_EQ(store.page(5), pages[0]);

    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    ASSERT_TRUE(store.writeTo(saved));
    EXPECT_EQ(saved.size(), store.byteSize());
    EXPECT_EQ(QFile(spillFile).size(), store.byteSize());
  }
  EXPECT_FALSE(QFile::exists(spillFile));
}

TEST(PageStore, ReadsWhileAnotherThreadAppends) {
  PageStore store(false, 20000);
  const QByteArray page = makeEmf(21000, 29700, 2000, 'z');
  ASSERT_TRUE(store.append(page));
  std::thread writer([&] {
    for (int i = 0; i < 200; ++i) store.append(page);
  });
  for (int i = 0; i < 200; ++i) {
    const int n = store.count();
    EXPECT_EQ(store.page(n), page);
  }
  writer.join();
  EXPECT_EQ(store.count(), 201);
  EXPECT_EQ(store.page(201), page);
}
