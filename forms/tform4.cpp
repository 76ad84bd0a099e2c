#include "forms/tform4.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("Form4")); }
