#include "validation/FieldChecks.h"

#include "platform/Locale.h"
#include "platform/RaisedError.h"

#include <cmath>

namespace validation {

namespace {

// The empty date mask "  /  /    " once trimmed.
const QString kEmptyDate = QStringLiteral("/  /");

// Amounts are written with the decimal comma and the full stop between thousands.
const QLocale kBrasil(QLocale::Portuguese, QLocale::Brazil);

FieldVerdict rejected(const QString &message)
{
    return {.complaint = Complaint::RaisedFocusBack, .message = message, .rewritten = std::nullopt};
}

// Accepted, the field rewritten in its pattern.
FieldVerdict rewritten(const QString &text)
{
    return {.complaint = Complaint::None, .message = {}, .rewritten = text};
}

// Out of its range: the field takes the text, then the "Fichas" box.
FieldVerdict outOfRange(const QString &text, const QString &message)
{
    return {.complaint = Complaint::FichasBox, .message = message, .rewritten = text};
}

// No number at all: the error box, the field as the user left it.
FieldVerdict notANumber(const QString &message)
{
    return {.complaint = Complaint::Raised, .message = message, .rewritten = std::nullopt};
}

} // namespace

FieldVerdict checkDigits(const TFm_Funcoes &funcoes, const QString &text, const DigitsTest &test,
                         const QString &message)
{
    const QString digits = funcoes.SoNumeros(text);
    if (digits.isEmpty())
        return {};
    try {
        return test(digits) ? FieldVerdict{} : rejected(message);
    } catch (const platform::RaisedError &) {
        // A comma among the digits, or a number too long to read: not a valid number.
        return rejected(message);
    }
}

FieldVerdict checkCpf(const TFm_Funcoes &funcoes, const QString &text, const QString &message)
{
    return checkDigits(funcoes, text, [&funcoes](const QString &d) { return funcoes.ValidaCPF(d); }, message);
}

FieldVerdict checkCnpj(const TFm_Funcoes &funcoes, const QString &text, const QString &message)
{
    return checkDigits(funcoes, text, [&funcoes](const QString &d) { return funcoes.ValidaCNPJ(d); }, message);
}

FieldVerdict checkIe(const TFm_Funcoes &funcoes, const QString &text, const QString &message)
{
    return checkDigits(funcoes, text, [&funcoes](const QString &d) { return funcoes.ValidaIE(d); }, message);
}

FieldVerdict checkIeUmOuDoisDigitos(const TFm_Funcoes &funcoes, const QString &text, const QString &message)
{
    return checkDigits(
        funcoes, text, [&funcoes](const QString &d) { return funcoes.ValidaIE(d) || funcoes.ValidaIEDoisDigitos(d); },
        message);
}

FieldVerdict checkPartnerNumber(const TFm_Funcoes &funcoes, const QString &text, int typeIndex)
{
    switch (typeIndex) {
    case kTipoRegCpf:
        return checkCpf(funcoes, text);
    case kTipoRegCnpj:
        return checkCnpj(funcoes, text);
    default:
        return {};
    }
}

FieldVerdict checkEmail(const TFm_Funcoes &funcoes, const QString &text, const QString &message)
{
    return !text.isEmpty() && !funcoes.ValidaEmail(text) ? rejected(message) : FieldVerdict{};
}

FieldVerdict checkDate(const QString &text, const QString &message)
{
    if (text.trimmed() == kEmptyDate)
        return {};
    const QDate date = platform::parseShortDate(text);
    return date.isValid() ? rewritten(platform::formatShortDate(date)) : rejected(message);
}

FieldVerdict checkMoney(const TFm_Funcoes &funcoes, const QString &text)
{
    if (text.trimmed().isEmpty())
        return {};
    try {
        const QString formatted = kBrasil.toString(funcoes.ValorNumerico(text), 'f', 2);
        const double again = funcoes.ValorNumerico(formatted);
        const bool inRange = again >= 0 && again <= 9999999999.99;
        return inRange ? rewritten(formatted) : outOfRange(formatted, msg::kValorForaDaFaixa);
    } catch (const platform::RaisedError &) {
        return notANumber(msg::kValorNumericoInvalido);
    }
}

FieldVerdict checkPercentage(const TFm_Funcoes &funcoes, const QString &text)
{
    if (text.trimmed().isEmpty())
        return {};
    double x = 0;
    try {
        x = funcoes.ValorNumerico(text);
    } catch (const platform::RaisedError &) {
        return notANumber(msg::kPercentualInvalido);
    }
    // A share too small to show one tenth would be written 0,0, which the next exit
    // refuses: it is refused at once, like 0.
    if (x > 0 && std::round(x * 10) == 0)
        return outOfRange(text, msg::kPercentualInvalido);
    if ((x > 0 && x <= 99.9) || x == 100)
        return rewritten(kBrasil.toString(x, 'f', 1));
    if (x > 99.9 && x < 100)
        return rewritten(kBrasil.toString(99.9, 'g', QLocale::FloatingPointShortest));
    return outOfRange(text, msg::kPercentualInvalido);
}

} // namespace validation
