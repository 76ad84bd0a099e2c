#pragma once
// TForm3: the window that owns the land and building registry application page. It is never shown.
#include <QWidget>
#include <memory>

#include "report/qr_report.h"

class TForm3 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);
  ~TForm3() override;

  // The land and building registry application page (A4).
  const std::unique_ptr<kopira::report::TQRReport> QRReport1;
};

extern TForm3* Form3;
