#pragma once

#include <QString>

// The texts the field checks of the editors report, in one place. Each editor words
// some of them its own way, hence the several date and state-registration texts.
namespace validation::msg {

inline const QString kCpfInvalido = QStringLiteral("CPF Inválido");
inline const QString kCgcInvalido = QStringLiteral("CGC Inválido");

// Inscrição Estadual: FAC / FACA.
inline const QString kIeInvalidaFac = QStringLiteral("INSCRIÇÃO ESTADUAL INVÁLIDA.");
inline const QString kIeInvalidaFaca = QStringLiteral("Inscrição Estadual Inválida");

inline const QString kEmailInvalido = QStringLiteral("E-MAIL INVÁLIDO.");

// Dates: FAC / FACA / FAS.
inline const QString kDataInvalidaFac = QStringLiteral("DATA INVÁLIDA");
inline const QString kDataInvalidaFaca = QStringLiteral("Data Inválida");
inline const QString kDataVencimentoInvalida = QStringLiteral("Data de Vencimento Inválida");

// Amounts, percentages and margins.
inline const QString kValorForaDaFaixa = QStringLiteral("Valor fora da faixa permitida.");
inline const QString kValorNumericoInvalido = QStringLiteral("Valor numérico inválido.");
inline const QString kPercentualInvalido = QStringLiteral("Percentual inválido.");
inline const QString kLarguraMargemInvalida = QStringLiteral("Largura de margem inválida.");

} // namespace validation::msg
