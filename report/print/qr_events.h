#pragma once
// Announcements from a printer object to its client window, posted with
// QCoreApplication::postEvent so they are handled in order once the poster is
// back in the event loop.
#include <QEvent>

namespace kopira::report {

// A page was finished; carries the new number of available pages.
class TQRPageAvailableEvent : public QEvent {
 public:
  explicit TQRPageAvailableEvent(int availablePages) : QEvent(type()), pages_(availablePages) {}
  static QEvent::Type type() {
    static const auto t = static_cast<QEvent::Type>(QEvent::registerEventType());
    return t;
  }
  int pages() const { return pages_; }

 private:
  int pages_;
};

// Progress of a run in percent.
class TQRProgressEvent : public QEvent {
 public:
  explicit TQRProgressEvent(int percent) : QEvent(type()), percent_(percent) {}
  static QEvent::Type type() {
    static const auto t = static_cast<QEvent::Type>(QEvent::registerEventType());
    return t;
  }
  int percent() const { return percent_; }

 private:
  int percent_;
};

}  // namespace kopira::report
