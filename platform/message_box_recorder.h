#pragma once
// Test stand-in for the message boxes: records every box instead of showing
// it. Installs itself for its lifetime.
#include <QString>
#include <vector>

#include "platform/message_box.h"

namespace kopira {

class MessageBoxRecorder final : public MessageBoxes {
 public:
  struct Box {
    bool information;  // false: a plain box
    QString caption;   // empty for a plain box
    QString text;
  };

  MessageBoxRecorder() { installMessageBoxes(this); }
  ~MessageBoxRecorder() override { installMessageBoxes(nullptr); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  void plain(const QString& text) override { boxes.push_back({false, QString(), text}); }
  void information(const QString& caption, const QString& text) override {
    boxes.push_back({true, caption, text});
  }

  std::vector<Box> boxes;
};

}  // namespace kopira
