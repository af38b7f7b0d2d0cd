#include "validation/FieldChecks.h"

#include "validation/ExitCheck.h"

#include "platform/FocusExit.h"
#include "platform/Locale.h"
#include "platform/Messages.h"
#include "platform/RaisedError.h"

#include <cmath>

namespace validation {

namespace {

// The empty date mask "  /  /    " once trimmed.
const QString kEmptyDate = QStringLiteral("/  /");

// Amounts are written with the decimal comma and the full stop between thousands.
const QLocale kBrasil(QLocale::Portuguese, QLocale::Brazil);

} // namespace

bool digitsAccepted(const TFm_Funcoes &funcoes, const QString &text, const DigitsTest &test)
{
    const QString digits = funcoes.SoNumeros(text);
    if (digits.isEmpty())
        return true;
    try {
        return test(digits);
    } catch (const platform::RaisedError &) {
        // A comma among the digits, or a number too long to read: not a valid number.
        return false;
    }
}

DateVerdict judgeDate(const QString &text, QString *formatted)
{
    if (text.trimmed() == kEmptyDate)
        return DateVerdict::Empty;
    const QDate date = platform::parseShortDate(text);
    if (!date.isValid())
        return DateVerdict::Invalid;
    if (formatted)
        *formatted = platform::formatShortDate(date);
    return DateVerdict::Valid;
}

NumberJudgement judgeMoney(const TFm_Funcoes &funcoes, const QString &text)
{
    if (text.trimmed().isEmpty())
        return {NumberVerdict::Empty, text};
    try {
        const QString formatted = kBrasil.toString(funcoes.ValorNumerico(text), 'f', 2);
        const double again = funcoes.ValorNumerico(formatted);
        const bool inRange = again >= 0 && again <= 9999999999.99;
        return {inRange ? NumberVerdict::Accepted : NumberVerdict::OutOfRange, formatted};
    } catch (const platform::RaisedError &) {
        return {NumberVerdict::NotANumber, text};
    }
}

NumberJudgement judgePercentage(const TFm_Funcoes &funcoes, const QString &text)
{
    if (text.trimmed().isEmpty())
        return {NumberVerdict::Empty, text};
    double x = 0;
    try {
        x = funcoes.ValorNumerico(text);
    } catch (const platform::RaisedError &) {
        return {NumberVerdict::NotANumber, text};
    }
    // A share too small to show one tenth would be written 0,0, which the next exit
    // refuses: it is refused at once, like 0.
    if (x > 0 && std::round(x * 10) == 0)
        return {NumberVerdict::OutOfRange, text};
    if ((x > 0 && x <= 99.9) || x == 100)
        return {NumberVerdict::Accepted, kBrasil.toString(x, 'f', 1)};
    if (x > 99.9 && x < 100)
        return {NumberVerdict::Accepted, kBrasil.toString(99.9, 'g', QLocale::FloatingPointShortest)};
    return {NumberVerdict::OutOfRange, text};
}

std::optional<NumberRule> partnerNumberRule(const TFm_Funcoes &funcoes, int typeIndex)
{
    const TFm_Funcoes *f = &funcoes;
    switch (typeIndex) {
    case kTipoRegCpf:
        return NumberRule{[f](const QString &d) { return f->ValidaCPF(d); }, msg::kCpfInvalido};
    case kTipoRegCnpj:
        return NumberRule{[f](const QString &d) { return f->ValidaCNPJ(d); }, msg::kCgcInvalido};
    default:
        return std::nullopt;
    }
}

namespace {

// How an exit check complains; each line says what the user meets, in order.
enum class Complaint {
    None,
    RaisedFocusBack, // focus back on the field, then the error box
    Raised,          // the error box only; the focus goes on
    FichasBox,       // the "Fichas" box, then focus back on the field
};

// What an exit check makes of the field's text as it stands. The exit handler acts on it
// and the field's judge only reports it, so the two can never tell different stories.
struct ExitVerdict {
    std::optional<QString> rewrite; // the text the field takes on exit, before any complaint
    Complaint complaint = Complaint::None;
    QString message;
};

using Judgement = std::function<ExitVerdict()>;

ExitVerdict rejected(const QString &message)
{
    return {.rewrite = std::nullopt, .complaint = Complaint::RaisedFocusBack, .message = message};
}

// Accepted, the field rewritten in its pattern.
ExitVerdict rewritten(const QString &text)
{
    return {.rewrite = text, .complaint = Complaint::None, .message = {}};
}

void act(QWidget *field, const TextSetter &setText, const ExitVerdict &verdict)
{
    if (verdict.rewrite)
        setText(*verdict.rewrite);
    switch (verdict.complaint) {
    case Complaint::None:
        return;
    case Complaint::RaisedFocusBack:
        platform::FocusExit::returnFocus(field);
        throw platform::RaisedError(verdict.message);
    case Complaint::Raised:
        throw platform::RaisedError(verdict.message);
    case Complaint::FichasBox:
        platform::Messages::show(field->window(), platform::kCaptionFichas, verdict.message,
                                 platform::MsgIcon::Error);
        platform::FocusExit::returnFocus(field);
        return;
    }
}

// The text of the box the complaint would show.
std::optional<QString> shownText(const ExitVerdict &verdict)
{
    switch (verdict.complaint) {
    case Complaint::None:
        return std::nullopt;
    case Complaint::RaisedFocusBack:
    case Complaint::Raised:
        return platform::errorBoxText(verdict.message);
    case Complaint::FichasBox:
        return verdict.message;
    }
    return std::nullopt;
}

// Binds the judgement to the field's exit and gives the field its judge. setText is
// needed only by judgements that rewrite the field.
platform::FocusExit *bindExitCheck(QWidget *field, const Judgement &judgement, TextSetter setText = {})
{
    attachJudge(field, [judgement] { return shownText(judgement()); });
    return platform::FocusExit::bind(field, [field, judgement, setText = std::move(setText)] {
        act(field, setText, judgement());
    });
}

} // namespace

platform::FocusExit *bindDigitsCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                     DigitsTest test, QString message)
{
    return bindExitCheck(field, [f = &funcoes, text = std::move(text), test = std::move(test),
                                 message = std::move(message)] {
        return digitsAccepted(*f, text(), test) ? ExitVerdict{} : rejected(message);
    });
}

