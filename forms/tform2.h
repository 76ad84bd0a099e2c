#pragma once
// TForm2: the window that owns the company-registry application page. It is never shown.
#include <QWidget>
#include <memory>

#include "forms/page_layout.h"

class TForm2 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm2(QWidget* parent = nullptr);
  ~TForm2() override;

  // The company-registry application page (A4).
  const kopira::forms::DeferredPage QRReport1;
};

extern TForm2* Form2;
