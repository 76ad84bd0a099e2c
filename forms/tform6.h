#pragma once
// TForm6: the window that owns the family-register request page. It is never shown.
#include <QWidget>
#include <memory>

#include "forms/page_layout.h"

class TForm6 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm6(QWidget* parent = nullptr);
  ~TForm6() override;

  // The request page: an overlay of fill-ins on the office's pre-printed A4 form.
  const kopira::forms::DeferredPage QRReport1;
};

extern TForm6* Form6;
