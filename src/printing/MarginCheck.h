#pragma once

#include <QString>

namespace validation {
class TFm_Funcoes;
}

namespace printing {

inline const QString kMarginInvalid = QStringLiteral("Largura de margem inválida.");

// What leaving a margin field does with its text: an empty text stays; a number from 0
// to 100 is rewritten rounded to a whole number; anything else is refused, a text
// without a number (raised as an error) apart from a number out of range (a message).
struct MarginExit {
    enum Outcome { Keep, Rewrite, NotANumber, OutOfRange };
    Outcome outcome = Keep;
    QString text;   // the field's new text for Rewrite
};

MarginExit checkMarginField(const QString &text, const validation::TFm_Funcoes &funcoes);

} // namespace printing
