#include "report/model/json_fields.h"

#include <QRegularExpression>
#include <cmath>

#include "report/core/qr_error.h"

namespace kopira::report {

JsonFields::JsonFields(QJsonObject object, QString owner, QString path)
    : object_(std::move(object)), owner_(std::move(owner)), path_(std::move(path)) {}

void JsonFields::fail(const QString& key, const QString& problem) const {
  throw ELayoutError(QStringLiteral("%1.%2%3: %4").arg(owner_, path_, key, problem));
}

QJsonValue JsonFields::take(const QString& key, bool required) {
  taken_.insert(key);
  const QJsonValue v = object_.value(key);
  if (required && v.isUndefined()) fail(key, QStringLiteral("missing"));
  return v;
}

QJsonValue JsonFields::value(const QString& key) { return take(key, false); }

double JsonFields::number(const QString& key, double fallback, double min, double max) {
  const QJsonValue v = take(key, false);
  if (v.isUndefined()) return fallback;
  if (!v.isDouble()) fail(key, QStringLiteral("expected a number"));
  const double d = v.toDouble();
  if (!std::isfinite(d) || d < min || d > max) {
    fail(key, QStringLiteral("%1 is outside %2 to %3").arg(d).arg(min).arg(max));
  }
  return d;
}

double JsonFields::requiredNumber(const QString& key, double min, double max) {
  take(key, true);
  return number(key, 0, min, max);
}

int JsonFields::integer(const QString& key, int fallback, int min, int max) {
  const double d = number(key, fallback, min, max);
  if (d != std::floor(d)) fail(key, QStringLiteral("expected a whole number"));
  return static_cast<int>(d);
}

bool JsonFields::boolean(const QString& key, bool fallback) {
  const QJsonValue v = take(key, false);
  if (v.isUndefined()) return fallback;
  if (!v.isBool()) fail(key, QStringLiteral("expected true or false"));
  return v.toBool();
}

QString JsonFields::string(const QString& key, const QString& fallback) {
  const QJsonValue v = take(key, false);
  if (v.isUndefined()) return fallback;
  if (!v.isString()) fail(key, QStringLiteral("expected a string"));
  return v.toString();
}

QString JsonFields::requiredString(const QString& key) {
  take(key, true);
  return string(key, QString());
}

int JsonFields::choice(const QString& key, const QStringList& words, int fallback) {
  if (!has(key)) {
    taken_.insert(key);
    return fallback;
  }
  const QString word = string(key, QString());
  const auto index = words.indexOf(word);
  if (index < 0) {
    fail(key, QStringLiteral("\"%1\" is not one of %2").arg(word, words.join(QStringLiteral(", "))));
  }
  return static_cast<int>(index);
}

QColor JsonFields::color(const QString& key, const QColor& fallback) {
  if (!has(key)) {
    taken_.insert(key);
    return fallback;
  }
  QColor c;
  if (!parseLayoutColor(string(key, QString()), &c)) fail(key, QStringLiteral("expected \"#rrggbb\""));
  return c;
}

QJsonArray JsonFields::array(const QString& key) {
  const QJsonValue v = take(key, false);
  if (v.isUndefined()) return {};
  if (!v.isArray()) fail(key, QStringLiteral("expected an array"));
  return v.toArray();
}

JsonFields JsonFields::object(const QString& key) {
  const QJsonValue v = take(key, false);
  if (!v.isUndefined() && !v.isObject()) fail(key, QStringLiteral("expected an object"));
  return JsonFields(v.toObject(), owner_, path_ + key + u'.');
}

QList<double> JsonFields::numbers(const QString& key, qsizetype count, double min, double max,
                                  bool required) {
  take(key, required);
  const QJsonArray a = array(key);
  if (!has(key)) return {};
  if (a.size() != count) fail(key, QStringLiteral("expected %1 numbers").arg(count));
  QList<double> out;
  for (const QJsonValue& v : a) {
    const double d = v.toDouble(std::nan(""));
    if (!v.isDouble() || !std::isfinite(d)) fail(key, QStringLiteral("expected %1 numbers").arg(count));
    if (d < min || d > max) fail(key, QStringLiteral("%1 is outside %2 to %3").arg(d).arg(min).arg(max));
    out << d;
  }
  return out;
}

QStringList JsonFields::strings(const QString& key) {
  QStringList out;
  for (const QJsonValue& v : array(key)) {
    if (!v.isString()) fail(key, QStringLiteral("expected an array of strings"));
    out << v.toString();
  }
  return out;
}

void JsonFields::finish() const {
  for (auto it = object_.begin(); it != object_.end(); ++it) {
    if (!taken_.contains(it.key())) fail(it.key(), QStringLiteral("unknown key"));
  }
}

bool parseLayoutColor(const QString& text, QColor* color) {
  static const QRegularExpression pattern(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
  if (!pattern.match(text).hasMatch()) return false;
  *color = QColor::fromString(text);
  return true;
}

}  // namespace kopira::report
