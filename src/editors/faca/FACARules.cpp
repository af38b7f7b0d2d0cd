#include "editors/faca/FACARules.h"

#include "editors/common/FieldTable.h"
#include "editors/common/FormFields.h"
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

void Inc_PedidoChange(FormFields &form)
{
    const QString inscricao = QStringLiteral("Mae_Inscricao");
    const int pedido = form.choiceOf(QStringLiteral("Inc_Pedido"));
    if (pedido == kPedidoInscricao)
        form.empty(inscricao);
    const bool open = inscricaoOpen(pedido);
    form.openTitle(inscricao, open);
    form.setState(inscricao, open ? FieldState::Enabled : FieldState::Grey);
}

void incCmb_CondicaoChange(FormFields &form)
{
    form.setState(QStringLiteral("MaskEdit3"), cnpjQuilomboOpen(form.choiceOf(QStringLiteral("incCmb_Condicao")))
                                                   ? FieldState::Enabled
                                                   : FieldState::Grey);
}

PrintProblems printProblems(const FormFields &form, const validation::TFm_Funcoes &funcoes)
{
    PrintForm read;
    read.pedido = form.choiceOf(QStringLiteral("Inc_Pedido"));
    read.inscricao = form.shownText(QStringLiteral("Mae_Inscricao"));
    read.condicao = form.choiceOf(QStringLiteral("incCmb_Condicao"));
    read.prazo = form.choiceOf(QStringLiteral("incCmb_Prazo"));
    read.fimContrato = form.shownText(QStringLiteral("mae_DtFimContrato"));
    return printProblems(read, funcoes);
}

PrintProblems printProblems(const PrintForm &form, const validation::TFm_Funcoes &funcoes)
{
    PrintProblems problems;
    auto fails = [&](const char *control, const QString &message) {
        problems.append({QString::fromLatin1(control), message});
    };
    if (form.pedido < 0)
        fails("Inc_Pedido", QStringLiteral("Natureza do Pedido deve ser informada."));
    if (form.pedido != kPedidoInscricao && funcoes.SoNumeros(form.inscricao).isEmpty())
        fails("Mae_Inscricao", QStringLiteral("Inscrição Estadual deve ser informada."));
    if (form.condicao < 0) {
        fails("incCmb_Condicao", QStringLiteral("Condição do Produtor deve ser informada."));
        return problems;
    }
    const bool comPrazo = condicaoComPrazo(form.condicao);
    if (!comPrazo && form.prazo == kPrazoSim)
        fails("incCmb_Prazo",
              QStringLiteral("O Contrato com Prazo Determinado não pode ser utilizado para esta Condição de Produtor."));
    if (comPrazo && form.prazo < 0)
        fails("incCmb_Prazo", QStringLiteral("Informar se o Contrato possui prazo determinado."));
    // An empty date field holds only its literals ("  /  /    "); no digit is no date.
    if (comPrazo && form.prazo != kPrazoNao && funcoes.SoNumeros(form.fimContrato).isEmpty())
        fails("mae_DtFimContrato", QStringLiteral("Data Fim do Contrato deve ser informada."));
    return problems;
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
