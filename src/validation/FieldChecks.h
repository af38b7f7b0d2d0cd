#pragma once

#include "validation/CheckMessages.h"
#include "validation/TFm_Funcoes.h"

#include <QString>
#include <QWidget>

#include <concepts>
#include <functional>
#include <optional>

namespace platform {
class FocusExit;
}

// The field checks the editors run when the focus leaves a field, bound in one line:
//
//   validation::bindCpfCheck(Mae_ContadorCpf, *funcoes);
//   validation::bindDateCheck(MaskEdit1, validation::msg::kDataInvalidaFac);
//
// A rejected value puts the focus back on the field and raises the check's message,
// which the focus-exit guard shows in the standard error box; the field keeps its text.
// The field is any widget: masked edits are read through Text()/SetText() (the text as
// the mask gives it), plain line edits through text()/setText(); or pass the getter and
// setter yourself.
//
// Every binding also gives the field its judge (validation/ExitCheck.h): the same check,
// asked what it would say without saying it.
//
// The bindings keep a pointer to the TFm_Funcoes instance, which outlives the editors.
namespace validation {

using TextGetter = std::function<QString()>;
using TextSetter = std::function<void(const QString &)>;
using DigitsTest = std::function<bool(const QString &digits)>;
using IndexGetter = std::function<int()>;

// Items of the number-type lists of the partner numbers: "CPF", "CNPJ" (then a blank
// entry on some forms).
inline constexpr int kTipoRegCpf = 0;
inline constexpr int kTipoRegCnpj = 1;

// ---- The rules themselves, without widgets ----

// Digits check: SoNumeros of the text; nothing left passes unchecked; otherwise the test
// decides. A text the test cannot judge (it raises a conversion error) does not pass.
bool digitsAccepted(const TFm_Funcoes &funcoes, const QString &text, const DigitsTest &test);

enum class DateVerdict {
    Empty,   // only the empty mask: accepted unchecked
    Valid,   // a date: the field is rewritten as dd/mm/yyyy
    Invalid, // rejected
};
// Judges a date field's text; for a valid date, *formatted receives it as dd/mm/yyyy.
DateVerdict judgeDate(const QString &text, QString *formatted = nullptr);

// The partner number's test and message for the type list's selection;
// nothing when no type is chosen (no check).
struct NumberRule {
    DigitsTest test;
    QString message;
};
std::optional<NumberRule> partnerNumberRule(const TFm_Funcoes &funcoes, int typeIndex);

// Amounts (FAC capital and net worth) and percentages (partners' share) as the user
// leaves them: an empty text is not judged; a number is written back in its pattern;
// a number out of its range is reported in the "Fichas" box with the focus back; a text
// that is no number raises its message without taking the focus back.
enum class NumberVerdict { Empty, Accepted, OutOfRange, NotANumber };
struct NumberJudgement {
    NumberVerdict verdict = NumberVerdict::Empty;
    QString text; // what the field shows afterwards
};
// Money: "#,##0.00" (1.234,50); the range is 0 to 9999999999,99.
NumberJudgement judgeMoney(const TFm_Funcoes &funcoes, const QString &text);
// Percentage: above 0 up to 99,9 and exactly 100 with one decimal ("50,0", "100,0");
// between 99,9 and 100, "99,9"; 0, a share that would be written 0,0 and above 100 are
// out of range, the text unchanged.
NumberJudgement judgePercentage(const TFm_Funcoes &funcoes, const QString &text);

// ---- Binding to a field's exit ----

platform::FocusExit *bindDigitsCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                     DigitsTest test, QString message);

platform::FocusExit *bindCpfCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                  QString message = msg::kCpfInvalido);
platform::FocusExit *bindCnpjCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                   QString message = msg::kCgcInvalido);

