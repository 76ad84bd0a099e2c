#pragma once
// Errors of the report engine: EQRError from a destination used in the wrong
// state, ELayoutError for a layout file that cannot be loaded.
#include <QString>
#include <stdexcept>

namespace kopira::report {

class EQRError : public std::runtime_error {
 public:
  explicit EQRError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

class ELayoutError : public std::runtime_error {
 public:
  explicit ELayoutError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

// The engine's messages.
inline const QString kNotReadyMessage = QStringLiteral("QRPrinter の準備ができていません");
inline const QString kBadNewPageMessage = QStringLiteral("間違った NewPage の呼び出し");

}  // namespace kopira::report
