#pragma once
// Qt's own texts (the standard file and print dialogs, the boxes' context
// menus) in the language of the user's locale.
class QApplication;

namespace kopira {

// Loads Qt's catalogue for the user's locale from Qt's translations folder,
// where Qt has one, with the few texts Qt's Japanese catalogue lacks.
void loadQtTranslation(QApplication& app);

}  // namespace kopira
