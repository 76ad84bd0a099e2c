#pragma once
// TForm3: the window that owns the land and building registry application page. It is never shown.
#include <QWidget>
#include <memory>

#include "forms/page_layout.h"

class TForm3 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);
  ~TForm3() override;

  // The land and building registry application page (A4).
  const kopira::forms::DeferredPage QRReport1;
};

extern TForm3* Form3;
