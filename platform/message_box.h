#pragma once
// Message boxes the program shows, behind one replaceable interface so tests
// can record them instead of waiting for a person to press OK.
#include <QString>
#include <QStringList>

namespace kopira {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Modal box without an icon, the application title as caption, one OK.
  virtual void plain(const QString& text) = 0;
  // Modal box with the information icon, the given caption, one OK.
  virtual void information(const QString& caption, const QString& text) = 0;
  // Modal box without an icon, the application title as caption, one button
  // per choice, the first the default. Returns the index of the choice
  // taken; closing the box takes the last one.
  virtual int choose(const QString& text, const QStringList& choices) = 0;
};

// The boxes in use: the Qt ones unless a test installed others.
MessageBoxes& messageBoxes();

// Makes messageBoxes() answer with the given boxes; nullptr restores the
// Qt ones. The caller keeps ownership.
void installMessageBoxes(MessageBoxes* boxes);

}  // namespace kopira
