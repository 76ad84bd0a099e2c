#pragma once
// TForm4: the window that owns the fixed-asset valuation certificate application page. It is never shown.
#include <QWidget>

class TForm4 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm4(QWidget* parent = nullptr);
};

extern TForm4* Form4;
