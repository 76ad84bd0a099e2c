#pragma once
// TForm4: the window that owns the fixed-asset valuation certificate
// application page. It is never shown.
#include <QWidget>
#include <memory>

#include "report/qr_report.h"

class TForm4 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* parent = nullptr);
  ~TForm4() override;

  // The fixed-asset valuation certificate application page (B4).
  const std::unique_ptr<kopira::report::TQRReport> QRReport1;
};

extern TForm4* Form4;
