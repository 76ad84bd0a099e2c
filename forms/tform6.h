#pragma once
// TForm6: the window that owns the family-register request page. It is never shown.
#include <QWidget>

class TForm6 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm6(QWidget* parent = nullptr);
};

extern TForm6* Form6;
