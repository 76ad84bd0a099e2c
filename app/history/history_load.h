#pragma once
// Loads the history into its box without holding the window up. A long
// file is read and decoded on a worker thread, and its lines then go into
// the box a slice at a time between events; the box takes no typing
// meanwhile. A short file is loaded at once. Whatever needs the whole
// history finishes the load first (lines() does so on every use).
#include <QObject>
#include <functional>
#include <future>
#include <optional>

#include "app/controls/tmemo.h"
#include "app/history/history_file.h"

namespace kopira {

class HistoryLoad final : public QObject {
 public:
  // loaded runs once the history is in the box (after start(), at once for
  // a short file).
  HistoryLoad(HistoryFile& file, TMemo& box, std::function<void()> loaded);
  ~HistoryLoad() override;

  void start();
  // Makes start() put this text into the box instead of the file's.
  void restore(const QString& text) { restored_ = text; }
  // Puts the rest of the history into the box now.
  void finish();
  bool loading() const { return state_ != State::Idle && state_ != State::Done; }
  // Whether the history is in the box.
  bool inBox() const { return state_ == State::Done; }

  // The box's line list; each use finishes the load first.
  TStrings& lines() { return lines_; }

 private:
  enum class State { Idle, Reading, Feeding, Done };
  // The box is emptied, to be filled with text (LF breaks, filtered).
  void beginFeeding(QString text);
  void feed(bool untilEnd);
  void scheduleFeed();
  void done();

  // The box's line list behind a finished load.
  class Lines final : public TStrings {
   public:
    explicit Lines(HistoryLoad& load) : load_(load) {}
    int Count() const override { return memo().Count(); }
    QString Get(int i) const override { return memo().Get(i); }
    void Clear() override { memo().Clear(); }
    void Add(const QString& s) override { memo().Add(s); }
    void Delete(int i) override { memo().Delete(i); }
    void DeleteEmpty() override { memo().DeleteEmpty(); }
    void KeepLast(int n) override { memo().KeepLast(n); }

   private:
    TMemoLines& memo() const;
    HistoryLoad& load_;
  };

  HistoryFile& file_;
  TMemo& box_;
  std::function<void()> loaded_;
  Lines lines_{*this};
  State state_ = State::Idle;
  // The decoded text with LF breaks, filtered as the box takes it; nothing
  // when the file could not be loaded.
  std::future<std::optional<QString>> reading_;
  std::optional<QString> restored_;
  QString text_;
  qsizetype fed_ = 0;
};

}  // namespace kopira
