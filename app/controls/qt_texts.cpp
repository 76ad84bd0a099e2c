#include "app/controls/qt_texts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

namespace kopira {
namespace {

struct Text {
  const char* context;
  const char* source;
  const char16_t* japanese;
};

// Parts of the print dialog that Qt's Japanese catalogue leaves English:
// the page range, the two-sided printing, the printer's advanced tab.
constexpr Text kJapaneseSupplement[] = {
    {"QPrintSettingsOutput", "Pages", u"ページ指定"},
    {"QPrintSettingsOutput", "Double Sided Printing", u"両面印刷"},
    {"QPrintSettingsOutput", "Off", u"なし"},
    {"QPrintSettingsOutput", "Long side binding", u"長辺とじ"},
    {"QPrintSettingsOutput", "Short side binding", u"短辺とじ"},
    {"QPrintPropertiesWidget", "Advanced", u"詳細設定"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. "
     "E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     u"ページ番号か範囲をカンマで区切って指定します。範囲は二つの番号をハイフンでつなぎます。"
     u"例: 3,5-7,9 で 3、5、6、7、9 ページを印刷します。"},
};

class JapaneseSupplement final : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* source, const char*, int) const override {
    for (const Text& text : kJapaneseSupplement)
      if (std::strcmp(context, text.context) == 0 && std::strcmp(source, text.source) == 0)
        return QString::fromUtf16(text.japanese);
    return QString();
  }
  bool isEmpty() const override { return false; }
};

}  // namespace

void loadQtTranslation(QApplication& app) {
  auto* qtbase = new QTranslator(&app);
  if (!qtbase->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete qtbase;
    return;
  }
  QCoreApplication::installTranslator(qtbase);
  // Installed last, asked first; what it lacks is looked up in Qt's own.
  if (qtbase->language().startsWith(QLatin1String("ja")))
    QCoreApplication::installTranslator(new JapaneseSupplement(&app));
}

}  // namespace kopira
