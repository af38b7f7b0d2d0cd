// The validation functions, each against a rule it must keep whatever the text:
// a check digit is unique, the digit filter keeps digits and commas only, padding keeps
// the number, an e-mail check ignores the blanks around the address, a field rewritten on
// exit passes its next exit as it stands.
#include "FuzzSupport.h"

#include "platform/RaisedError.h"
#include "validation/FieldChecks.h"
#include "validation/TFm_Funcoes.h"

#include <cmath>

namespace {

const validation::TFm_Funcoes f;

// Whether the rule accepts the text; nullopt when it raised (texts it never gets).
template <typename Rule>
std::optional<bool> tryRule(Rule rule, const QString &text)
{
    try {
        return (f.*rule)(text);
    } catch (const platform::RaisedError &) {
        return std::nullopt;
    }
}

// A check digit is unique: with any other last digit a valid number is invalid.
template <typename Rule>
void lastDigitIsUnique(Rule rule, const QString &digits, const char *name)
{
    if (digits.isEmpty() || tryRule(rule, digits) != std::optional<bool>(true))
        return;
    for (char d = '0'; d <= '9'; ++d) {
        QString other = digits;
        if (other.back() == QLatin1Char(d))
            continue;
        other.back() = QLatin1Char(d);
        FUZZ_CHECK(tryRule(rule, other) != std::optional<bool>(true), QStringLiteral("%1: %2 and %3").arg(name, digits, other));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::startQt();
    const QString text = QString::fromUtf8(fuzz::bytesOf(data, size));

    const QString digits = f.SoNumeros(text);
    for (QChar c : digits)
        FUZZ_CHECK((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(','), text);
    FUZZ_CHECK(f.SoNumeros(digits) == digits, text);
    qsizetype from = 0;  // kept in order: a subsequence of the text
    for (QChar c : digits) {
        from = text.indexOf(c, from);
        FUZZ_CHECK(from >= 0, text);
        ++from;
    }

    const QString plain = QString(digits).remove(QLatin1Char(','));
    lastDigitIsUnique(&validation::TFm_Funcoes::ValidaCPF, plain, "ValidaCPF");
    lastDigitIsUnique(&validation::TFm_Funcoes::ValidaCNPJ, plain, "ValidaCNPJ");
    lastDigitIsUnique(&validation::TFm_Funcoes::ValidaIE, plain, "ValidaIE");
    if (tryRule(&validation::TFm_Funcoes::ValidaCPF, text) == std::optional<bool>(true))
        FUZZ_CHECK(text.size() == 11, text);
    if (tryRule(&validation::TFm_Funcoes::ValidaCNPJ, text) == std::optional<bool>(true))
        FUZZ_CHECK(text.size() == 14, text);
    // The two-digit rule: both computed digits must match, so changing either breaks it.
    if (plain.size() >= 2 && tryRule(&validation::TFm_Funcoes::ValidaIEDoisDigitos, plain) == std::optional<bool>(true)) {
        lastDigitIsUnique(&validation::TFm_Funcoes::ValidaIEDoisDigitos, plain, "ValidaIEDoisDigitos");
    }

    // Padding keeps the number and only adds zeros in front.
    if (!plain.isEmpty() && plain.size() <= 18) {
        const quint64 n = plain.toULongLong();
        const int width = int(size % 24);
        const QString padded = f.ZerosAEsquerda(n, width);
        FUZZ_CHECK(padded.size() >= width && padded.toULongLong() == n, padded);
        FUZZ_CHECK(padded.size() == std::max<qsizetype>(width, QString::number(n).size()), padded);
    }

    // Numbers: the same through the digit filter, never negative, never NaN.
    std::optional<double> value;
    try {
        value = f.ValorNumerico(text);
    } catch (const platform::RaisedError &) {
    }
    if (value) {
        FUZZ_CHECK(!std::isnan(*value) && *value >= 0, text);
        FUZZ_CHECK(f.ValorNumerico(digits) == *value, text);
    }

    // E-mail: blanks around the address change nothing; an accepted one has its "@" and
    // none of the refused characters.
    const bool email = f.ValidaEmail(text);
    FUZZ_CHECK(f.ValidaEmail(QStringLiteral("  ") + text + QStringLiteral(" ")) == email, text);
    if (email) {
        const QString t = text.trimmed();
        FUZZ_CHECK(t.count(QLatin1Char('@')) == 1 && !t.startsWith(QLatin1Char('@')) && !t.endsWith(QLatin1Char('@')), text);
        for (QChar c : {QLatin1Char(' '), QLatin1Char(':'), QLatin1Char(';'), QLatin1Char('/'), QLatin1Char('\\')})
            FUZZ_CHECK(!t.contains(c), text);
    }

    // The checks that rewrite the field: the rewritten text gets the same verdict again and
    // is not rewritten further.
    const std::function<validation::FieldVerdict(const QString &)> rewriting[] = {
        [](const QString &t) { return validation::checkDate(t, QString()); },
        [](const QString &t) { return validation::checkMoney(f, t); },
        [](const QString &t) { return validation::checkPercentage(f, t); },
    };
    for (const auto &check : rewriting) {
        const validation::FieldVerdict verdict = check(text);
        if (verdict.rewritten) {
            const validation::FieldVerdict again = check(*verdict.rewritten);
            FUZZ_CHECK(again.complaint == verdict.complaint && again.rewritten == verdict.rewritten, text);
        }
    }
    return 0;
}
