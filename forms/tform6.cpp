#include "forms/tform6.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("Form6")); }
