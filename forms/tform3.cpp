#include "forms/tform3.h"

#include "forms/page_layout.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(QWidget* parent)
    : QWidget(parent), QRReport1(QStringLiteral(":/layouts/land_building.json")) {
  setObjectName(QStringLiteral("Form3"));
}

TForm3::~TForm3() = default;
