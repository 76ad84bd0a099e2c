#pragma once
// Test stand-in for the message boxes: records every box instead of showing
// it. Installs itself for its lifetime.
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "platform/message_box.h"

namespace kopira {

class MessageBoxRecorder final : public MessageBoxes {
 public:
  struct Box {
    bool information;  // false: a plain box
    QString caption;   // empty for a plain box
    QString text;
    QStringList choices;  // empty unless the box offered choices
  };

  MessageBoxRecorder() { installMessageBoxes(this); }
  ~MessageBoxRecorder() override { installMessageBoxes(nullptr); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  void plain(const QString& text) override { boxes.push_back({false, QString(), text, {}}); }
  void information(const QString& caption, const QString& text) override {
    boxes.push_back({true, caption, text, {}});
  }
  // Takes the next of answers, or the last choice (as closing the box does).
  int choose(const QString& text, const QStringList& choices) override {
    boxes.push_back({false, QString(), text, choices});
    if (answers.empty()) return static_cast<int>(choices.size()) - 1;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<Box> boxes;
  std::deque<int> answers;
};

}  // namespace kopira
