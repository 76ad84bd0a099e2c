#include "platform/fonts.h"

#include <QHash>

namespace kopira::fonts {
namespace {
const QHash<QString, QString>& stand_ins() {
  static const QHash<QString, QString> map{
      {kMincho, QStringLiteral("IPAMincho")},
      {kPMincho, QStringLiteral("IPAPMincho")},
      {kGothic, QStringLiteral("IPAGothic")},
      {kPGothic, QStringLiteral("IPAPGothic")},
  };
  return map;
}
}  // namespace

QString familyFor(const QString& faceName) { return stand_ins().value(faceName, faceName); }

void registerSubstitutions() {
  for (auto it = stand_ins().cbegin(); it != stand_ins().cend(); ++it) {
    QFont::insertSubstitution(it.key(), it.value());
  }
}

QFont pixelFont(const QString& faceName, int pixelHeight) {
  QFont font(familyFor(faceName));
  font.setPixelSize(pixelHeight > 0 ? pixelHeight : 1);
  font.setStyleStrategy(QFont::PreferMatch);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  return font;
}

}  // namespace kopira::fonts
