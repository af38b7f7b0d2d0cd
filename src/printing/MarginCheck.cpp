#include "printing/MarginCheck.h"

#include "platform/RaisedError.h"
#include "validation/TFm_Funcoes.h"

#include <cmath>

namespace printing {

MarginExit checkMarginField(const QString &text, const validation::TFm_Funcoes &funcoes)
{
    if (text.trimmed().isEmpty())
        return {MarginExit::Keep, text};
    double value = 0.0;
    try {
        value = funcoes.ValorNumerico(text);
    } catch (const platform::RaisedError &) {
        return {MarginExit::NotANumber, text};
    }
    if (!std::isfinite(value) || value < 0.0 || value > 100.0)
        return {MarginExit::OutOfRange, text};
    return {MarginExit::Rewrite, QString::number(std::lround(value))};
}

} // namespace printing
