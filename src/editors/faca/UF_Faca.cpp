#include "editors/faca/UF_Faca.h"

#include "editors/common/ButtonBar.h"
#include "editors/common/FieldBehaviour.h"
#include "editors/common/FieldFormats.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "printing/PrintRun.h"
#include "printing/ReportFactory.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace editors {

namespace {

const QString kHeader = QStringLiteral("cabecalho");
const QString kProdutor = QStringLiteral("produtor");
const QString kEndereco = QStringLiteral("endereco");
const QString kPropriedade = QStringLiteral("propriedade");
const QString kProprietario = QStringLiteral("proprietario");
const QString kDeclaracao = QStringLiteral("declaracao");
const QString kLocalData = QStringLiteral("localData");

// The pages' titles, each with the boxes that stand on it.
const QString kPageProdutor = QStringLiteral("Produtor");
const QString kPagePropriedade = QStringLiteral("Propriedade");
const QString kPageProprietario = QStringLiteral("Proprietário");
const QString kPageDeclarante = QStringLiteral("Declarante");

const QString kMaskInscricao = QStringLiteral("!999.999.99-9;0; ");
const QString kMaskCnpj = QStringLiteral("99.999.999/9999-99;1; ");
const QString kMaskTelefoneFaca = QStringLiteral("!(9999)99999999;1; ");

// A masked field without a mask: a plain text of at most `length` characters.
FieldRow plain(const QString &control, const QString &title, int tag, int length)
{
    FieldRow row = masked(control, title, tag, {});
    row.maxLength = length;
    return row;
}

QGroupBox *groupOn(QWidget *page, const QString &title)
{
    auto *group = new QGroupBox(title, page);
    return group;
}

// Codes printed for the request nature; the blank entry has none.
const QStringList kPedido{"Inscrição", "Alteração", "Reativação", "Correção", "Recadastramento", " "};
const QStringList kPedidoValores{"1-Inscrição", "2-Alteração", "3-Reativação", "4-Correção", "5-Recadastramento"};
const QStringList kCondicao{"Proprietário",     "Condômino",        "Arrendatário",          "Usufrutuário",
                           "Parceiro",         "Comodatário",      "Pescador",              "Posseiro",
                           "NU Proprietário",  "Mutuário ",        "Pr.Rur.Com.Quilombola", "Co-Proprietário",
                           "Pr.Rur.Res.Indigena"};
// The indigenous-reserve producer prints with code 8, as the authority's form
// codes it, beside "8-Posseiro".
const QStringList kCondicaoValores{"1-Proprietário",  "2-Condômino",     "3-Arrendatário",
                                  "4-Usufrutuário",  "5-Parceiro",      "6-Comodatário",
                                  "7-Pescador",      "8-Posseiro",      "9-NU Proprietário",
                                  "10-Mutuário ",    "11-Pr.Rur.Com.Quilombola", "12-Co-Proprietário",
                                  "8-Pr.Rur.Res.Indigena", ""};
const QStringList kPrazo{"Sim ", "Não"};

// Mae_InscricaoExit: either Inscrição Estadual rule passes. mae_DtFimContratoExit serves both
// contract dates; mae_DataDeclaracaoExit the declaration's.
const RowCheck kInscricao = [](const CheckInput &in) {
    return validation::checkIeUmOuDoisDigitos(in.funcoes, in.text, validation::msg::kIeInvalidaFaca);
};
const RowCheck kDate = [](const CheckInput &in) {
    return validation::checkDate(in.text, validation::msg::kDataInvalidaFaca);
};

} // namespace

