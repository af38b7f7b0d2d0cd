#include "editors/fas/UF_Fas.h"

#include "editors/common/CheckBinding.h"
#include "editors/common/FieldFormats.h"
#include "editors/fas/FASRules.h"
#include "platform/Messages.h"
#include "printing/PrintRun.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace editors {

namespace {

const QString kTaxpayer = QStringLiteral("GrB_Empresa");
const QStringList kTipoRegistro{QStringLiteral("CPF"), QStringLiteral("CNPJ")};
const QStringList kTipoRegistroValores{QStringLiteral("1-CPF"), QStringLiteral("2-CNPJ")};

QString partnerPage(int k) { return QStringLiteral("Sócio %1").arg(k); }

// Partner k's item j (1 to 18) has the tag 3 + 18(k - 1) + (j - 1); item 19 has 56 + k.
// Mae_DtJnt_Socio1Exit, Edi_Perce_1Exit and Edi_Perce_1KeyPress serve all three pages.
const RowCheck kDate = [](const CheckInput &in) {
    return validation::checkDate(in.text, validation::msg::kDataVencimentoInvalida);
};
const RowCheck kPercentage = [](const CheckInput &in) { return validation::checkPercentage(in.funcoes, in.text); };

int partnerTag(int k, int j) { return j == 19 ? 56 + k : 3 + 18 * (k - 1) + (j - 1); }

// Partner k's page (1 to 3): each row names its control on the three pages. Pages 2
// and 3 write the first six titles without blanks around the hyphen.
QList<FieldRow> partnerRows(int k)
{
    const auto pick = [k](const char *first, const char *second, const char *third) {
        return QString::fromUtf8(k == 1 ? first : k == 2 ? second : third);
    };
    const auto title = [k](const char *first, const char *later) { return QString::fromUtf8(k == 1 ? first : later); };
    const auto tag = [k](int j) { return partnerTag(k, j); };
    const QString box = partnerPage(k);
    const QString type = pick("Cmb_TpReg_1", "Cmb_TpReg_2", "Cmb_TpReg_3");
    // Only partner 1 may be a co-owner ("Condômino").
    const QStringList part = k == 1 ? QStringList{"Sócio", "Respons.", "Ambos", "Condômino"}
                                    : QStringList{"Sócio", "Respons.", "Ambos"};
    const QStringList partValues = k == 1 ? QStringList{"1-Sócio", "2-Respons.", "3-Ambos", "4-Condômino", " "}
                                          : QStringList{"1-Sócio", "2-Respons.", "3-Ambos"};
    return {
        list(pick("Inc_Trata_Socio_1", "Inc_Trata_Socio_2", "Inc_Trata_Socio_3"), title("01 - Tratamento", "01-Tratamento"),
             tag(1), {"Incluir", "Alterar", "Excluir"}).withValues({"1-Incluir", "2-Alterar", "3-Excluir"}).at(box, 0, 0, 2),
        masked(pick("Mae_DtJnt_Socio1", "Mae_DtJnt_Socio2", "Mae_DtJnt_Socio3"),
               title("02 - Data Atual. Junta Comercial", "02-Data Atual. Junta Comercial"), tag(2), kMaskData)
            .at(box, 0, 1, 3).checked(kDate),
        list(type, title("03 - Tipo Registro", "03-Tipo Registro"), tag(3), kTipoRegistro)
            .withValues(kTipoRegistroValores).at(box, 0, 2, 2),
        masked(pick("Mae_NrReg_1", "Mae_NrReg_2", "Mae_NrReg_3"), title("04 - Nº CPF/CNPJ", "04-Nº CPF/CNPJ"), tag(4), {})
            .initially(FieldState::Grey).at(box, 0, 3, 3)
            .titled(pick("Lab_TIT_NrReg_1", "Lab_TIT_NrReg_2", "Lab_TIT_NrReg_3")).checked(partnerNumberCheck(type)),
        list(pick("Cmb_Parti_1", "Cmb_Parti_2", "Cmb_Parti_3"), title("05 - Cond. Part.", "05-Cond. Part."), tag(5), part)
            .withValues(partValues).at(box, 1, 0, 1),
        text(pick("Edi_Razao_1", "Edi_Razao_2", "Edi_Razao_3"), title("06 - Nome/Razão Social", "06-Nome/Razão Social"),
             tag(6), 46).at(box, 1, 1, 4),
        text(pick("Edi_Cargo_1", "Edi_Cargo_2", "Edi_Cargo_3"), "07 - Cargo/Função", tag(7), 15).at(box, 2, 0, 3),
        text(pick("Edi_Perce_1", "Edi_Perce_2", "Edi_Perce_3"), "08 - % Partic. Socied.", tag(8), 0)
            .at(box, 2, 1, 1).moneyKeys().checked(kPercentage),
        text(pick("Edi_TpLog_1", "Edi_TpLog_2", "Edi_TpLog_3"), "09 - Tipo Log.", tag(9), 7).at(box, 3, 0, 1),
        text(pick("Edi_NmLog_1", "Edi_NmLog_2", "Edi_NmLog_3"), "10 - Nome do Logradouro", tag(10), 40).at(box, 3, 1, 5),
        text(pick("Edi_NrImv_1", "Edi_NrImv_2", "Edi_NrImv_3"), "11 - Nº Imóvel", tag(11), 5).at(box, 3, 2, 1),
        text(pick("Edi_Compl_1", "Edi_Compl_2", "Edi_Compl_3"), "12 - Complemento", tag(12), 15).at(box, 4, 0, 2),
        text(pick("Edi_Bairr_1", "Edi_Bairr_2", "Edi_Bairr_3"), "13 - Nome do Bairro", tag(13), 40).at(box, 4, 1, 4),
        masked(pick("Mae_Cep_1", "Mae_Cep_2", "Mae_Cep_3"), "14 - Nº CEP", tag(14), kMaskCep).at(box, 5, 0, 2),
        masked(pick("Mae_Tel_1", "Edi_Tel_2", "Edi_Tel_3"), "15 - Telefone", tag(15), kMaskTelefone).at(box, 5, 1, 2),
        text(pick("Edi_Distr_1", "Edi_Distr_2", "Edi_Distr_3"), "16 - Nome do Distrito", tag(16), 35).at(box, 5, 2, 5),
        text(pick("Edi_Munic_1", "Edi_Munic_2", "Edi_Munic_3"), "17 - Nome do Município", tag(17), 50).at(box, 6, 0, 5),
        list(pick("Cmb_Uf_1", "Cmb_Uf_2", "Cmb_Uf_3"), "18 - UF/PAÍS", tag(18), estados() + QStringList{"EX"})
            .at(box, 6, 1, 1),
        text(pick("Edit1", "Edit2", "Edit3"), "19 - Nome do País", tag(19), 50).at(box, 7, 0),
    };
}

} // namespace

