#pragma once

#include "editors/common/PrintProblem.h"

#include <QString>

#include <array>

namespace editors {
class FormFields;
}

// The rules of the FAS that stand apart from building its window: the registration
// type of each number, the partner dates required for printing and the copies the
// print dialog proposes.
namespace editors::fas {

// The number masks of a registration type: digits only, without the literals.
inline const QString kMaskCpfDigits = QStringLiteral("!999.999.999-99;0; ");
inline const QString kMaskCnpjDigits = QStringLiteral("!99.999.999/9999-99;0; ");

// The stored number's length that tells the taxpayer's type when a record is read.
inline constexpr int kCpfLength = 11;
inline constexpr int kCnpjLength = 14;

// Registration-type rule (Cmb_TpReg_EmpChange, Cmb_TpReg_1Change..3), run on every
// change of the type list: the chosen type sets the number's mask (no choice leaves it).
// A number field already open is emptied; the first choice opens it with its title and
// keeps what it holds. The number's row checks it against the type chosen beside it when
// the focus leaves it ("CPF Inválido", "CGC Inválido").
void applyRegistrationType(FormFields &form, const QString &typeList, const QString &number);

// The type a stored taxpayer number tells by its length: 0 (CPF), 1 (CNPJ) or -1 (none).
int registrationTypeOfNumber(const QString &stored);

// ---- Printing ----

// What the print checks read of one partner.
struct PartnerForPrint {
    int treatment = -1; // index of the treatment chosen, -1 when none
    QString date;       // the Junta Comercial date as the field gives it
};

// Every partner, in the order 1, 2, 3, whose treatment is chosen but whose Junta
// Comercial date is empty, unless the taxpayer is registered by CPF: the date field and
// the message that stops printing. Empty when the form may print.
PrintProblems missingPartnerDates(int taxpayerType, const std::array<PartnerForPrint, 3> &partners);

// The copies the print dialog proposes, by the taxpayer type's text: "CNPJ" 2, "CPF" 3,
// anything else 1.
int copiesForTaxpayerType(const QString &typeText);

} // namespace editors::fas
