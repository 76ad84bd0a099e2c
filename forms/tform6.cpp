#include "forms/tform6.h"

#include "forms/page_layout.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(QWidget* parent)
    : QWidget(parent), QRReport1(QStringLiteral(":/layouts/family_register.json")) {
  setObjectName(QStringLiteral("Form6"));
}

TForm6::~TForm6() = default;