QList<FieldRow> TFm_Fas::fieldRows()
{
    QList<FieldRow> rows{
        text("Edi_Razao_Empresa", "01-Razão Social", 1, 46).at(kTaxpayer, 0, 0, 5),
        list("Cmb_TpReg_Emp", "Tipo Registro", 0, kTipoRegistro).withValues(kTipoRegistroValores).at(kTaxpayer, 0, 1, 1),
        masked("Mae_NrReg_Emp", "02-Nº CPF ou CNPJ", 2, {}).titled("Lab_TIT_NrReg_Emp").initially(FieldState::Grey).at(kTaxpayer, 0, 2, 2)
            .checked(partnerNumberCheck("Cmb_TpReg_Emp")),
    };
    for (int k = 1; k <= 3; ++k)
        rows += partnerRows(k);
    return rows;
}

// The order the window's components were created in.
const QList<int> &TFm_Fas::recordOrder()
{
    static const QList<int> order{
        1,  2,  4,  5,  6,  7,  8,  9,  11, 12, 13, 14, 15, 16, 18, 19, 20, 3,  10, 17,
        57, 22, 23, 24, 25, 26, 27, 29, 30, 31, 32, 33, 34, 36, 37, 21, 28, 35, 38, 58,
        40, 41, 42, 43, 44, 45, 47, 48, 49, 50, 51, 52, 54, 55, 39, 46, 53, 56, 59};
    return order;
}

// The partner pages follow their item numbers.
QList<int> TFm_Fas::tabOrder()
{
    QList<int> order{1, 2};
    for (int k = 1; k <= 3; ++k)
        for (int j = 1; j <= 19; ++j)
            order.append(partnerTag(k, j));
    return order;
}

