#pragma once
// TForm4: the window that owns the fixed-asset valuation certificate
// application page. It is never shown.
#include <QWidget>
#include <memory>

#include "forms/page_layout.h"

class TForm4 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* parent = nullptr);
  ~TForm4() override;

  // The fixed-asset valuation certificate application page (B4).
  const kopira::forms::DeferredPage QRReport1;
};

extern TForm4* Form4;
