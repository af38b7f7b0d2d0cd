#pragma once

#include <QString>

namespace validation {

// The validation and formatting operations shared by the editors: check digits of the
// taxpayer numbers (CPF, CGC/CNPJ), the two state-registration (Inscrição Estadual)
// rules, the e-mail rule and a few number and text helpers.
//
// Stateless. The main window creates the one instance at start-up and hands it to
// whoever needs it; it lives as long as the main window.
//
// The operations that convert text to numbers raise platform::RaisedError (the
// conversion error) on a text they cannot convert, as noted on each one.
class TFm_Funcoes {
public:
    // True when the text has exactly 11 characters and both check digits are right.
    // Any other length is false. A non-digit among the characters that are examined
    // raises the conversion error (the editors pass digits only).
    bool ValidaCPF(const QString &cpf) const;

    // True when the text has exactly 14 characters and both check digits are right.
    // A non-digit counts as 0. The second digit is computed from the computed first
    // digit, not from the entered one.
    bool ValidaCNPJ(const QString &cnpj) const;

    // Inscrição Estadual with one check digit. The text is read as a whole number and
    // left-padded with zeros to 9 digits; more than 9 digits is false. An empty text,
    // or one that is not a whole number of at most 64 bits, raises the conversion error.
    bool ValidaIE(const QString &ie) const;

    // Inscrição Estadual with two check digits; the text is read as for ValidaIE.
    bool ValidaIEDoisDigitos(const QString &ie) const;

    // True when the text, trimmed, is a plausible e-mail address: one "@" with text on
    // both sides, no blank and none of ":", ";", "/" or "\". No dot is required.
    bool ValidaEmail(const QString &email) const;

    // The text with every character removed except the digits 0 to 9 and the comma.
    QString SoNumeros(const QString &text) const;

    // SoNumeros of the text read as a decimal number with the comma as decimal
    // separator; the point (thousands) and the minus sign are dropped with the rest, so
    // "1.234,56" gives 1234.56 and "-5" gives 5. Raises the conversion error when
    // nothing is left or more than one comma is left.
    double ValorNumerico(const QString &text) const;

    // The decimal text of the number with "0" added in front up to the width.
    QString ZerosAEsquerda(quint64 number, int width) const;

    // Creates an empty file at the path unless one exists; raises when it cannot.
    void CriaArquivoVazio(const QString &path) const;
};

} // namespace validation