platform::FocusExit *bindCpfCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                  QString message)
{
    const TFm_Funcoes *f = &funcoes;
    return bindDigitsCheck(field, funcoes, std::move(text),
                           [f](const QString &d) { return f->ValidaCPF(d); }, std::move(message));
}

platform::FocusExit *bindCnpjCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                   QString message)
{
    const TFm_Funcoes *f = &funcoes;
    return bindDigitsCheck(field, funcoes, std::move(text),
                           [f](const QString &d) { return f->ValidaCNPJ(d); }, std::move(message));
}

platform::FocusExit *bindIeCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                 QString message)
{
    const TFm_Funcoes *f = &funcoes;
    return bindDigitsCheck(field, funcoes, std::move(text),
                           [f](const QString &d) { return f->ValidaIE(d); }, std::move(message));
}

platform::FocusExit *bindIeUmOuDoisDigitosCheck(QWidget *field, const TFm_Funcoes &funcoes,
                                                TextGetter text, QString message)
{
    const TFm_Funcoes *f = &funcoes;
    return bindDigitsCheck(
        field, funcoes, std::move(text),
        [f](const QString &d) { return f->ValidaIE(d) || f->ValidaIEDoisDigitos(d); },
        std::move(message));
}

platform::FocusExit *bindPartnerNumberCheck(QWidget *field, const TFm_Funcoes &funcoes,
                                            TextGetter text, IndexGetter typeIndex)
{
    return bindExitCheck(field, [f = &funcoes, text = std::move(text), typeIndex = std::move(typeIndex)] {
        const auto rule = partnerNumberRule(*f, typeIndex());
        return rule && !digitsAccepted(*f, text(), rule->test) ? rejected(rule->message) : ExitVerdict{};
    });
}

platform::FocusExit *bindEmailCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                    QString message)
{
    return bindExitCheck(field, [f = &funcoes, text = std::move(text), message = std::move(message)] {
        const QString t = text();
        return !t.isEmpty() && !f->ValidaEmail(t) ? rejected(message) : ExitVerdict{};
    });
}

platform::FocusExit *bindDateCheck(QWidget *field, TextGetter text, TextSetter setText, QString message)
{
    const Judgement judgement = [text = std::move(text), message = std::move(message)] {
        QString formatted;
        switch (judgeDate(text(), &formatted)) {
        case DateVerdict::Empty:
            return ExitVerdict{};
        case DateVerdict::Valid:
            return rewritten(formatted);
        case DateVerdict::Invalid:
            return rejected(message);
        }
        return ExitVerdict{};
    };
    return bindExitCheck(field, judgement, std::move(setText));
}

namespace {

// An amount or percentage out of its range is told in the "Fichas" box with the number
// rewritten; a text that is no number raises its message and lets the focus go.
platform::FocusExit *bindNumberCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                     TextSetter setText,
                                     NumberJudgement (*judge)(const TFm_Funcoes &, const QString &),
                                     QString outOfRange, QString notANumber)
{
    const Judgement judgement = [=, f = &funcoes] {
        const NumberJudgement j = judge(*f, text());
        switch (j.verdict) {
        case NumberVerdict::Empty:
            return ExitVerdict{};
        case NumberVerdict::Accepted:
            return rewritten(j.text);
        case NumberVerdict::OutOfRange:
            return ExitVerdict{.rewrite = j.text, .complaint = Complaint::FichasBox, .message = outOfRange};
        case NumberVerdict::NotANumber:
            return ExitVerdict{.rewrite = std::nullopt, .complaint = Complaint::Raised, .message = notANumber};
        }
        return ExitVerdict{};
    };
    return bindExitCheck(field, judgement, std::move(setText));
}

} // namespace

platform::FocusExit *bindMoneyCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                    TextSetter setText)
{
    return bindNumberCheck(field, funcoes, std::move(text), std::move(setText), &judgeMoney,
                           msg::kValorForaDaFaixa, msg::kValorNumericoInvalido);
}

platform::FocusExit *bindPercentageCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                         TextSetter setText)
{
    return bindNumberCheck(field, funcoes, std::move(text), std::move(setText), &judgePercentage,
                           msg::kPercentualInvalido, msg::kPercentualInvalido);
}

} // namespace validation
