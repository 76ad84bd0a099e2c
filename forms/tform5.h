#pragma once
// TForm5: the family-register and resident-record request dialog, shown
// without blocking the main window.
#include <QDialog>

class TForm5 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm5(QWidget* parent = nullptr);
};

extern TForm5* Form5;