QList<FieldRow> TFm_Faca::fieldRows()
{

    return {
        // Header, titles before the fields.
        masked("Mae_Inscricao", "01-Inscrição Estadual Nº :", 1, kMaskInscricao).at(kHeader, 0, 0, 2).beside().titled("Lab_TIT_Inscricao").checked(kInscricao),
        list("Inc_Pedido", "02-Natureza do Pedido :", 2, kPedido).withValues(kPedidoValores).at(kHeader, 0, 1, 2).beside(),

        // Page 1, "01 - Identificação do Produtor".
        text("Edit6", "01-Nome ou Razão Social", 11, 46).at(kProdutor, 0, 0, 3),
        plain("mae_Cpf", "02- CPF ou CNPJ", 12, 14).at(kProdutor, 0, 1, 1),
        plain("MaskEdit5", "03-NIRF/INCRA/SIPRA/FUNAI/RGP", 13, 50).at(kProdutor, 1, 0, 3),
        list("incCmb_Condicao", "04-Condição do Produtor", 14, kCondicao).withValues(kCondicaoValores).at(kProdutor, 1, 1, 2),
        list("incCmb_Prazo", "06-Contrato com Prazo Determinado?", 15, kPrazo).withValues({"SIM", "NÃO"}).at(kProdutor, 2, 0, 2),
        masked("mae_DtFimContrato", "07-Data Fim do Contrato", 16, kMaskData).at(kProdutor, 2, 1, 1).checked(kDate),
        masked("MaskEdit2", "08-Data Inicio Atividades", 45, kMaskData).at(kProdutor, 2, 2, 1).checked(kDate),
        masked("MaskEdit3", "05-CNPJ", 50, kMaskCnpj).at(kProdutor, 1, 2, 2).initially(FieldState::Grey),

        // Page 1, "02 - Endereço do Produtor para Correspondência".
        text("Edit9", "01-Tipo Log.", 17, 10).at(kEndereco, 0, 0, 1),
        text("Edit10", "02-Nome do Logradouro", 18, 50).at(kEndereco, 0, 1, 4),
        text("Edit5", "04-Número", 33, 10).at(kEndereco, 1, 0, 1),
        text("Edit12", "05-Complemento", 19, 15).at(kEndereco, 1, 1, 2),
        text("Edit13", "06-Nome do Bairro", 20, 50).at(kEndereco, 1, 2, 3),
        masked("MaskEdit6", "08-Telefone", 21, kMaskTelefoneFaca).at(kEndereco, 2, 0, 1),
        text("Edit14", "09-Nome do Distrito", 22, 50).at(kEndereco, 2, 1, 3),
        text("Edit15", "11-Município", 23, 50).at(kEndereco, 3, 0),

        // Page 2, "03 - Identificação da Propriedade".
        text("Edit19", "01-Nome da Propriedade", 24, 46).at(kPropriedade, 0, 0),
        text("Edit2", "02-Tipo Log.", 25, 10).at(kPropriedade, 1, 0, 1),
        text("Edit3", "03-Nome do Logradouro", 26, 50).at(kPropriedade, 1, 1, 4),
        text("Edit4", "05-Nome do Bairro", 27, 50).at(kPropriedade, 2, 0),
        text("Edit7", "07-Nome do Distrito", 28, 50).at(kPropriedade, 3, 0),
        text("Edit8", "09-Município", 29, 50).at(kPropriedade, 4, 0),
        text("Edit23", "11-Referência", 43, 78).at(kPropriedade, 5, 0),

        // Page 3, "04 - Identificação do Proprietário do Imóvel".
        text("Edit11", "01-Nome", 34, 46).at(kProprietario, 0, 0, 3),
        plain("MaskEdit1", "02-CPF ou CNPJ", 35, 14).at(kProprietario, 0, 1, 1),
        text("Edit16", "03-Tipo Log.", 36, 10).at(kProprietario, 1, 0, 1),
        text("Edit17", "04-Nome do Logradouro", 37, 50).at(kProprietario, 1, 1, 3),
        text("Edit22", "06-Nº do Imóvel", 38, 50).at(kProprietario, 2, 0, 1),
        text("Edit18", "07-Nome do Bairro", 39, 50).at(kProprietario, 2, 1, 3),
        text("Edit20", "09-Nome do Distrito", 40, 50).at(kProprietario, 3, 0, 3),
        masked("me_TelProprietario", "11-CEP", 41, kMaskCep).at(kProprietario, 3, 1, 1),
        text("Edit21", "12-Município", 42, 50).at(kProprietario, 4, 0),
        text("Edit24", "14-Referência", 44, 78).at(kProprietario, 5, 0),

        // Page 4, "05 - Declaração do Contribuinte".
        text("Edit35", "01-Nome do Declarante", 30, 46).at(kDeclaracao, 0, 0),
        text("Edit1", "Local", 31, 46).at(kLocalData, 0, 0, 3),
        masked("mae_DataDeclaracao", "Data", 32, kMaskData).at(kLocalData, 0, 1, 1).checked(kDate),
    };
}

