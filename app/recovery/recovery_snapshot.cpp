#include "app/recovery/recovery_snapshot.h"

#include <QCryptographicHash>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>

namespace kopira::recovery {
namespace {

constexpr QByteArrayView kFirstLine = "kopira-recovery 1\n";
constexpr QByteArrayView kEnd = "end ";
constexpr QByteArrayView kTaken = "taken";
constexpr QByteArrayView kSettingsFile = "settings";
constexpr QByteArrayView kDataFolder = "data-folder";
constexpr qsizetype kMaxNameLength = 64;
constexpr qsizetype kMaxLengthDigits = 10;

constexpr auto kHash = QCryptographicHash::Sha1;
// "end", a blank, the checksum in hexadecimal, a line break.
const qsizetype kEndLineLength = kEnd.size() + 2 * QCryptographicHash::hashLength(kHash) + 1;

QByteArray checksum(QByteArrayView bytes) { return QCryptographicHash::hash(bytes, kHash).toHex(); }

QString timeText(const QDateTime& time) { return time.toUTC().toString(Qt::ISODateWithMs); }

void appendRecord(QByteArray& out, QByteArrayView name, const QByteArray& value) {
  out += name;
  out += ' ';
  out += QByteArray::number(value.size());
  out += '\n';
  out += value;
  out += '\n';
}

bool validName(QByteArrayView name) {
  return !name.isEmpty() && name.size() <= kMaxNameLength &&
         std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c <= '~'; });
}

std::optional<QString> utf8(QByteArrayView bytes) {
  QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

// Reads the records of a body one by one.
class Records {
 public:
  explicit Records(QByteArrayView body) : rest_(body) {}
  bool atEnd() const { return rest_.isEmpty(); }

  // The next record's name and value; false when it is not well formed.
  bool next(QByteArrayView& name, QString& value) {
    const qsizetype blank = rest_.indexOf(' ');
    if (blank < 0) return false;
    name = rest_.first(blank);
    const qsizetype lineEnd = rest_.indexOf('\n', blank);
    if (!validName(name) || lineEnd < 0) return false;
    const QByteArrayView digits = rest_.sliced(blank + 1, lineEnd - blank - 1);
    if (digits.isEmpty() || digits.size() > kMaxLengthDigits ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return false;
    const qint64 length = digits.toLongLong();
    const QByteArrayView after = rest_.sliced(lineEnd + 1);
    if (length >= after.size() || after.at(length) != '\n') return false;
    const std::optional<QString> text = utf8(after.first(length));
    if (!text) return false;
    value = *text;
    rest_ = after.sliced(length + 1);
    return true;
  }

  // The next record, which must have this name.
  bool nextNamed(QByteArrayView expected, QString& value) {
    QByteArrayView name;
    return next(name, value) && name == expected;
  }

 private:
  QByteArrayView rest_;
};

}  // namespace

std::optional<QString> Snapshot::text(const QString& name) const {
  for (const Entry& entry : entries) {
    if (entry.name == name) return entry.text;
  }
  return std::nullopt;
}

void Snapshot::set(const QString& name, const QString& text) {
  for (Entry& entry : entries) {
    if (entry.name == name) {
      entry.text = text;
      return;
    }
  }
  entries.append({name, text});
}

QByteArray encode(const Snapshot& snapshot) {
  QByteArray out(kFirstLine.toByteArray());
  appendRecord(out, kTaken, timeText(snapshot.taken).toUtf8());
  appendRecord(out, kSettingsFile, snapshot.files.settingsFile.toUtf8());
  appendRecord(out, kDataFolder, snapshot.files.dataFolder.toUtf8());
  for (const Entry& entry : snapshot.entries) appendRecord(out, entry.name.toLatin1(), entry.text.toUtf8());
  const QByteArray sum = checksum(out);
  out += kEnd;
  out += sum;
  out += '\n';
  return out;
}

std::optional<Snapshot> decode(QByteArrayView bytes) {
  if (bytes.size() > kMaxFileBytes || bytes.size() < kFirstLine.size() + kEndLineLength || !bytes.startsWith(kFirstLine))
    return std::nullopt;
  const QByteArrayView endLine = bytes.last(kEndLineLength);
  const QByteArrayView covered = bytes.first(bytes.size() - kEndLineLength);
  if (!endLine.startsWith(kEnd) || !endLine.endsWith('\n') ||
      endLine.sliced(kEnd.size()).chopped(1) != QByteArrayView(checksum(covered)))
    return std::nullopt;

  Records records(covered.sliced(kFirstLine.size()));
  Snapshot snapshot;
  QString taken;
  if (!records.nextNamed(kTaken, taken) || !records.nextNamed(kSettingsFile, snapshot.files.settingsFile) ||
      !records.nextNamed(kDataFolder, snapshot.files.dataFolder))
    return std::nullopt;
  // Only the form the program writes.
  snapshot.taken = QDateTime::fromString(taken, Qt::ISODateWithMs);
  if (!snapshot.taken.isValid() || timeText(snapshot.taken) != taken) return std::nullopt;
  QSet<QByteArrayView> names;
  while (!records.atEnd()) {
    QByteArrayView name;
    QString text;
    if (!records.next(name, text) || names.contains(name)) return std::nullopt;
    names.insert(name);
    snapshot.entries.append({QString::fromLatin1(name), text});
  }
  return snapshot;
}

}  // namespace kopira::recovery
