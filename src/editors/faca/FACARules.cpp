#include "editors/faca/FACARules.h"

#include "printing/LayoutModel.h"
#include "validation/TFm_Funcoes.h"

namespace editors::faca {

namespace {

void setLabelText(printing::Layout &layout, const QString &name, const QString &text)
{
    if (printing::TextLabel *label = layout.label(name))
        label->text = text;
}

QString labelText(printing::Layout &layout, const QString &name)
{
    const printing::TextLabel *label = layout.label(name);
    return label ? label->text : QString();
}

} // namespace

bool inscricaoOpen(int pedidoIndex) { return pedidoIndex != kPedidoInscricao; }

bool cnpjQuilomboOpen(int condicaoIndex) { return condicaoIndex == kCondicaoQuilombola; }

bool condicaoComPrazo(int condicaoIndex) { return condicaoIndex == 2 || condicaoIndex == 4 || condicaoIndex == 5; }

QString printProblem(const PrintForm &form, const validation::TFm_Funcoes &funcoes)
{
    if (form.pedido < 0)
        return QStringLiteral("Natureza do Pedido deve ser informada.");
    if (form.pedido != kPedidoInscricao && funcoes.SoNumeros(form.inscricao).isEmpty())
        return QStringLiteral("Inscrição Estadual deve ser informada.");
    if (form.condicao < 0)
        return QStringLiteral("Condição do Produtor deve ser informada.");
    const bool comPrazo = condicaoComPrazo(form.condicao);
    if (!comPrazo && form.prazo == kPrazoSim)
        return QStringLiteral(
            "O Contrato com Prazo Determinado não pode ser utilizado para esta Condição de Produtor.");
    if (comPrazo && form.prazo < 0)
        return QStringLiteral("Informar se o Contrato possui prazo determinado.");
    // An empty date field holds only its literals ("  /  /    "); no digit is no date.
    if (comPrazo && form.prazo != kPrazoNao && funcoes.SoNumeros(form.fimContrato).isEmpty())
        return QStringLiteral("Data Fim do Contrato deve ser informada.");
    return {};
}

QString localEData(const QString &local, const QString &data) { return local + QStringLiteral(", ") + data; }

void clearPlaceAndDate(printing::Layout &layout)
{
    setLabelText(layout, QStringLiteral("lab_Local"), {});
    setLabelText(layout, QStringLiteral("lab_Data"), {});
}

void joinPlaceAndDate(printing::Layout &layout)
{
    setLabelText(layout, QStringLiteral("lab_LocalData"),
                 localEData(labelText(layout, QStringLiteral("lab_Local")), labelText(layout, QStringLiteral("lab_Data"))));
    clearPlaceAndDate(layout);
}

} // namespace editors::faca
