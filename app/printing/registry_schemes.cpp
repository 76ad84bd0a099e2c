#include "app/printing/registry_schemes.h"

namespace kopira::print {
namespace {

const QString kOfficeMessage = QStringLiteral("このアプリケーションを閉じて事務所住所を４行以内に書き替えてください。");
const QString kCompanyBefore = QStringLiteral("会社欄に");
const QString kRealEstateBefore = QStringLiteral("不動産欄に");

}  // namespace

// Land and building registry, page Form3.
const PrintScheme& landAndBuilding() {
  static const PrintScheme scheme{
      kOfficeMessage,
      {{&PrintInputs::Memo1, 28, kRealEstateBefore, QStringLiteral("行の入力があります。入力は２８行までにしてください。")}},
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
      {{&PrintInputs::Memo2, 12, kCompanyBefore, QStringLiteral("行の入力があります。入力は１２行までにしてください。")}},
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
      {{&PrintInputs::Memo2, 8, kCompanyBefore, QStringLiteral("行の入力があります。入力は８行までにしてください。")},
       {&PrintInputs::Memo1, 25, kRealEstateBefore, QStringLiteral("行の入力があります。入力は２５行までにしてください。")}},
      {{QStringLiteral("QRLabel5"), Source::Municipality},
       {QStringLiteral("QRLabel53"), Source::Telephone},
       {QStringLiteral("QRMemo1"), Source::RealEstateLines},
       {QStringLiteral("QRMemo3"), Source::CompanyRebroken}},
      QStringLiteral("QRLabel4")};
  return scheme;
}

}  // namespace kopira::print
