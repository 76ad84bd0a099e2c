#include "forms/tform4.h"

#include "forms/page_layout.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(QWidget* parent)
    : QWidget(parent), QRReport1(QStringLiteral(":/layouts/valuation.json")) {
  setObjectName(QStringLiteral("Form4"));
}

TForm4::~TForm4() = default;