// Inscrição Estadual with one check digit (FAC).
platform::FocusExit *bindIeCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                 QString message);
// Inscrição Estadual with one or two check digits, either rule passing (FACA).
platform::FocusExit *bindIeUmOuDoisDigitosCheck(QWidget *field, const TFm_Funcoes &funcoes,
                                                TextGetter text, QString message);

// Partner number: CPF or CNPJ rule by the selected index of its number-type list,
// read when the focus leaves the number field.
platform::FocusExit *bindPartnerNumberCheck(QWidget *field, const TFm_Funcoes &funcoes,
                                            TextGetter text, IndexGetter typeIndex);

// E-mail: an empty text is not checked; a text of blanks only is rejected.
platform::FocusExit *bindEmailCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                    QString message = msg::kEmailInvalido);

// Date field: the empty mask passes, a date is rewritten as dd/mm/yyyy, anything else
// is rejected with the message.
platform::FocusExit *bindDateCheck(QWidget *field, TextGetter text, TextSetter setText,
                                   QString message);

// Money and percentage fields: the setter writes the rewritten number back (it may be
// longer than the field lets the user type).
platform::FocusExit *bindMoneyCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                    TextSetter setText);
platform::FocusExit *bindPercentageCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                         TextSetter setText);

// ---- One-line forms for a field widget ----

template <typename Field>
concept FieldWidget = std::derived_from<Field, QWidget>;

// The field's text as the editors read it: a masked edit's Text(), else text().
template <FieldWidget Field>
TextGetter textOf(Field *field)
{
    return [field]() -> QString {
        if constexpr (requires(Field *f) { f->Text(); })
            return field->Text();
        else
            return field->text();
    };
}

// Sets the field's text: through a masked edit's SetText(), else setText().
template <FieldWidget Field>
TextSetter setterOf(Field *field)
{
    return [field](const QString &t) {
        if constexpr (requires(Field *f) { f->SetText(t); })
            field->SetText(t);
        else
            field->setText(t);
    };
}

template <FieldWidget Field>
platform::FocusExit *bindCpfCheck(Field *field, const TFm_Funcoes &funcoes,
                                  const QString &message = msg::kCpfInvalido)
{
    return bindCpfCheck(static_cast<QWidget *>(field), funcoes, textOf(field), message);
}

template <FieldWidget Field>
platform::FocusExit *bindCnpjCheck(Field *field, const TFm_Funcoes &funcoes,
                                   const QString &message = msg::kCgcInvalido)
{
    return bindCnpjCheck(static_cast<QWidget *>(field), funcoes, textOf(field), message);
}

template <FieldWidget Field>
platform::FocusExit *bindIeCheck(Field *field, const TFm_Funcoes &funcoes, const QString &message)
{
    return bindIeCheck(static_cast<QWidget *>(field), funcoes, textOf(field), message);
}

template <FieldWidget Field>
platform::FocusExit *bindIeUmOuDoisDigitosCheck(Field *field, const TFm_Funcoes &funcoes,
                                                const QString &message)
{
    return bindIeUmOuDoisDigitosCheck(static_cast<QWidget *>(field), funcoes, textOf(field), message);
}

template <FieldWidget Field>
platform::FocusExit *bindPartnerNumberCheck(Field *field, const TFm_Funcoes &funcoes, IndexGetter typeIndex)
{
    return bindPartnerNumberCheck(static_cast<QWidget *>(field), funcoes, textOf(field),
                                  std::move(typeIndex));
}

template <FieldWidget Field>
platform::FocusExit *bindEmailCheck(Field *field, const TFm_Funcoes &funcoes,
                                    const QString &message = msg::kEmailInvalido)
{
    return bindEmailCheck(static_cast<QWidget *>(field), funcoes, textOf(field), message);
}

template <FieldWidget Field>
platform::FocusExit *bindDateCheck(Field *field, const QString &message)
{
    return bindDateCheck(static_cast<QWidget *>(field), textOf(field), setterOf(field), message);
}

} // namespace validation
