#include "forms/tform2.h"

#include "forms/page_layout.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent)
    : QWidget(parent), QRReport1(QStringLiteral(":/layouts/company.json")) {
  setObjectName(QStringLiteral("Form2"));
}

TForm2::~TForm2() = default;
