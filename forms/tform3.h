#pragma once
// TForm3: the window that owns the land and building registry application page. It is never shown.
#include <QWidget>

class TForm3 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm3(QWidget* parent = nullptr);
};

extern TForm3* Form3;
