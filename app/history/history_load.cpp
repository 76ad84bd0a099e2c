#include "app/history/history_load.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextCursor>
#include <QTimer>
#include <utility>

#include "app/controls/line_breaks.h"
#include "platform/cp932.h"

namespace kopira {
namespace {

// A file up to this size is loaded at once: it is in the box well within
// one frame.
constexpr qint64 kLoadAtOnceBytes = 256 * 1024;
// Time given to filling the box between two turns of the event loop, and
// the characters added at a time (about a thousand lines).
constexpr qint64 kFeedMsPerTurn = 25;
constexpr qsizetype kFeedSliceChars = 32 * 1024;

// Receives the text the history file's load sets.
class TextCatch final : public TextPane {
 public:
  QString text() const override { return {}; }
  void setText(const QString& text) override { caught = text; }
  bool isModified() const override { return false; }
  std::optional<QString> caught;
};

}  // namespace

TMemoLines& HistoryLoad::Lines::memo() const {
  load_.finish();
  return load_.box_.Lines();
}

HistoryLoad::HistoryLoad(HistoryFile& file, TMemo& box, std::function<void()> loaded)
    : QObject(&box), file_(file), box_(box), loaded_(std::move(loaded)) {}

HistoryLoad::~HistoryLoad() {
  if (reading_.valid()) reading_.wait();
}

void HistoryLoad::start() {
  if (restored_) {
    // As a long file once read: a slice at a time.
    box_.setReadOnly(true);
    beginFeeding(cp932::filterInput(toLf(*std::exchange(restored_, std::nullopt))));
    feed(false);
    return;
  }
  if (QFileInfo(file_.file().path()).size() <= kLoadAtOnceBytes) {
    MemoPane<TMemo> pane(box_);
    file_.load(pane);
    done();
    return;
  }
  state_ = State::Reading;
  box_.setReadOnly(true);
  reading_ = std::async(std::launch::async, [this]() -> std::optional<QString> {
    TextCatch pane;
    file_.load(pane);
    std::optional<QString> text;
    if (pane.caught) text = cp932::filterInput(toLf(*pane.caught));
    QMetaObject::invokeMethod(this, [this] { feed(false); }, Qt::QueuedConnection);
    return text;
  });
}

void HistoryLoad::finish() {
  if (loading()) feed(true);
}

void HistoryLoad::beginFeeding(QString text) {
  text_ = std::move(text);
  state_ = State::Feeding;
  // As setting the whole text would: nothing to undo, unmodified.
  box_.setText(QString());
  box_.document()->setUndoRedoEnabled(false);
}

void HistoryLoad::feed(bool untilEnd) {
  if (state_ == State::Reading) {
    const std::optional<QString> text = reading_.get();
    if (!text) {
      done();
      return;
    }
    beginFeeding(*text);
  }
  if (state_ != State::Feeding) return;
  QElapsedTimer turn;
  turn.start();
  QTextCursor cursor(box_.document());
  cursor.movePosition(QTextCursor::End);
  while (fed_ < text_.size() && (untilEnd || turn.elapsed() < kFeedMsPerTurn)) {
    // Slices end after a line break, so that each line goes in whole.
    qsizetype end = text_.indexOf(QLatin1Char('\n'), std::min(fed_ + kFeedSliceChars, text_.size()) - 1);
    end = end < 0 ? text_.size() : end + 1;
    cursor.insertText(text_.mid(fed_, end - fed_));
    fed_ = end;
  }
  if (fed_ < text_.size()) {
    scheduleFeed();
    return;
  }
  text_.clear();
  box_.document()->setUndoRedoEnabled(true);
  box_.document()->setModified(false);
  box_.moveCursor(QTextCursor::Start);
  done();
}

void HistoryLoad::scheduleFeed() {
  QTimer::singleShot(0, this, [this] {
    if (state_ == State::Feeding) feed(false);
  });
}

void HistoryLoad::done() {
  state_ = State::Done;
  box_.setReadOnly(false);
  if (loaded_) loaded_();
}

}  // namespace kopira
