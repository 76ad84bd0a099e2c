#pragma once
// Strict reading of one JSON object of a layout: every key taken is
// remembered, so that a key nobody asked for is reported as unknown; every
// problem is an ELayoutError "owner.path.key: problem".
#include <QColor>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QStringList>

namespace kopira::report {

class JsonFields {
 public:
  JsonFields(QJsonObject object, QString owner, QString path = QString());

  bool has(const QString& key) const { return object_.contains(key); }
  double number(const QString& key, double fallback, double min, double max);
  double requiredNumber(const QString& key, double min, double max);
  int integer(const QString& key, int fallback, int min, int max);
  bool boolean(const QString& key, bool fallback);
  QString string(const QString& key, const QString& fallback);
  QString requiredString(const QString& key);
  // One of the given words; the index of the word.
  int choice(const QString& key, const QStringList& words, int fallback);
  QColor color(const QString& key, const QColor& fallback);
  QJsonArray array(const QString& key);
  // A nested object, read with its own fields under "path.key.".
  JsonFields object(const QString& key);
  // The raw value, for keys that take more than one kind.
  QJsonValue value(const QString& key);
  // Lengths of an array of numbers, exactly count of them.
  QList<double> numbers(const QString& key, qsizetype count, double min, double max, bool required);
  QStringList strings(const QString& key);
  // Names the keys that were never taken.
  void finish() const;

  [[noreturn]] void fail(const QString& key, const QString& problem) const;
  const QString& owner() const { return owner_; }

 private:
  QJsonValue take(const QString& key, bool required);

  QJsonObject object_;
  QString owner_;
  QString path_;
  QSet<QString> taken_;
};

// Parses "#rrggbb"; false for anything else.
bool parseLayoutColor(const QString& text, QColor* color);

}  // namespace kopira::report
