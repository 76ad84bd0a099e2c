// The recovery file: what its reader takes and refuses, and what the start
// does with a file it finds.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/files/close_report.h"
#include "app/recovery/recovery_offer.h"
#include "platform/message_box_recorder.h"

using namespace Qt::StringLiterals;
namespace rc = kopira::recovery;

namespace {

rc::Snapshot sample(const QString& folder) {
  return {QDateTime(QDate(2026, 12, 8), QTime(10, 15, 30, 250)),
          {folder + u"/Kopira.ini"_s, folder},
          {{u"memo/edit1.text"_s, u"大阪弁護士会"_s}, {u"kopiralog.txt"_s, u"株式会社コピラ\n\n合同会社\n"_s}, {u"memo2.txt"_s, QString()}}};
}

TEST(RecoveryFile, ReadsBackWhatWasWrittenAndNoCutOrChangedFile) {
  const rc::Snapshot snapshot = sample(u"/home/user/事務所"_s);
  const QByteArray bytes = rc::encode(snapshot);
  const std::optional<rc::Snapshot> read = rc::decode(bytes);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->taken, snapshot.taken);
  EXPECT_EQ(read->files, snapshot.files);
  EXPECT_EQ(read->entries, snapshot.entries);
  for (qsizetype size = 0; size < bytes.size(); ++size) EXPECT_FALSE(rc::decode(bytes.first(size))) << "cut at " << size;
  for (qsizetype at = 0; at < bytes.size(); ++at) {
    QByteArray changed = bytes;
    changed[at] = static_cast<char>(changed[at] ^ 0x20);
    EXPECT_FALSE(rc::decode(changed)) << "byte " << at << " changed";
  }
  EXPECT_FALSE(rc::decode(QByteArray(4096, '\0')));
}

// A recovery file found at start: offered, put back or moved into the
// unsaved folder; damaged, told and moved there too.
TEST(RecoveryOffer, PutsBackOrMovesAsideAndNeverLosesTheFile) {
  const QTemporaryDir data;
  struct Case {
    const char* what;
    std::optional<QByteArray> content;  // none: an encoded sample
    int answer;
    bool putBack;
    const char* movedAs;  // the end of the name in the unsaved folder; empty: stays
  };
  const Case cases[] = {
      {"restored", std::nullopt, 0, true, ""},
      {"discarded", std::nullopt, 1, false, "-kopira-recovery.txt"},
      {"empty", QByteArray(), 0, false, "-kopira-recovery-damaged.txt"},
      {"not one", QByteArrayLiteral("kopira-recovery 1\nrandom"), 0, false, "-kopira-recovery-damaged.txt"},
  };
  for (const Case& c : cases) {
    QDir(kopira::unsavedFolder()).removeRecursively();
    kopira::MessageBoxRecorder boxes;
    boxes.answers = {c.answer};
    const std::optional<rc::Slot> slot = rc::Slot::claim({data.filePath(u"Kopira.ini"_s), data.path()}, false);
    ASSERT_TRUE(slot);
    QFile file(slot->path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    rc::Snapshot written = sample(data.path());
    written.files = slot->files();
    file.write(c.content.value_or(rc::encode(written)));
    file.close();

    const std::optional<rc::Snapshot> offered = rc::offer(*slot, QDateTime(QDate(2026, 12, 9), QTime(8, 0)));
    EXPECT_EQ(offered.has_value(), c.putBack) << c.what;
    ASSERT_EQ(boxes.boxes.size(), 1u) << c.what;
    const bool damaged = c.content.has_value();
    EXPECT_EQ(boxes.boxes[0].choices.isEmpty(), damaged) << c.what;
    EXPECT_TRUE(boxes.boxes[0].text.contains(damaged ? u"壊れている"_s : rc::question(written.taken))) << c.what;
    const QStringList moved = QDir(kopira::unsavedFolder()).entryList(QDir::Files);
    EXPECT_EQ(QFile::exists(slot->path()), *c.movedAs == '\0') << c.what;
    if (*c.movedAs) {
      EXPECT_EQ(moved, QStringList{u"20261209-080000"_s + QLatin1String(c.movedAs)}) << c.what;
    }
  }
}

}  // namespace
