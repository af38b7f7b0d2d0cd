#include "validation/TFm_Funcoes.h"

#include "platform/RaisedError.h"
#include "platform/TextFile.h"

#include <cmath>
#include <limits>

namespace validation {

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

[[noreturn]] void raiseNotInteger(const QString &text)
{
    throw platform::RaisedError(QStringLiteral("'%1' não é um valor inteiro válido").arg(text));
}

[[noreturn]] void raiseNotNumber(const QString &text)
{
    throw platform::RaisedError(QStringLiteral("'%1' não é um valor numérico válido").arg(text));
}

// One character read as a decimal digit; anything else is a conversion error.
int digitOrRaise(QChar c)
{
    if (!isDigit(c))
        raiseNotInteger(QString(c));
    return c.unicode() - '0';
}

// One character read as a decimal digit; anything else counts as 0.
int digitOrZero(QChar c) { return isDigit(c) ? c.unicode() - '0' : 0; }

// The check digit of the taxpayer numbers and of the one-digit state registration.
int checkDigit(int sum)
{
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

// The two-digit state registration answers 5, not 0, for remainder 1.
int checkDigitIe2(int sum)
{
    const int r = sum % 11;
    if (r == 0)
        return 0;
    if (r == 1)
        return 5;
    return 11 - r;
}

// The state registration text read as a whole number (at most 64 bits, signless).
quint64 wholeNumber(const QString &text)
{
    if (text.isEmpty())
        raiseNotInteger(text);
    constexpr quint64 limit = static_cast<quint64>(std::numeric_limits<qint64>::max());
    quint64 n = 0;
    for (const QChar c : text) {
        if (!isDigit(c))
            raiseNotInteger(text);
        const quint64 d = static_cast<quint64>(c.unicode() - '0');
        if (n > (limit - d) / 10)
            raiseNotInteger(text);
        n = n * 10 + d;
    }
    return n;
}

} // namespace

bool TFm_Funcoes::ValidaCPF(const QString &cpf) const
{
    if (cpf.size() != 11)
        return false;
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (10 - i) * digitOrRaise(cpf[i]);
    if (checkDigit(sum) != digitOrRaise(cpf[9]))
        return false;
    sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += (11 - i) * digitOrRaise(cpf[i]);
    return checkDigit(sum) == digitOrRaise(cpf[10]);
}

bool TFm_Funcoes::ValidaCNPJ(const QString &cnpj) const
{
    if (cnpj.size() != 14)
        return false;
    int d[14];
    for (int i = 0; i < 14; ++i)
        d[i] = digitOrZero(cnpj[i]);
    static constexpr int w1[12] = {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2};
    static constexpr int w2[12] = {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3};
    int s1 = 0;
    int s2 = 0;
    for (int i = 0; i < 12; ++i) {
        s1 += w1[i] * d[i];
        s2 += w2[i] * d[i];
    }
    const int c1 = checkDigit(s1);
    const int c2 = checkDigit(s2 + 2 * c1);
    return c1 == d[12] && c2 == d[13];
}

bool TFm_Funcoes::ValidaIE(const QString &ie) const
{
    const QString t = ZerosAEsquerda(wholeNumber(ie), 9);
    if (t.size() > 9)
        return false;
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += (9 - i) * digitOrZero(t[i]);
    return checkDigit(sum) == digitOrZero(t[8]);
}

bool TFm_Funcoes::ValidaIEDoisDigitos(const QString &ie) const
{
    const QString t = ZerosAEsquerda(wholeNumber(ie), 9);
    if (t.size() > 9)
        return false;
    int d[9];
    for (int i = 0; i < 9; ++i)
        d[i] = digitOrZero(t[i]);
    int s1 = 0;
    for (int i = 0; i < 7; ++i)
        s1 += (8 - i) * d[i];
    // The second digit is computed over the eighth digit as entered.
    int s2 = 0;
    for (int i = 0; i < 8; ++i)
        s2 += (9 - i) * d[i];
    return checkDigitIe2(s1) == d[7] && checkDigitIe2(s2) == d[8];
}

bool TFm_Funcoes::ValidaEmail(const QString &email) const
{
    const QString text = email.trimmed();
    for (const QChar c : text) {
        if (c.isSpace() || c == QLatin1Char(':') || c == QLatin1Char(';') || c == QLatin1Char('/')
            || c == QLatin1Char('\\'))
            return false;
    }
    const qsizetype at = text.indexOf(QLatin1Char('@'));
    if (at < 0)
        return false;
    const QString local = text.left(at);
    const QString domain = text.mid(at + 1);
    return !local.isEmpty() && !domain.isEmpty() && !domain.contains(QLatin1Char('@'));
}

QString TFm_Funcoes::SoNumeros(const QString &text) const
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (isDigit(c) || c == QLatin1Char(','))
            kept.append(c);
    }
    return kept;
}

double TFm_Funcoes::ValorNumerico(const QString &text) const
{
    const QString digits = SoNumeros(text);
    if (digits.isEmpty() || digits == QLatin1String(",") || digits.count(QLatin1Char(',')) > 1)
        raiseNotNumber(digits);
    QString c = digits;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    // "12," and ",5" are numbers; QString::toDouble wants a digit on both sides.
    if (c.startsWith(QLatin1Char('.')))
        c.prepend(QLatin1Char('0'));
    if (c.endsWith(QLatin1Char('.')))
        c.append(QLatin1Char('0'));
    bool ok = false;
    const double value = c.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        raiseNotNumber(digits);
    return value;
}

QString TFm_Funcoes::ZerosAEsquerda(quint64 number, int width) const
{
    return QString::number(number).rightJustified(width, QLatin1Char('0'));
}

void TFm_Funcoes::CriaArquivoVazio(const QString &path) const { platform::textfile::createEmpty(path); }

} // namespace validation
