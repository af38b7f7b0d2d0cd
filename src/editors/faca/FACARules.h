#pragma once

#include "editors/common/PrintProblem.h"

#include <QString>

namespace editors {
class FormFields;
}
namespace printing {
struct Layout;
}
namespace validation {
class TFm_Funcoes;
}

// The FACA's own rules, apart from its window: which fields a choice opens, the checks
// before printing, and the layout's place-and-date line.
namespace editors::faca {

// Item indexes of the lists that the rules look at.
inline constexpr int kPedidoInscricao = 0;        // "Inscrição": a first registration
inline constexpr int kCondicaoQuilombola = 10;    // "Pr.Rur.Com.Quilombola"
inline constexpr int kPrazoSim = 0;               // "Sim "
inline constexpr int kPrazoNao = 1;               // "Não"

// A first registration has no state number yet: the Inscrição Estadual is open for
// every other request nature, for no choice and for the blank entry.
bool inscricaoOpen(int pedidoIndex);
// The quilombo's CNPJ belongs to the quilombola condition only.
bool cnpjQuilomboOpen(int condicaoIndex);
// Tenants, partners and borrowers ("Arrendatário", "Parceiro", "Comodatário") are the
// conditions that may work under a contract with a fixed term.
bool condicaoComPrazo(int condicaoIndex);

// Inc_PedidoChange: a first registration empties the Inscrição Estadual and closes it with
// its title; any other request opens them.
void Inc_PedidoChange(FormFields &form);
// incCmb_CondicaoChange: the quilombo's CNPJ opens for the quilombola condition only. It
// keeps its text while closed: it is saved and read back either way.
void incCmb_CondicaoChange(FormFields &form);

// What the checks before printing read from the form.
struct PrintForm {
    int pedido = -1;        // Inc_Pedido
    QString inscricao;      // Mae_Inscricao, as the mask gives it
    int condicao = -1;      // incCmb_Condicao
    int prazo = -1;         // incCmb_Prazo
    QString fimContrato;    // mae_DtFimContrato, as the mask gives it
};

// Every check before printing that the form fails, in the order the user fixes them,
// each with its field; empty when it may be printed. The term checks wait for a
// producer condition: without one they have nothing to judge.
PrintProblems printProblems(const PrintForm &form, const validation::TFm_Funcoes &funcoes);
// The same, read from the form's fields.
PrintProblems printProblems(const FormFields &form, const validation::TFm_Funcoes &funcoes);

// The declaration's place and date on one line: "place, date".
QString localEData(const QString &local, const QString &data);

// The layout's own steps around the tag fill: the working labels of the place and the
// date are emptied before it; after it their texts are joined into lab_LocalData and
// they are emptied again, so they print nothing of their own.
void clearPlaceAndDate(printing::Layout &layout);
void joinPlaceAndDate(printing::Layout &layout);

} // namespace editors::faca
