#include "validation/FieldChecks.h"

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

[[noreturn]] void reject(QWidget *field, const QString &message)
{
    platform::FocusExit::returnFocus(field);
    throw platform::RaisedError(message);
}

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

platform::FocusExit *bindDigitsCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                     DigitsTest test, QString message)
{
    return platform::FocusExit::bind(
        field, [field, f = &funcoes, text = std::move(text), test = std::move(test),
                message = std::move(message)] {
            if (!digitsAccepted(*f, text(), test))
                reject(field, message);
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
    return platform::FocusExit::bind(
        field, [field, f = &funcoes, text = std::move(text), typeIndex = std::move(typeIndex)] {
            const auto rule = partnerNumberRule(*f, typeIndex());
            if (rule && !digitsAccepted(*f, text(), rule->test))
                reject(field, rule->message);
        });
}

platform::FocusExit *bindEmailCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                    QString message)
{
    return platform::FocusExit::bind(
        field, [field, f = &funcoes, text = std::move(text), message = std::move(message)] {
            const QString t = text();
            if (!t.isEmpty() && !f->ValidaEmail(t))
                reject(field, message);
        });
}

platform::FocusExit *bindDateCheck(QWidget *field, TextGetter text, TextSetter setText, QString message)
{
    return platform::FocusExit::bind(
        field, [field, text = std::move(text), setText = std::move(setText), message = std::move(message)] {
            QString formatted;
            switch (judgeDate(text(), &formatted)) {
            case DateVerdict::Empty:
                return;
            case DateVerdict::Valid:
                setText(formatted);
                return;
            case DateVerdict::Invalid:
                reject(field, message);
            }
        });
}

namespace {

platform::FocusExit *bindNumberCheck(QWidget *field, const TFm_Funcoes &funcoes, TextGetter text,
                                     TextSetter setText,
                                     NumberJudgement (*judge)(const TFm_Funcoes &, const QString &),
                                     QString outOfRange, QString notANumber)
{
    return platform::FocusExit::bind(field, [=, f = &funcoes] {
        const NumberJudgement j = judge(*f, text());
        switch (j.verdict) {
        case NumberVerdict::Empty:
            return;
        case NumberVerdict::Accepted:
            setText(j.text);
            return;
        case NumberVerdict::OutOfRange:
            setText(j.text);
            platform::Messages::show(field->window(), platform::kCaptionFichas, outOfRange,
                                     platform::MsgIcon::Error);
            platform::FocusExit::returnFocus(field);
            return;
        case NumberVerdict::NotANumber:
            throw platform::RaisedError(notANumber);
        }
    });
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
