#pragma once

#include "validation/CheckTexts.h"
#include "validation/TFm_Funcoes.h"

#include <QString>

#include <functional>
#include <optional>

// The field checks the editors run when the focus leaves a field, as functions of the
// field's text: each says whether the text passes, what the field takes on exit and how
// a rejected text is told. Binding a check to a field's exit is the editors' concern
// (editors/common/CheckBinding.h).
namespace validation {

using DigitsTest = std::function<bool(const QString &digits)>;

// Items of the number-type lists of the partner numbers: "CPF", "CNPJ" (then a blank
// entry on some forms).
inline constexpr int kTipoRegCpf = 0;
inline constexpr int kTipoRegCnpj = 1;

// How the field's exit tells a rejected text; each line says what the user meets, in order.
enum class Complaint {
    None,
    RaisedFocusBack, // focus back on the field, then the standard error box
    Raised,          // the standard error box only; the focus goes on
    FichasBox,       // the "Fichas" box, then focus back on the field
};

struct FieldVerdict {
    Complaint complaint = Complaint::None;
    QString message; // the check's own text, before the error box adds its period
    std::optional<QString> rewritten; // the text the field takes on exit, before any complaint

    bool accepted() const { return complaint == Complaint::None; }
    friend bool operator==(const FieldVerdict &, const FieldVerdict &) = default;
};

// Digits check: SoNumeros of the text; nothing left passes unchecked; otherwise the test
// decides. A text the test cannot judge (it raises a conversion error) does not pass.
// A rejected number takes the focus back and raises the message.
FieldVerdict checkDigits(const TFm_Funcoes &funcoes, const QString &text, const DigitsTest &test,
                         const QString &message);

FieldVerdict checkCpf(const TFm_Funcoes &funcoes, const QString &text, const QString &message = msg::kCpfInvalido);
FieldVerdict checkCnpj(const TFm_Funcoes &funcoes, const QString &text, const QString &message = msg::kCgcInvalido);

// Inscrição Estadual with one check digit (FAC).
FieldVerdict checkIe(const TFm_Funcoes &funcoes, const QString &text, const QString &message);
// Inscrição Estadual with one or two check digits, either rule passing (FACA).
FieldVerdict checkIeUmOuDoisDigitos(const TFm_Funcoes &funcoes, const QString &text, const QString &message);

// Partner number: the CPF or CNPJ rule by the selected index of its number-type list;
// no check when no type is chosen.
FieldVerdict checkPartnerNumber(const TFm_Funcoes &funcoes, const QString &text, int typeIndex);

// E-mail: an empty text is not checked; a text of blanks only is rejected.
FieldVerdict checkEmail(const TFm_Funcoes &funcoes, const QString &text,
                        const QString &message = msg::kEmailInvalido);

// Date field: only the empty mask ("  /  /    ") passes unchecked; a date is rewritten
// as dd/mm/yyyy; anything else is rejected with the message.
FieldVerdict checkDate(const QString &text, const QString &message);

// Amounts (FAC capital and net worth) and percentages (partners' share): an empty text
// is not judged; a number is rewritten in its pattern; a number out of its range is told
// in the "Fichas" box with the focus back; a text that is no number raises its message
// without taking the focus back.
// Money: "#,##0.00" (1.234,50); the range is 0 to 9999999999,99; out of range, the
// field still takes the number in its pattern.
FieldVerdict checkMoney(const TFm_Funcoes &funcoes, const QString &text);
// Percentage: above 0 up to 99,9 and exactly 100 with one decimal ("50,0", "100,0");
// between 99,9 and 100, "99,9"; 0, a share that would be written 0,0 and above 100 are
// out of range, the text unchanged.
FieldVerdict checkPercentage(const TFm_Funcoes &funcoes, const QString &text);

} // namespace validation
