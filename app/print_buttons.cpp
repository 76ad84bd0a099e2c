// The three registry print buttons: each runs the print scheme with its own
// page, checks, messages and fill-ins.
#include "app/print_scheme.h"
#include "app/tform1.h"
#include "forms/tform2.h"
#include "forms/tform3.h"
#include "forms/tform4.h"

namespace {

using kopira::print::PrintScheme;
using kopira::print::Source;

const QString kOfficeMessage = QStringLiteral("このアプリケーションを閉じて事務所住所を４行以内に書き替えてください。");
const QString kCompanyBefore = QStringLiteral("会社欄に");
const QString kRealEstateBefore = QStringLiteral("不動産欄に");

// Land and building registry, page Form3.
const PrintScheme& landAndBuilding() {
  static const PrintScheme scheme{
      kOfficeMessage,
      {{&TForm1::Memo1, 28, kRealEstateBefore, QStringLiteral("行の入力があります。入力は２８行までにしてください。")}},
      {{QStringLiteral("QRLabel25"), Source::RegistryOffice},
       {QStringLiteral("QRLabel31"), Source::Telephone},
       {QStringLiteral("QRMemo1"), Source::RealEstateLines}},
      QStringLiteral("QRLabel28")};
  return scheme;
}

// Company registry, page Form2.
const PrintScheme& company() {
  static const PrintScheme scheme{
      QStringLiteral("このアプリケーションを閉じて事務所の住所の行数を４行以内に書き替えてください。"),
      {{&TForm1::Memo2, 12, kCompanyBefore, QStringLiteral("行の入力があります。入力は１２行までにしてください。")}},
      {{QStringLiteral("QRLabel25"), Source::RegistryOffice},
       {QStringLiteral("QRLabel33"), Source::Telephone},
       {QStringLiteral("QRMemo1"), Source::CompanyLines}},
      QStringLiteral("QRLabel31")};
  return scheme;
}

// Fixed-asset valuation certificate, page Form4. The owner column receives
// the company block broken again at the rows of the hidden Memo7.
const PrintScheme& valuation() {
  static const PrintScheme scheme{
      kOfficeMessage,
      {{&TForm1::Memo2, 8, kCompanyBefore, QStringLiteral("行の入力があります。入力は８行までにしてください。")},
       {&TForm1::Memo1, 25, kRealEstateBefore, QStringLiteral("行の入力があります。入力は２５行までにしてください。")}},
      {{QStringLiteral("QRLabel5"), Source::Municipality},
       {QStringLiteral("QRLabel53"), Source::Telephone},
       {QStringLiteral("QRMemo1"), Source::RealEstateLines},
       {QStringLiteral("QRMemo3"), Source::CompanyRebroken}},
      QStringLiteral("QRLabel4")};
  return scheme;
}

}  // namespace

void TForm1::BitBtn1Click() { kopira::print::runPrintScheme(*this, *Form3->QRReport1, landAndBuilding()); }

void TForm1::BitBtn2Click() { kopira::print::runPrintScheme(*this, *Form2->QRReport1, company()); }

void TForm1::BitBtn3Click() { kopira::print::runPrintScheme(*this, *Form4->QRReport1, valuation()); }
