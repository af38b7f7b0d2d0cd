#include "editors/fca/UF_Fca.h"

#include "editors/common/EditorParts.h"
#include "printing/PrintRun.h"
#include "validation/FieldChecks.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <map>

namespace editors {

using widgets::FieldKind;
using widgets::TIncCombo;
using widgets::TMaskEdit;

namespace {

const QString kMaskCpf = QStringLiteral("999.999.999-99;1; ");
const QString kMaskInscricao = QStringLiteral("999.999.99-9;1; ");

struct Cell {
    QString title;
    QWidget *field;
    int stretch;
};

// One row of fields with their titles above them.
QGridLayout *titledRow(std::initializer_list<Cell> cells)
{
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    int column = 0;
    for (const Cell &c : cells) {
        placeTitled(grid, 0, column, c.title, c.field);
        grid->setColumnStretch(column, c.stretch);
        ++column;
    }
    return grid;
}

} // namespace

QWidget *TFm_Fca::Produtor::item(int j) const
{
    const std::array<QWidget *, 15> items{tratamento, cpf, identidade, ufIdentidade, nome, tipoLog,
                                          logradouro, numero, complemento, bairro, cep, telefone,
                                          distrito, municipio, uf};
    return items.at(size_t(j - 1));
}

const std::array<int, 49> &TFm_Fca::recordOrder()
{
    static const std::array<int, 49> order{
        1,   2,   3,   4,   102, 105, 106, 107, 108, 109, 110, 111, 113, 114, 115, 101, 112,
        103, 104, 201, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214, 215, 202, 203, 204,
        301, 305, 306, 307, 308, 309, 310, 311, 312, 313, 314, 315, 302, 303, 304};
    return order;
}

TFm_Fca::TFm_Fca(const validation::TFm_Funcoes &funcoes, QWidget *parent)
    : EditorBase(store::FormType::FCA, parent), m_funcoes(funcoes)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(buildHolder());

    GrB_Socios = new QGroupBox(QStringLiteral("  02 - Identificação / Endereço dos Outros Produtores "), this);
    auto *socios = new QVBoxLayout(GrB_Socios);
    socios->setContentsMargins(4, 2, 4, 4);
    PC_Produtor = new QTabWidget(GrB_Socios);
    const QStringList pages{QStringLiteral("Produtor : 1"), QStringLiteral("Produtor: 2"),
                            QStringLiteral("Produtor : 3")};
    for (int k = 1; k <= 3; ++k)
        PC_Produtor->addTab(buildProdutorPage(k), pages.at(k - 1));
    socios->addWidget(PC_Produtor);
    layout->addWidget(GrB_Socios, 1);

