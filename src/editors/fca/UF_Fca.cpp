#include "editors/fca/UF_Fca.h"

#include "editors/common/FieldFormats.h"
#include "printing/PrintRun.h"
#include "widgets/MaskEdit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>


namespace editors {

namespace {

const QString kMaskCpf = QStringLiteral("999.999.999-99;1; ");
const QString kMaskInscricao = QStringLiteral("999.999.99-9;1; ");
const QString kHolder = QStringLiteral("GrB_Empresa");

// Mae_NrReg_EmpExit, edm_NrReg_1Exit, edm_cpf_2Exit, edm_cpf_3Exit: one CPF rule.
const RowCheck kCpf = [](const CheckInput &in) { return validation::checkCpf(in.funcoes, in.text); };

QString producerPage(int k) { return QStringLiteral("Produtor %1").arg(k); }

// The second page's title is written without the blank before its colon.
QList<TabPage> producerPages()
{
    return {{QStringLiteral("Produtor : 1"), producerPage(1)},
            {QStringLiteral("Produtor: 2"), producerPage(2)},
            {QStringLiteral("Produtor : 3"), producerPage(3)}};
}

// Producer k's page (1 to 3): each row names its control on the three pages; item j has
// the tag 100k + j.
QList<FieldRow> producerRows(int k)
{
    const auto pick = [k](const char *first, const char *second, const char *third) {
        return QString::fromUtf8(k == 1 ? first : k == 2 ? second : third);
    };
    const auto tag = [k](int j) { return 100 * k + j; };
    const QString box = producerPage(k);
    const QStringList tratamento{"Incluir", "Alterar", "Excluir"};
    return {
        list(pick("i_trataProdutor_1", "icb_tramento_2", "inc_tratamento_3"), "01 - Tratamento", tag(1), tratamento)
            .withValues({"1-Incluir", "2-Alterar", "3-Excluir"}).at(box, 0, 0, 2),
        masked(pick("edm_NrReg_1", "edm_cpf_2", "edm_cpf_3"), "02 - CPF", tag(2), kMaskCpf).at(box, 0, 1, 2).checked(kCpf),
        text(pick("ed_identidade_1", "ed_id_2", "ed_id_3"), "03 - C. Identidade", tag(3), 12).at(box, 0, 2, 2),
        list(pick("inc_uf_id_1", "inc_uf_id_2", "inc_uf_id_3"), "04 - Uf - CI", tag(4), estados()).at(box, 0, 3, 1),
        text(pick("ed_nomeRazSocial_1", "ed_nomeRazSocial", "ed_nomeRazSoc_3"), "05 - Nome/Razão Social", tag(5), 46)
            .at(box, 1, 0),
        text(pick("ed_tipoLog_1", "ed_tpLog_2", "ed_tpLog_3"), "06 - Tipo Log.", tag(6), 7).at(box, 2, 0, 1),
        text(pick("Edi_NmLog_1", "ed_logradouro_2", "ed_logradouro_3"), "07 - Nome do Logradouro", tag(7), 40)
            .at(box, 2, 1, 5),
        text(pick("ed_numero_1", "ed_numero_2", "ed_numero_3"), "08 - Nº Imóvel", tag(8), 5).at(box, 2, 2, 1),
        text(pick("ed_complemento_1", "ed_complemento_2", "ed_complemento_3"), "09 - Complemento", tag(9), 15)
            .at(box, 3, 0, 1),
        text(pick("Edi_Bairr_1", "ed_bairro_2", "ed_bairro_3"), "10 - Nome do Bairro", tag(10), 40).at(box, 3, 1, 3),
        masked(pick("edm_cep_1", "edm_cep_2", "edm_cep_3"), "11 - Nº CEP", tag(11), kMaskCep).at(box, 4, 0, 2),
        masked(pick("edm_tel_1", "ecm_telefone_2", "edm_telefone_3"), "12 - Telefone", tag(12), kMaskTelefone)
            .at(box, 4, 1, 2),
        text(pick("ed_distrito_1", "ed_distrito_2", "ed_distrito_3"), "13 - Nome do Distrito", tag(13), 35)
            .at(box, 4, 2, 4),
        text(pick("ed_municipio_1", "ed_municipio_2", "ed_municipio_3"), "14 - Nome do Município", tag(14), 50)
            .at(box, 5, 0, 5),
        list(pick("cmb_uf_1", "inc_uf_2", "inc_uf_3"), "15 - UF", tag(15), estados()).at(box, 5, 1, 1),
    };
}

} // namespace

QList<FieldRow> TFm_Fca::fieldRows()
{
    QList<FieldRow> rows{
        text("Edi_Razao_Empresa", "01 - Nome", 1, 46).at(kHolder, 0, 0, 3),
        masked("Mae_NrReg_Emp", "02 - Nº CPF", 2, kMaskCpf).at(kHolder, 0, 1, 1).checked(kCpf),
        text("Edit1", "03 - Propriedade", 3, 46).at(kHolder, 1, 0, 3),
        masked("MaskEdit1", "04 - Inscrição", 4, kMaskInscricao).at(kHolder, 1, 1, 1),
    };
    for (int k = 1; k <= 3; ++k)
        rows += producerRows(k);
    return rows;
}

const FormDescription &TFm_Fca::description()
{
    static const FormDescription fca = [] {
        static const store::FormTypeInfo info{
            QStringLiteral("Ficha Complementar da Agropecuária - FCA"), QStringLiteral("FCA"),
            QStringLiteral("Abrir - FCA"), QStringLiteral("Lista_Fca.fca"), QStringLiteral("Fca_"),
            QStringLiteral(".fca"), QStringLiteral("FCA - Ficha Complementar da Agropecuária"),
            QStringLiteral("Salvar - FCA"), {3, 3}, {QStringLiteral("TRl_Fca")}};
        FormDescription d;
        d.type = store::FormType(info);
        d.create = makeEditor<TFm_Fca>;
        d.rows = fieldRows();
        d.addPages(producerPages());
        return d;
    }();
    return fca;
}

const QList<int> &TFm_Fca::recordOrder()
{
    static const QList<int> order{
        1,   2,   3,   4,   102, 105, 106, 107, 108, 109, 110, 111, 113, 114, 115, 101, 112,
        103, 104, 201, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214, 215, 202, 203, 204,
        301, 305, 306, 307, 308, 309, 310, 311, 312, 313, 314, 315, 302, 303, 304};
    return order;
}

// Page 1 takes the CPF right after the treatment; pages 2 and 3 after the address.
const QList<int> &TFm_Fca::tabOrder()
{
    static const QList<int> order{
        1,   2,   3,   4,   101, 102, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115,
        103, 104, 201, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214, 215, 202, 203, 204,
        301, 305, 306, 307, 308, 309, 310, 311, 312, 313, 314, 315, 302, 303, 304};
    return order;
}

TFm_Fca::TFm_Fca(const validation::TFm_Funcoes &funcoes, QWidget *parent)
    : EditorBase(description().type, parent), m_funcoes(funcoes)
{
    GrB_Empresa = new QGroupBox(QStringLiteral("  01 - Identificação do Produtor Titular  "), this);
    GrB_Socios = new QGroupBox(QStringLiteral("  02 - Identificação / Endereço dos Outros Produtores "), this);
    PC_Produtor = new QTabWidget(GrB_Socios);
    m_fields.addBox(kHolder, GrB_Empresa);
    m_fields.useFuncoes(m_funcoes);
    buildHolderAndPages(GrB_Empresa, GrB_Socios, PC_Produtor, producerPages(), description().rows);
    useDescription(description());
    chainTabOrder(m_fields.inTabOrder(tabOrder()) << Btn_Imprimir << Btn_Margens << Btn_Limpar << Btn_Fechar);
    setRecordFields(m_fields.tagged(recordOrder()));

    FormCreate();
    fixSizeWhenShown(QSize(526, 460));
}

void TFm_Fca::FormCreate()
{
    PC_Produtor->setCurrentIndex(0);
    // The first clearing asks nothing: there is nothing to lose yet.
    LimpaCampos();
}

} // namespace editors
