#include "app/files/stored_settings.h"

#include <algorithm>
#include <span>

#include "app/files/window_on_screen.h"

namespace kopira::stored_settings {
namespace {

struct TextKey {
  const char16_t* section;
  const char16_t* key;
  const char16_t* fallback;
};

constexpr TextKey kMemoKeys[] = {
    {u"memo", u"edit1.text", u"東京"},
    {u"memo", u"edit2.text", u"１２３４５"},
    {u"memo", u"edit3.text", u"東京法務局"},
    {u"memo", u"edit4.text", u"浦和市長"},
    {u"memo", u"edit5.text", u"tel 03-1234-5678"},
};

constexpr TextKey kWebShortcutKeys[] = {
    {u"URL", u"edit6.text", u"https://www1.touki.or.jp/"},
    {u"URL", u"edit7.text", u"http://www.courts.go.jp/saiban/syosiki/"},
    {u"URL", u"edit8.text", u"http://kopira.example/"},
};

constexpr TextKey kJyuKeys[] = {
    {u"jyu", u"edit1.text", u"千代田区長"},
    {u"jyu", u"edit2.text", u"千代田区霞が関１丁目１番地"},
    {u"jyu", u"edit3.text", u"山田花子"},
    {u"jyu", u"edit4.text", u"世帯員の全員"},
    {u"jyu", u"edit5.text", u"全部"},
    {u"jyu", u"edit6.text", u"裁判資料"},
};

const QString kMemoSection = QStringLiteral("memo");
const QString kOfficeAddressKey = QStringLiteral("memo.lines");
const QString kMainWindowSection = QStringLiteral("form");
const QString kDialogSection = QStringLiteral("form5");
constexpr int kDefaultEdge = 50;
// Stored edges beyond this are taken as this; no screen reaches so far, and
// the window rectangle stays within int.
constexpr int kFarthestEdge = 1'000'000;

QString str(const char16_t* text) { return QString::fromUtf16(text); }

template <size_t N>
void readTexts(const TIniGT& ini, std::span<const TextKey, N> keys, const std::array<TextField, N>& fields) {
  for (size_t i = 0; i < N; ++i) fields[i].set(ini.ReadText(str(keys[i].section), str(keys[i].key), str(keys[i].fallback)));
}

// Runs one write; a value the file cannot hold is noted and skipped.
template <typename Write>
void attempt(QStringList& refused, const QString& section, const QString& key, Write write) {
  try {
    write();
  } catch (const EIniWriteError&) {
    refused << section + u'/' + key;
  }
}

template <size_t N>
void appendNamed(QList<NamedText>& named, std::span<const TextKey, N> keys, const std::array<TextField, N>& fields) {
  for (size_t i = 0; i < N; ++i) named.append({str(keys[i].section) + u'/' + str(keys[i].key), fields[i]});
}

template <size_t N>
void writeTexts(TIniGT& ini, std::span<const TextKey, N> keys, const std::array<TextField, N>& fields, QStringList& refused) {
  for (size_t i = 0; i < N; ++i) {
    const QString section = str(keys[i].section), key = str(keys[i].key);
    attempt(refused, section, key, [&] { ini.WriteText(section, key, fields[i].get()); });
  }
}

void readPosition(const TIniGT& ini, const QString& section, QWidget& window) {
  const int top = std::clamp(ini.ReadNumber(section, QStringLiteral("top"), kDefaultEdge), -kFarthestEdge, kFarthestEdge);
  const int left = std::clamp(ini.ReadNumber(section, QStringLiteral("left"), kDefaultEdge), -kFarthestEdge, kFarthestEdge);
  window.move(placeOnScreens(QRect(QPoint(left, top), window.size()), availableScreenAreas()));
}

void writePosition(TIniGT& ini, const QString& section, const QWidget& window) {
  // Where the window system does not say where the window is, the stored
  // place is kept for a start on one that does.
  if (!windowSystemReportsPositions()) return;
  // Numbers are always storable.
  ini.WriteNumber(section, QStringLiteral("top"), window.y());
  ini.WriteNumber(section, QStringLiteral("left"), window.x());
}

}  // namespace

QList<NamedText> namedTexts(const MainWindowFields& mainWindow, const DialogFields& dialog) {
  QList<NamedText> named;
  appendNamed(named, std::span(kMemoKeys), mainWindow.memo);
  appendNamed(named, std::span(kWebShortcutKeys), mainWindow.webShortcuts);
  appendNamed(named, std::span(kJyuKeys), dialog.jyu);
  return named;
}

QString officeAddressName() { return kMemoSection + u'/' + kOfficeAddressKey; }

void readMainWindow(const TIniGT& ini, const MainWindowFields& fields) {
  ini.ReadLines(kMemoSection, kOfficeAddressKey, *fields.officeAddress);
  readTexts(ini, std::span(kMemoKeys), fields.memo);
  readTexts(ini, std::span(kWebShortcutKeys), fields.webShortcuts);
  readPosition(ini, kMainWindowSection, *fields.window);
}

void readDialog(const TIniGT& ini, const DialogFields& fields) {
  readTexts(ini, std::span(kJyuKeys), fields.jyu);
  readPosition(ini, kDialogSection, *fields.window);
}

WriteOutcome writeAll(TIniGT& ini, const MainWindowFields& mainWindow, const DialogFields& dialog) {
  WriteOutcome outcome;
  ini.BeginUpdate();
  attempt(outcome.refused, kMemoSection, kOfficeAddressKey,
          [&] { ini.WriteLines(kMemoSection, kOfficeAddressKey, *mainWindow.officeAddress); });
  writeTexts(ini, std::span(kMemoKeys), mainWindow.memo, outcome.refused);
  writePosition(ini, kMainWindowSection, *mainWindow.window);
  writeTexts(ini, std::span(kJyuKeys), dialog.jyu, outcome.refused);
  writePosition(ini, kDialogSection, *dialog.window);
  writeTexts(ini, std::span(kWebShortcutKeys), mainWindow.webShortcuts, outcome.refused);
  outcome.unsaved = ini.EndUpdate();
  outcome.keptAs = ini.KeptAside();
  return outcome;
}

}  // namespace kopira::stored_settings