    Btn_Imprimir = new QPushButton(QStringLiteral("&Imprimir"), this);
    Btn_Margens = new QPushButton(QStringLiteral("&Margens"), this);
    Btn_Limpar = new QPushButton(QStringLiteral("&Limpar"), this);
    Btn_Fechar = new QPushButton(QStringLiteral("&Fechar"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto *b : {Btn_Imprimir, Btn_Margens, Btn_Limpar, Btn_Fechar}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(75);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(Btn_Imprimir, &QPushButton::clicked, this, &TFm_Fca::Btn_ImprimirClick);
    connect(Btn_Margens, &QPushButton::clicked, this, &TFm_Fca::Btn_MargensClick);
    connect(Btn_Limpar, &QPushButton::clicked, this, &TFm_Fca::Btn_LimparClick);
    connect(Btn_Fechar, &QPushButton::clicked, this, &TFm_Fca::Btn_FecharClick);

    nameProducerControls();
    setTabOrder();
    setRecordFields(fieldsInRecordOrder());

    // The four CPF checks run when the focus leaves the field.
    validation::bindCpfCheck(Mae_NrReg_Emp, m_funcoes);
    validation::bindCpfCheck(edm_NrReg_1, m_funcoes);
    validation::bindCpfCheck(edm_cpf_2, m_funcoes);
    validation::bindCpfCheck(edm_cpf_3, m_funcoes);

    FormCreate();
    fixSizeWhenShown(QSize(526, 460));
}

QWidget *TFm_Fca::buildHolder()
{
    GrB_Empresa = new QGroupBox(QStringLiteral("  01 - Identificação do Produtor Titular  "), this);
    Edi_Razao_Empresa = textField(GrB_Empresa, 46);
    Mae_NrReg_Emp = maskedField(GrB_Empresa, kMaskCpf);
    Edit1 = textField(GrB_Empresa, 46);
    MaskEdit1 = maskedField(GrB_Empresa, kMaskInscricao);
    auto *box = new QVBoxLayout(GrB_Empresa);
    box->setContentsMargins(6, 2, 6, 4);
    box->setSpacing(2);
    box->addLayout(titledRow({{QStringLiteral("01 - Nome"), Edi_Razao_Empresa, 3},
                                           {QStringLiteral("02 - Nº CPF"), Mae_NrReg_Emp, 1}}));
    box->addLayout(titledRow({{QStringLiteral("03 - Propriedade"), Edit1, 3},
                                           {QStringLiteral("04 - Inscrição"), MaskEdit1, 1}}));
    return GrB_Empresa;
}

QWidget *TFm_Fca::buildProdutorPage(int k)
{
    auto *page = new QWidget;
    Produtor &p = produtores.at(size_t(k - 1));
    p.tratamento = comboField(page, {QStringLiteral("Incluir"), QStringLiteral("Alterar"), QStringLiteral("Excluir")},
                              {QStringLiteral("1-Incluir"), QStringLiteral("2-Alterar"), QStringLiteral("3-Excluir")});
    p.cpf = maskedField(page, kMaskCpf);
    p.identidade = textField(page, 12);
    p.ufIdentidade = comboField(page, estados());
    p.nome = textField(page, 46);
    p.tipoLog = textField(page, 7);
    p.logradouro = textField(page, 40);
    p.numero = textField(page, 5);
    p.complemento = textField(page, 15);
    p.bairro = textField(page, 40);
    p.cep = maskedField(page, kMaskCep);
    p.telefone = maskedField(page, kMaskTelefone);
    p.distrito = textField(page, 35);
    p.municipio = textField(page, 50);
    p.uf = comboField(page, estados());

    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(6, 2, 6, 2);
    v->setSpacing(1);
    v->addLayout(titledRow({{QStringLiteral("01 - Tratamento"), p.tratamento, 2},
                                  {QStringLiteral("02 - CPF"), p.cpf, 2},
                                  {QStringLiteral("03 - C. Identidade"), p.identidade, 2},
                                  {QStringLiteral("04 - Uf - CI"), p.ufIdentidade, 1}}));
    v->addLayout(titledRow({{QStringLiteral("05 - Nome/Razão Social"), p.nome, 1}}));
    v->addLayout(titledRow({{QStringLiteral("06 - Tipo Log."), p.tipoLog, 1},
                                  {QStringLiteral("07 - Nome do Logradouro"), p.logradouro, 5},
                                  {QStringLiteral("08 - Nº Imóvel"), p.numero, 1}}));
    v->addLayout(titledRow({{QStringLiteral("09 - Complemento"), p.complemento, 1},
                                  {QStringLiteral("10 - Nome do Bairro"), p.bairro, 3}}));
    v->addLayout(titledRow({{QStringLiteral("11 - Nº CEP"), p.cep, 2},
                                  {QStringLiteral("12 - Telefone"), p.telefone, 2},
                                  {QStringLiteral("13 - Nome do Distrito"), p.distrito, 4}}));
    v->addLayout(titledRow({{QStringLiteral("14 - Nome do Município"), p.municipio, 5},
                                  {QStringLiteral("15 - UF"), p.uf, 1}}));
    v->addStretch();
    return page;
}

void TFm_Fca::nameProducerControls()
{
    const Produtor &a = produtores[0], &b = produtores[1], &c = produtores[2];
    i_trataProdutor_1 = a.tratamento, icb_tramento_2 = b.tratamento, inc_tratamento_3 = c.tratamento;
    edm_NrReg_1 = a.cpf, edm_cpf_2 = b.cpf, edm_cpf_3 = c.cpf;
    ed_identidade_1 = a.identidade, ed_id_2 = b.identidade, ed_id_3 = c.identidade;
    inc_uf_id_1 = a.ufIdentidade, inc_uf_id_2 = b.ufIdentidade, inc_uf_id_3 = c.ufIdentidade;
    ed_nomeRazSocial_1 = a.nome, ed_nomeRazSocial = b.nome, ed_nomeRazSoc_3 = c.nome;
    ed_tipoLog_1 = a.tipoLog, ed_tpLog_2 = b.tipoLog, ed_tpLog_3 = c.tipoLog;
    Edi_NmLog_1 = a.logradouro, ed_logradouro_2 = b.logradouro, ed_logradouro_3 = c.logradouro;
    ed_numero_1 = a.numero, ed_numero_2 = b.numero, ed_numero_3 = c.numero;
    ed_complemento_1 = a.complemento, ed_complemento_2 = b.complemento, ed_complemento_3 = c.complemento;
    Edi_Bairr_1 = a.bairro, ed_bairro_2 = b.bairro, ed_bairro_3 = c.bairro;
    edm_cep_1 = a.cep, edm_cep_2 = b.cep, edm_cep_3 = c.cep;
    edm_tel_1 = a.telefone, ecm_telefone_2 = b.telefone, edm_telefone_3 = c.telefone;
    ed_distrito_1 = a.distrito, ed_distrito_2 = b.distrito, ed_distrito_3 = c.distrito;
    ed_municipio_1 = a.municipio, ed_municipio_2 = b.municipio, ed_municipio_3 = c.municipio;
    cmb_uf_1 = a.uf, inc_uf_2 = b.uf, inc_uf_3 = c.uf;

    const QStringList names{"i_trataProdutor_1", "edm_NrReg_1", "ed_identidade_1", "inc_uf_id_1",
                            "ed_nomeRazSocial_1", "ed_tipoLog_1", "Edi_NmLog_1", "ed_numero_1",
                            "ed_complemento_1", "Edi_Bairr_1", "edm_cep_1", "edm_tel_1",
                            "ed_distrito_1", "ed_municipio_1", "cmb_uf_1",
                            "icb_tramento_2", "edm_cpf_2", "ed_id_2", "inc_uf_id_2",
                            "ed_nomeRazSocial", "ed_tpLog_2", "ed_logradouro_2", "ed_numero_2",
                            "ed_complemento_2", "ed_bairro_2", "edm_cep_2", "ecm_telefone_2",
                            "ed_distrito_2", "ed_municipio_2", "inc_uf_2",
                            "inc_tratamento_3", "edm_cpf_3", "ed_id_3", "inc_uf_id_3",
                            "ed_nomeRazSoc_3", "ed_tpLog_3", "ed_logradouro_3", "ed_numero_3",
                            "ed_complemento_3", "ed_bairro_3", "edm_cep_3", "edm_telefone_3",
                            "ed_distrito_3", "ed_municipio_3", "inc_uf_3"};
    for (int k = 0; k < 3; ++k)
        for (int j = 1; j <= 15; ++j)
            produtores[size_t(k)].item(j)->setObjectName(names.at(k * 15 + j - 1));
    Edi_Razao_Empresa->setObjectName(QStringLiteral("Edi_Razao_Empresa"));
    Mae_NrReg_Emp->setObjectName(QStringLiteral("Mae_NrReg_Emp"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
}

void TFm_Fca::setTabOrder()
{
    QList<QWidget *> chain{Edi_Razao_Empresa, Mae_NrReg_Emp, Edit1, MaskEdit1};
    for (int k = 0; k < 3; ++k) {
        const Produtor &p = produtores[size_t(k)];
        // Page 1 takes the CPF right after the treatment; pages 2 and 3 after the address.
        QList<int> items = k == 0 ? QList<int>{1, 2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 3, 4}
                                  : QList<int>{1, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 2, 3, 4};
        for (int j : items)
            chain.append(p.item(j));
    }
    chain << Btn_Imprimir << Btn_Margens << Btn_Limpar << Btn_Fechar;
    for (int i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

widgets::TaggedFields TFm_Fca::fieldsInRecordOrder() const
{
    std::map<int, widgets::TaggedField> byTag;
    auto add = [&](int tag, QWidget *w) {
        FieldKind kind = FieldKind::Text;
        if (qobject_cast<TMaskEdit *>(w))
            kind = FieldKind::Masked;
        else if (qobject_cast<TIncCombo *>(w))
            kind = FieldKind::Combo;
        byTag[tag] = {tag, kind, w};
    };
    add(1, Edi_Razao_Empresa);
    add(2, Mae_NrReg_Emp);
    add(3, Edit1);
    add(4, MaskEdit1);
    for (int k = 1; k <= 3; ++k)
        for (int j = 1; j <= 15; ++j)
            add(100 * k + j, produtores[size_t(k - 1)].item(j));
    widgets::TaggedFields fields;
    for (int tag : recordOrder())
        fields.append(byTag.at(tag));
    return fields;
}

void TFm_Fca::FormCreate()
{
    PC_Produtor->setCurrentIndex(0);
    Btn_LimparClick();
}

QList<printing::PrintLayout> TFm_Fca::printLayouts() const { return {{printing::kLayoutFca, {}}}; }

void TFm_Fca::Btn_LimparClick() { LimpaCampos(); }

// The FCA prints without checks of its own, with its layout's two copies preset.
void TFm_Fca::Btn_ImprimirClick() { printForm(); }

void TFm_Fca::Btn_MargensClick() { printing::showMarginsDialog(this); }
void TFm_Fca::Btn_FecharClick() { close(); }

} // namespace editors
