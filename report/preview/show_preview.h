#pragma once
// ShowPreviewAndWait: the modal preview of one report page. Records the page
// as page pictures, shows them in a TQRStandardPreview and returns only when
// that window has closed, serving the rest of the application meanwhile.
#include <QEventLoop>

namespace kopira::report {

class TQRReport;
class TQRStandardPreview;

// Returns at once while the report is generating; a second call while the
// page's preview is open brings that preview to the front and returns.
void ShowPreviewAndWait(TQRReport& report);

// Whether the page's preview window is open (its wait still running).
bool PreviewIsOpen(const TQRReport& report);

// The nested event loop of the wait. It may end before it runs (the window
// closed from a test's action): Run then returns at once.
class PreviewLoop {
 public:
  void Run() {
    if (!ended_) loop_.exec();
  }
  void End() {
    ended_ = true;
    loop_.quit();
  }
  bool Ended() const { return ended_; }

 private:
  QEventLoop loop_;
  bool ended_ = false;
};

// The wait for the preview window, so a test can act while it is open. The
// default runs the loop until the window has closed.
class PreviewWait {
 public:
  virtual ~PreviewWait() = default;
  // Must return only once the loop has ended (the window closed, or the
  // application quitting).
  virtual void Wait(TQRStandardPreview& preview, PreviewLoop& loop) = 0;
};

PreviewWait& previewWait();
// Installs a wait (not owned); nullptr restores the default.
void setPreviewWait(PreviewWait* wait);

}  // namespace kopira::report
