#pragma once
// The four Japanese system faces that layouts name, and the IPA faces that
// stand in for them on Linux (same metrics: fixed-pitch and proportional
// Mincho and Gothic).
#include <QFont>
#include <QString>

namespace kopira::fonts {

inline const QString kMincho = QStringLiteral("ＭＳ 明朝");
inline const QString kPMincho = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");

// The installed family that draws a face name; an unknown name is returned
// unchanged.
QString familyFor(const QString& faceName);

// Registers the four face names as substitutions of their IPA faces.
// Called once at start; harmless to call again.
void registerSubstitutions();

// A font for a face name with its character height in pixels (negative
// LOGFONT height), naming the IPA family explicitly so fallback never picks
// Chinese glyph variants.
QFont pixelFont(const QString& faceName, int pixelHeight);

}  // namespace kopira::fonts