const FormDescription &TFm_Faca::description()
{
    static const FormDescription faca = [] {
        static const store::FormTypeInfo info{
            QStringLiteral("Ficha de Atualização Cadastral da Agropecuária - FACA"), QStringLiteral("FACA"),
            QStringLiteral("Abrir - FACA"), QStringLiteral("Lista_Faca.fca"), QStringLiteral("Faca_"),
            QStringLiteral(".fca"), QStringLiteral("FACA - Ficha de Atualização Cadastral da Agropecuária"),
            QStringLiteral("Salvar - FACA"), {2, 0}, {QStringLiteral("TRl_Faca")}};
        FormDescription d;
        d.type = store::FormType(info);
        d.create = makeEditor<TFm_Faca>;
        d.rows = fieldRows();
        d.pages = {{kProdutor, kPageProdutor},         {kEndereco, kPageProdutor},
                   {kPropriedade, kPagePropriedade},   {kProprietario, kPageProprietario},
                   {kDeclaracao, kPageDeclarante},     {kLocalData, kPageDeclarante}};
        d.rules = changeRules({{QStringLiteral("Inc_Pedido"), faca::Inc_PedidoChange},
                               {QStringLiteral("incCmb_Condicao"), faca::incCmb_CondicaoChange}});
        d.printProblems = [](const FormFields &form, const validation::TFm_Funcoes &funcoes) {
            return faca::printProblems(form, funcoes);
        };
        // The layout's working labels of the place and the date print as one line.
        d.printLayout = [](const QString &name) {
            return printing::PrintLayout{
                name,
                {[](printing::Layout &l, const printing::TagValues &) { faca::clearPlaceAndDate(l); },
                 [](printing::Layout &l, const printing::TagValues &) { faca::joinPlaceAndDate(l); }},
                {{QStringLiteral("lab_LocalData"), 31}}};
        };
        return d;
    }();
    return faca;
}

const QList<int> &TFm_Faca::recordOrder()
{
    static const QList<int> order{2,  1,  11, 12, 13, 16, 14, 15, 45, 50, 17, 18, 19, 20, 22, 23, 21, 33, 24,
                                  25, 26, 28, 29, 27, 43, 34, 36, 37, 39, 40, 42, 38, 41, 35, 44, 30, 31, 32};
    return order;
}

const QList<int> &TFm_Faca::tabOrder()
{
    static const QList<int> order{1,  2,  11, 12, 13, 14, 15, 16, 45, 50, 17, 18, 33, 19, 20, 21, 22, 23, 24,
                                  25, 26, 27, 28, 29, 43, 34, 35, 36, 37, 38, 39, 40, 41, 42, 44, 30, 31, 32};
    return order;
}

QString TFm_Faca::helpFile()
{
    return platform::manualPage(QStringLiteral("FACA.HLP"));
}

