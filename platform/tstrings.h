#pragma once
// TStrings: an index-addressed list of text lines. The settings component
// reads and writes lists through it; a multi-line box offers its line list
// (display rows) through it, a plain TStringList holds lines in memory.
#include <QString>
#include <QStringList>

class TStrings {
 public:
  virtual ~TStrings() = default;
  virtual int Count() const = 0;
  // The entry at index i; an empty string past the end.
  virtual QString Get(int i) const = 0;
  virtual void Clear() = 0;
  virtual void Add(const QString& s) = 0;
  // Removes entry i; nothing past the end.
  virtual void Delete(int i) = 0;
  // Removes every empty entry, walking from the last to the first. A list
  // that knows its structure may do it faster, to the same result.
  virtual void DeleteEmpty() {
    for (int i = Count() - 1; i >= 0; --i) {
      if (Get(i).isEmpty()) Delete(i);
    }
  }
  // Removes the first entry as often as the count exceeds n (likewise).
  virtual void KeepLast(int n) {
    for (int excess = Count() - n; excess > 0; --excess) Delete(0);
  }
  // Copies the entries of another list one by one (Clear, then Add each).
  void Assign(const TStrings& other) {
    Clear();
    for (int i = 0; i < other.Count(); ++i) Add(other.Get(i));
  }
  QStringList toStringList() const {
    QStringList out;
    for (int i = 0; i < Count(); ++i) out << Get(i);
    return out;
  }
};

// A plain list of lines held in memory.
class TStringList : public TStrings {
 public:
  TStringList() = default;
  explicit TStringList(QStringList lines) : lines_(std::move(lines)) {}
  int Count() const override { return static_cast<int>(lines_.size()); }
  QString Get(int i) const override { return i >= 0 && i < lines_.size() ? lines_.at(i) : QString(); }
  void Clear() override { lines_.clear(); }
  void Add(const QString& s) override { lines_.append(s); }
  void Delete(int i) override {
    if (i >= 0 && i < lines_.size()) lines_.removeAt(i);
  }
  const QStringList& lines() const { return lines_; }

 private:
  QStringList lines_;
};
