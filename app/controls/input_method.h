#pragma once
// How the boxes meet the input method (ibus and the like).
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace kopira {

// Takes a box out of the input method's reach: the box tells the input
// method it takes no composed text, so keys go straight into it as typed,
// and any composed text still sent its way is dropped. The input method
// keeps its own state for the other boxes.
void switchInputMethodOff(QWidget* box);

// Keeps a composition that the focus interrupts in the box where it was
// typed, once. When the focus leaves a box during a composition, Qt commits
// the composition into that box; an input method that also commits at the
// reset that follows (mozc does) sends the same text again, and it arrives
// in whichever box has the focus by then. The guard watches every object of
// the application and drops that second commit.
class CompositionGuard final : public QObject {
 public:
  // Starts watching the whole application; the guard belongs to `owner`.
  explicit CompositionGuard(QObject* owner);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The object showing a composition now.
  QPointer<QObject> composing_;
  // A composition that ended in a commit, and when.
  QPointer<QObject> committedInto_;
  QString committed_;
  QElapsedTimer committedAt_;
  // Armed when the box left the focus right after that commit.
  bool expectEcho_ = false;
};

}  // namespace kopira
