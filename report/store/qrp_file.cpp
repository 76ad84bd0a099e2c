#include "report/store/qrp_file.h"

#include "platform/file_replace.h"
#include "report/emf/emf_player.h"
#include "report/store/emf_header.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <limits>

namespace kopira::store {
namespace {

constexpr qint64 kMaxFileSize = std::numeric_limits<uint32_t>::max();
// The largest page picture accepted; a form page is a few hundred KB.
constexpr qint64 kMaxPictureSize = 256 * 1024 * 1024;
constexpr qint64 kCopyChunk = 64 * 1024;

// The smallest record: an EMR_HEADER alone, or its code (one bit per byte at
// best) after the 4-byte length.
qint64 minRecordSize(bool compressed) {
  return qrp::kRecordOverhead + (compressed ? 4 + kEmfHeaderMinSize / 8 : kEmfHeaderMinSize);
}

QString loadFailure(const QString& reason) { return QStringLiteral("レポートファイルを読み込めません。\n") + reason; }
QString saveFailure(const QString& reason) { return QStringLiteral("レポートファイルを保存できません。\n") + reason; }

QrpLoadResult unreadable(const QString& reason) {
  return {QrpLoadResult::Status::Unreadable, nullptr, loadFailure(reason)};
}

const QString kTruncated = QStringLiteral("ファイルが途中で切れています。");
const QString kBadOffset = QStringLiteral("ページの位置が不正です。");

// Checks one record's payload: an EMF picture, expanded first if compressed,
// whose records run up to its end record, so that the preview can draw it.
std::optional<QString> checkPicture(const SpillBuffer& bytes, qint64 from, qint64 length, bool compressed,
                                    uint32_t number) {
  const QString notEmf = compressed ? QStringLiteral("圧縮されたページが壊れています。")
                                    : QStringLiteral("ページが EMF 形式ではありません。");
  std::optional<QByteArray> picture = bytes.read(from, length);
  if (picture && compressed) picture = qrp::expandPicture(*picture, kMaxPictureSize);
  if (!picture || !readEmfHeader(*picture)) return notEmf;
  if (!report::EmfPlayer(*std::move(picture)).isValid())
    return QStringLiteral("%1 ページ目の図形データが壊れています。").arg(number);
  return std::nullopt;
}

// Walks the records from the header on; returns the error text or nothing.
std::optional<QString> checkRecords(const SpillBuffer& bytes, qint64 headerSize, const qrp::Header& header,
                                    std::vector<qint64>& starts) {
  const qint64 size = bytes.size();
  const qint64 minRecord = minRecordSize(header.compressed);
  if (header.pageCount == 0) return QStringLiteral("ページがありません。");
  if (header.pageCount > (size - headerSize) / minRecord) return QStringLiteral("ページ数が不正です。");
  qint64 at = headerSize;
  for (uint32_t number = 1; number <= header.pageCount; ++number) {
    const std::optional<QByteArray> prefix = bytes.read(at, qrp::kRecordPrefix);
    if (!prefix) return kTruncated;
    if (qrp::getU32(*prefix, 0) != number) return QStringLiteral("ページ番号が不正です。");
    const qint64 next = qrp::getU32(*prefix, 4);
    // Offsets only move forward, so a loop is impossible.
    if (next < at + minRecord) return kBadOffset;
    if (next > size) return kTruncated;
    const std::optional<QByteArray> back = bytes.read(next - 4, 4);
    if (!back || qrp::getU32(*back, 0) != at) return kBadOffset;
    const qint64 length = next - at - qrp::kRecordOverhead;
    if (length > kMaxPictureSize) return QStringLiteral("ページが大きすぎます。");
    if (auto damage = checkPicture(bytes, at + qrp::kRecordPrefix, length, header.compressed, number)) return damage;
    starts.push_back(at);
    at = next;
  }
  if (at != size) return QStringLiteral("ページの後に余分なデータがあります。");
  return std::nullopt;
}


}  // namespace

QrpLoadResult readQrp(QIODevice& in) {
  const qint64 size = in.size();
  if (size > kMaxFileSize) return unreadable(QStringLiteral("ファイルが大きすぎます。"));
  if (size < qrp::kOldHeaderSize) return unreadable(kTruncated);

  auto bytes = std::make_unique<SpillBuffer>(PageStore::kMemoryLimit);
  if (!in.seek(0)) return unreadable(QStringLiteral("ファイルを読み取れません。"));
  while (bytes->size() < size) {
    const QByteArray chunk = in.read(std::min(kCopyChunk, size - bytes->size()));
    if (chunk.isEmpty()) return unreadable(QStringLiteral("ファイルを読み取れません。"));
    if (!bytes->append(chunk)) return unreadable(QStringLiteral("一時ファイルを作成できません。"));
  }

  const std::optional<QByteArray> probe = bytes->read(0, std::min(size, qrp::kHeaderProbeSize));
  const qint64 headerSize = qrp::headerSizeOf(*probe);
  if (size < headerSize) return unreadable(kTruncated);
  const qrp::Header header = qrp::decodeHeader(*probe, headerSize);

  std::vector<qint64> starts;
  if (const std::optional<QString> error = checkRecords(*bytes, headerSize, header, starts)) return unreadable(*error);
  return {QrpLoadResult::Status::Loaded, std::make_unique<PageStore>(std::move(bytes), std::move(starts), header), {}};
}

QrpLoadResult loadQrpFile(const QString& path) {
  if (!QFileInfo(path).isFile()) return {QrpLoadResult::Status::NotFound, nullptr, QStringLiteral("ファイルが存在しません")};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return unreadable(QStringLiteral("ファイルを開けません。"));
  return readQrp(file);
}

QrpSaveResult saveQrpFile(const PageStore& store, const QString& path) {
  if (!store.isComplete() || store.count() == 0) return {false, saveFailure(QStringLiteral("ページの作成が終わっていません。"))};
  // The whole file is made in memory and then replaces the old one, so a
  // failed save never leaves a half-written report.
  QBuffer bytes;
  bytes.open(QIODevice::WriteOnly);
  if (!store.writeTo(bytes)) return {false, saveFailure(QStringLiteral("書き込みに失敗しました。"))};
  if (const std::optional<file_replace::Failure> failure = file_replace::replace(path, bytes.data()))
    return {false, saveFailure(file_replace::reason(*failure) + u'。')};
  return {true, {}};
}

}  // namespace kopira::store
