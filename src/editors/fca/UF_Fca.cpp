#include "editors/fca/UF_Fca.h"

#include "editors/common/FieldFormats.h"
#include "printing/PrintRun.h"
#include "widgets/MaskEdit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace editors {

namespace {

const QString kMaskCpf = QStringLiteral("999.999.999-99;1; ");
const QString kMaskInscricao = QStringLiteral("999.999.99-9;1; ");
const QString kHolder = QStringLiteral("GrB_Empresa");

// Mae_NrReg_EmpExit, edm_NrReg_1Exit, edm_cpf_2Exit, edm_cpf_3Exit: one CPF rule.
const RowCheck kCpf = [](const CheckInput &in) { return validation::checkCpf(in.funcoes, in.text); };

QString producerPage(int k) { return QStringLiteral("Produtor %1").arg(k); }

// One item of the producer pages, with its control on each of the three pages.
struct ProducerItem {
    FieldRow row; // tag j, placed on its page's row and column
    std::array<const char *, 3> controls;
};

// The second page's title is written without the blank before its colon.
QList<TabPage> producerPages()
{
    return {{QStringLiteral("Produtor : 1"), producerPage(1)},
            {QStringLiteral("Produtor: 2"), producerPage(2)},
            {QStringLiteral("Produtor : 3"), producerPage(3)}};
}

QList<ProducerItem> producerItems()
{
    const QStringList tratamento{"Incluir", "Alterar", "Excluir"};
    return {
        {list({}, "01 - Tratamento", 1, tratamento).withValues({"1-Incluir", "2-Alterar", "3-Excluir"}).at({}, 0, 0, 2),
         {"i_trataProdutor_1", "icb_tramento_2", "inc_tratamento_3"}},
        {masked({}, "02 - CPF", 2, kMaskCpf).at({}, 0, 1, 2).checked(kCpf), {"edm_NrReg_1", "edm_cpf_2", "edm_cpf_3"}},
        {text({}, "03 - C. Identidade", 3, 12).at({}, 0, 2, 2), {"ed_identidade_1", "ed_id_2", "ed_id_3"}},
        {list({}, "04 - Uf - CI", 4, estados()).at({}, 0, 3, 1), {"inc_uf_id_1", "inc_uf_id_2", "inc_uf_id_3"}},
        {text({}, "05 - Nome/Razão Social", 5, 46).at({}, 1, 0), {"ed_nomeRazSocial_1", "ed_nomeRazSocial", "ed_nomeRazSoc_3"}},
        {text({}, "06 - Tipo Log.", 6, 7).at({}, 2, 0, 1), {"ed_tipoLog_1", "ed_tpLog_2", "ed_tpLog_3"}},
        {text({}, "07 - Nome do Logradouro", 7, 40).at({}, 2, 1, 5), {"Edi_NmLog_1", "ed_logradouro_2", "ed_logradouro_3"}},
        {text({}, "08 - Nº Imóvel", 8, 5).at({}, 2, 2, 1), {"ed_numero_1", "ed_numero_2", "ed_numero_3"}},
        {text({}, "09 - Complemento", 9, 15).at({}, 3, 0, 1), {"ed_complemento_1", "ed_complemento_2", "ed_complemento_3"}},
        {text({}, "10 - Nome do Bairro", 10, 40).at({}, 3, 1, 3), {"Edi_Bairr_1", "ed_bairro_2", "ed_bairro_3"}},
        {masked({}, "11 - Nº CEP", 11, kMaskCep).at({}, 4, 0, 2), {"edm_cep_1", "edm_cep_2", "edm_cep_3"}},
        {masked({}, "12 - Telefone", 12, kMaskTelefone).at({}, 4, 1, 2), {"edm_tel_1", "ecm_telefone_2", "edm_telefone_3"}},
        {text({}, "13 - Nome do Distrito", 13, 35).at({}, 4, 2, 4), {"ed_distrito_1", "ed_distrito_2", "ed_distrito_3"}},
        {text({}, "14 - Nome do Município", 14, 50).at({}, 5, 0, 5), {"ed_municipio_1", "ed_municipio_2", "ed_municipio_3"}},
        {list({}, "15 - UF", 15, estados()).at({}, 5, 1, 1), {"cmb_uf_1", "inc_uf_2", "inc_uf_3"}},
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
    // Producer k's item j has the tag 100k + j.
    for (int k = 1; k <= 3; ++k) {
        for (const ProducerItem &item : producerItems()) {
            FieldRow row = item.row;
            row.control = QString::fromUtf8(item.controls.at(size_t(k - 1)));
            row.tag += 100 * k;
            row.place.box = producerPage(k);
            rows.append(row);
        }
    }
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
        d.create = [](QWidget *parent, const validation::TFm_Funcoes &funcoes) -> FichaEditor * {
            return new TFm_Fca(funcoes, parent);
        };
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