TFm_Faca::TFm_Faca(const validation::TFm_Funcoes &funcoes, QWidget *parent)
    : EditorBase(description().type, parent), m_funcoes(funcoes)
{
    buildPages();
    Mae_Inscricao = m_fields.require<widgets::TMaskEdit>(QStringLiteral("Mae_Inscricao"));
    Inc_Pedido = m_fields.require<widgets::TIncCombo>(QStringLiteral("Inc_Pedido"));
    incCmb_Condicao = m_fields.require<widgets::TIncCombo>(QStringLiteral("incCmb_Condicao"));
    incCmb_Prazo = m_fields.require<widgets::TIncCombo>(QStringLiteral("incCmb_Prazo"));
    MaskEdit3 = m_fields.require<widgets::TMaskEdit>(QStringLiteral("MaskEdit3"));
    Lab_TIT_Inscricao = m_fields.title(QStringLiteral("Mae_Inscricao"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(GrB_Cabecalho);
    layout->addWidget(PC_Faca, 1);

    Button1 = new QPushButton(QStringLiteral("Ajuda"), this);
    makeButtons();
    Button1->setObjectName(QStringLiteral("Button1"));
    // Ajuda stands first but is reached last with the keyboard (the chain below).
    layout->addLayout(buttonBar({Button1, Btn_Imprimir, Btn_Margens, Btn_Limpar, Btn_Fechar}));

    connect(Button1, &QPushButton::clicked, this, &TFm_Faca::Button1Click);
    useDescription(description());

    chainTabOrder(m_fields.inTabOrder(tabOrder()) << Btn_Imprimir << Btn_Margens << Btn_Limpar << Btn_Fechar << Button1);
    setRecordFields(m_fields.tagged(recordOrder()));

    FormCreate();
    fixSizeWhenShown(QSize(559, 404));
}

// The header, the four pages and their groups, with the fields built into them.
void TFm_Faca::buildPages()
{
    GrB_Cabecalho = new QGroupBox(this);
    PC_Faca = new QTabWidget(this);
    PC_Faca->setObjectName(QStringLiteral("PC_Faca"));
    auto page = [this](const char *name, const QString &caption) {
        auto *p = new QWidget;
        p->setObjectName(QString::fromLatin1(name));
        auto *v = new QVBoxLayout(p);
        v->setContentsMargins(4, 4, 4, 4);
        v->setSpacing(4);
        PC_Faca->addTab(p, caption);
        return p;
    };
    QWidget *produtor = page("TBS_Produtor", kPageProdutor);
    QWidget *propriedade = page("TBS_Propriedade", kPagePropriedade);
    QWidget *proprietario = page("TBS_Proprietario", kPageProprietario);
    QWidget *declarante = page("TBS_Declarante", kPageDeclarante);

    QGroupBox *grIdentificacao = groupOn(produtor, QStringLiteral("  01 - Identificação do Produtor  "));
    QGroupBox *grEndereco = groupOn(produtor, QStringLiteral("  02 - Endereço do Produtor para Correspondência  "));
    QGroupBox *grPropriedade = groupOn(propriedade, QStringLiteral("  03 - Identificação da Propriedade  "));
    QGroupBox *grProprietario = groupOn(proprietario, QStringLiteral(" 04 - Identificação do Proprietário do Imóvel"));
    QGroupBox *grDeclaracao = groupOn(declarante, QStringLiteral(" 05 - Declaração do Contribuinte  "));
    // The declaration's fixed sentence heads its group, above the declarant's name.
    auto *declaracao = new QVBoxLayout(grDeclaracao);
    declaracao->setContentsMargins(6, 2, 6, 4);
    auto *sentence = new QLabel(
        QStringLiteral("Declaro para os fins e efeitos de direito, que o presente documento é a expressão da verdade."),
        grDeclaracao);
    sentence->setWordWrap(true);
    declaracao->addWidget(sentence);
    QGroupBox *grLocalData = new QGroupBox(QStringLiteral("  02-Local e Data  "), grDeclaracao);

    m_fields.addBox(kHeader, GrB_Cabecalho);
    m_fields.addBox(kProdutor, grIdentificacao);
    m_fields.addBox(kEndereco, grEndereco);
    m_fields.addBox(kPropriedade, grPropriedade);
    m_fields.addBox(kProprietario, grProprietario);
    m_fields.addBox(kDeclaracao, grDeclaracao);
    m_fields.addBox(kLocalData, grLocalData);
    m_fields.useFuncoes(m_funcoes);
    m_fields.build(description().rows);
    declaracao->addWidget(grLocalData);

    for (auto [p, groups] : {std::pair<QWidget *, QList<QGroupBox *>>{produtor, {grIdentificacao, grEndereco}},
                             {propriedade, {grPropriedade}},
                             {proprietario, {grProprietario}},
                             {declarante, {grDeclaracao}}}) {
        auto *v = static_cast<QVBoxLayout *>(p->layout());
        for (QGroupBox *g : groups)
            v->addWidget(g);
        v->addStretch();
    }
}

void TFm_Faca::FormCreate()
{
    PC_Faca->setCurrentIndex(0);
    // The first clearing asks nothing: there is nothing to lose yet.
    LimpaCampos();
}

void TFm_Faca::Button1Click()
{
    // The contents topic of FACA.HLP: the manual's FACA page, in the help window.
    platform::openManual(this, QStringLiteral("FACA.HLP"));
}

} // namespace editors
