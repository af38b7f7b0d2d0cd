#include "app/Commands.h"

#include "platform/Escape.h"
#include "platform/RaisedError.h"
#include "validation/TFm_Funcoes.h"

#include <QTextStream>

#include <functional>

namespace app {

namespace {

const char *const kValidaUsage =
    "Uso: fichas valida TIPO VALOR...\n"
    "  TIPO: cpf    CPF (11 dígitos)\n"
    "        cnpj   CNPJ (14 dígitos)\n"
    "        ie     Inscrição Estadual, um dígito verificador\n"
    "        ie2    Inscrição Estadual, dois dígitos verificadores\n"
    "        email  endereço de correio eletrônico\n"
    "  Os números podem vir com pontuação (123.456.789-09); o e-mail é testado como dado.\n"
    "  Saída: uma linha por valor, VALOR<TAB>valido ou VALOR<TAB>invalido;\n"
    "         no VALOR, TAB, CR, LF e outros caracteres de controle saem como \\t, \\r, \\n, \\xNN\n"
    "         e a barra invertida como \\\\.\n"
    "  Código de saída: 0 todos válidos, 1 algum inválido ou falha ao escrever a saída,\n"
    "                   2 erro de uso.\n";

using Test = std::function<bool(const QString &)>;

// The test for a kind of value, as the editors run it on a field's text.
Test testFor(const QString &kind, const validation::TFm_Funcoes &f)
{
    const auto digits = [&f](bool (validation::TFm_Funcoes::*rule)(const QString &) const) -> Test {
        return [&f, rule](const QString &value) { return (f.*rule)(f.SoNumeros(value)); };
    };
    if (kind == QLatin1String("cpf"))
        return digits(&validation::TFm_Funcoes::ValidaCPF);
    if (kind == QLatin1String("cnpj"))
        return digits(&validation::TFm_Funcoes::ValidaCNPJ);
    if (kind == QLatin1String("ie"))
        return digits(&validation::TFm_Funcoes::ValidaIE);
    if (kind == QLatin1String("ie2"))
        return digits(&validation::TFm_Funcoes::ValidaIEDoisDigitos);
    if (kind == QLatin1String("email"))
        return [&f](const QString &value) { return f.ValidaEmail(value); };
    return {};
}

} // namespace

int runValida(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const validation::TFm_Funcoes funcoes;
    const Test test = args.isEmpty() ? Test() : testFor(args.first(), funcoes);
    if (!test || args.size() < 2) {
        if (args.isEmpty())
            err << "fichas valida: falta o tipo\n";
        else if (!test)
            err << "fichas valida: tipo desconhecido: " << platform::escapeControls(args.first()) << '\n';
        else
            err << "fichas valida: falta o valor\n";
        err << kValidaUsage;
        err.flush();
        return 2;
    }

    bool allValid = true;
    for (qsizetype i = 1; i < args.size(); ++i) {
        bool valid = false;
        try {
            valid = test(args[i]);
        } catch (const platform::RaisedError &) {
            // Nothing left to read as a number, a comma among the digits, too many digits.
            valid = false;
        }
        allValid = allValid && valid;
        // One line per value, whatever the value holds.
        out << platform::escapeControls(args[i]) << '\t' << (valid ? "valido" : "invalido") << '\n';
    }
    out.flush();
    if (out.status() != QTextStream::Ok) {
        // An answer that never reached its reader is no answer: a full disk or a closed
        // pipe must not look like "all valid".
        err << "fichas valida: não foi possível escrever a saída\n";
        err.flush();
        return 1;
    }
    return allValid ? 0 : 1;
}

} // namespace app