namespace {

QList<TabPage> partnerPages()
{
    QList<TabPage> pages;
    for (int k = 1; k <= 3; ++k)
        pages.append({QStringLiteral("Sócio : %1").arg(k), partnerPage(k)});
    return pages;
}

// The taxpayer's number and each partner's, with the list of its registration type.
QList<std::pair<QString, QString>> numberPairs()
{
    QList<std::pair<QString, QString>> pairs{{QStringLiteral("Cmb_TpReg_Emp"), QStringLiteral("Mae_NrReg_Emp")}};
    for (int k = 1; k <= 3; ++k)
        pairs.append({QStringLiteral("Cmb_TpReg_%1").arg(k), QStringLiteral("Mae_NrReg_%1").arg(k)});
    return pairs;
}

// The taxpayer's type is not stored: the number's length tells it, and choosing it sets
// the mask and opens the field before the number goes in.
void beforeLine(FormFields &form, int tag, const QString &value)
{
    if (tag != 2)
        return;
    const int type = fas::registrationTypeOfNumber(value);
    if (type >= 0)
        form.choose(QStringLiteral("Cmb_TpReg_Emp"), type);
}

PrintProblems missingDates(const FormFields &form, const validation::TFm_Funcoes &)
{
    std::array<fas::PartnerForPrint, 3> partners;
    for (int k = 1; k <= 3; ++k)
        partners.at(size_t(k - 1)) = {form.choiceOf(QStringLiteral("Inc_Trata_Socio_%1").arg(k)),
                                      form.shownText(QStringLiteral("Mae_DtJnt_Socio%1").arg(k))};
    return fas::missingPartnerDates(form.choiceOf(QStringLiteral("Cmb_TpReg_Emp")), partners);
}

} // namespace

const FormDescription &TFm_Fas::description()
{
    static const FormDescription fas = [] {
        static const store::FormTypeInfo info{
            QStringLiteral("Ficha Auxiliar de Sócios - FAS"), QStringLiteral("FAS"), QStringLiteral("Abrir - FAS"),
            QStringLiteral("Lista_Fas.fas"), QStringLiteral("Fas_"), QStringLiteral(".fas"),
            QStringLiteral("FAS - Ficha Auxiliar de Sócios"), QStringLiteral("Salvar - FAS"), {2, 2},
            {QStringLiteral("TRl_Fas")}};
        FormDescription d;
        d.type = store::FormType(info);
        d.create = makeEditor<TFm_Fas>;
        d.rows = fieldRows();
        d.addPages(partnerPages());
        QList<ChangeRule> rules;
        for (const auto &[typeList, number] : numberPairs())
            rules.append({typeList, [typeList, number](FormFields &form) {
                              fas::applyRegistrationType(form, typeList, number);
                          }});
        d.rules = changeRules(rules, beforeLine);
        d.printProblems = missingDates;
        d.copiesPreset = [](const FormFields &form) {
            return fas::copiesForTaxpayerType(form.shownText(QStringLiteral("Cmb_TpReg_Emp")));
        };
        return d;
    }();
    return fas;
}

TFm_Fas::TFm_Fas(const validation::TFm_Funcoes &funcoes, QWidget *parent)
    : EditorBase(description().type, parent), m_funcoes(funcoes)
{
    GrB_Empresa = new QGroupBox(QStringLiteral("  01 - Identificação do Contribuinte  "), this);
    GrB_Socios = new QGroupBox(QStringLiteral("  02 - Identificação / Endereço do Sócio e/ou Reponsável  "), this);
    PC_Socios = new QTabWidget(GrB_Socios);
    m_fields.addBox(kTaxpayer, GrB_Empresa);
    m_fields.useFuncoes(m_funcoes);
    buildHolderAndPages(GrB_Empresa, GrB_Socios, PC_Socios, partnerPages(), description().rows);
    Cmb_TpReg_Emp = m_fields.require<widgets::TIncCombo>(QStringLiteral("Cmb_TpReg_Emp"));
    QList<QWidget *> chain = m_fields.inTabOrder(tabOrder());
    chain.insert(1, Cmb_TpReg_Emp);
    chainTabOrder(chain << Btn_Imprimir << Btn_Limpar << Btn_Fechar << Btn_Margens);
    // The taxpayer's type list is cleared with the fields but has no record line.
    widgets::TaggedFields record = m_fields.tagged(recordOrder());
    record.insert(1, widgets::TaggedField{0, widgets::FieldKind::Combo, Cmb_TpReg_Emp});
    setRecordFields(record);
    useDescription(description());
    for (const auto &pair : numberPairs())
        m_fields.openTitle(pair.second, false);

    FormCreate();
    fixSizeWhenShown(QSize(531, 419));
}

void TFm_Fas::FormCreate()
{
    PC_Socios->setCurrentIndex(0);
    // The first clearing asks nothing: there is nothing to lose yet.
    LimpaCampos();
}

} // namespace editors
