#pragma once
// The inputs and window positions kept in the settings file between runs:
// which section and key hold each, their defaults, and the order in which
// they are read at creation and written at close.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "platform/tstrings.h"
#include "settings/tinigt.h"

namespace kopira::stored_settings {

// How a stored text reaches its box.
struct TextField {
  std::function<QString()> get;
  std::function<void(const QString&)> set;
};

// A TextField on a box with text() and setText() (TEdit, QLineEdit). The
// box's own setText is called, so its input filter applies.
template <class Box>
TextField textOf(Box* box) {
  return {[box] { return box->text(); }, [box](const QString& value) { box->setText(value); }};
}

// What Form1 stores.
struct MainWindowFields {
  TStrings* officeAddress = nullptr;  // Memo6's line list
  std::array<TextField, 5> memo;      // Edit1 to Edit5
  std::array<TextField, 3> webShortcuts;  // Edit6 to Edit8
  QWidget* window = nullptr;          // Form1
};

// What Form5 stores (written by Form1 at close).
struct DialogFields {
  std::array<TextField, 6> jyu;  // Form5's Edit1 to Edit6
  QWidget* window = nullptr;     // Form5
};

// Every stored text with its "section/key": the main window's, then the
// dialog's (the office address, a list, apart).
struct NamedText {
  QString name;
  TextField field;
};
QList<NamedText> namedTexts(const MainWindowFields& mainWindow, const DialogFields& dialog);
// "section/key" of the office address.
QString officeAddressName();

// FormCreate of Form1: the office address, Edit1 to Edit5, the web
// shortcuts, then the window's top and left (brought back onto a screen
// when it would be out of reach).
void readMainWindow(const TIniGT& ini, const MainWindowFields& fields);

// Creation of Form5, through Form5's own component: Edit1 to Edit6, then
// the dialog's top and left.
void readDialog(const TIniGT& ini, const DialogFields& fields);

// What the close could not store.
struct WriteOutcome {
  QStringList refused;  // "section/key" of values the file cannot hold
  std::optional<file_replace::Unsaved> unsaved;  // the file was left as it was
  QString keptAs;  // a copy of the file as it was, when values not CP932 were overwritten
};

// FormClose of Form1: every value, in the order memo, form, jyu, form5,
// URL, composed in memory and written as one replacement of the file. A
// value the file cannot hold is skipped; the others are stored.
WriteOutcome writeAll(TIniGT& ini, const MainWindowFields& mainWindow, const DialogFields& dialog);

}  // namespace kopira::stored_settings
