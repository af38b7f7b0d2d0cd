#pragma once

#include "editors/common/EditorBase.h"
#include "editors/common/FieldTable.h"
#include "editors/fac/FacPrint.h"
#include "editors/fac/FacRules.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace validation {
class TFm_Funcoes;
}
namespace widgets {
class TIncCombo;
class TMaskEdit;
}

namespace editors {

class TMultiLineEdit;

// The FAC editor: a legal person's request, identification, address, accessory
// information, economic activities, accountant, partners and declarant.
// Its fields are made from its field table (fieldRows); those that its rules and checks
// use are members under the form's names.
class TFm_Fac : public EditorBase {
    Q_OBJECT
public:
    TFm_Fac(const validation::TFm_Funcoes &funcoes, QWidget *parent = nullptr);

    // What the FAC is apart from its window: its rules, its checks before printing, its
    // printed copy in capitals and the steps of its two pages.
    static const FormDescription &description();
    // The field table, the tags in record-line order and in keyboard order.
    static QList<FieldRow> fieldRows();
    static const QList<int> &recordOrder();
    static const QList<int> &tabOrder();

    // Request strip.
    widgets::TIncCombo *Inc_Pedido = nullptr;
    widgets::TMaskEdit *Mae_Inscricao = nullptr;
    widgets::TIncCombo *IncCombo2 = nullptr;
    QLabel *Lab_TIT_Inscricao = nullptr;
    QLabel *Label29 = nullptr;

    QTabWidget *PC_Fac = nullptr;
    QWidget *TabSheet7 = nullptr; // Anexo
    QWidget *TabSheet1 = nullptr; // Contribuinte
    QWidget *TabSheet2 = nullptr; // Informações
    QWidget *TabSheet3 = nullptr; // Sócios
    QWidget *TabSheet6 = nullptr; // Declarante

    // Anexo and Contribuinte.
    QLineEdit *Edit29 = nullptr;
    widgets::TMaskEdit *Mae_Cgc_Contribuinte = nullptr;
    widgets::TMaskEdit *MaskEdit1 = nullptr;
    widgets::TIncCombo *IncCombo8 = nullptr;
    widgets::TMaskEdit *MaskEdit7 = nullptr;
    widgets::TIncCombo *IncCombo6 = nullptr;
    widgets::TIncCombo *IncCombo7 = nullptr;
    widgets::TMaskEdit *MaskEdit4 = nullptr;
    widgets::TIncCombo *IncCombo16 = nullptr;
    QLineEdit *Edit67 = nullptr;

    // Informações.
    widgets::TIncCombo *Inc_FormaJur = nullptr;
    QLineEdit *Edi_FormaJur_Outros = nullptr;
    widgets::TIncCombo *inc_estab = nullptr;
    widgets::TMaskEdit *Mae_CapSocial = nullptr;
    QLineEdit *Edi_CapSocial = nullptr;
    QLineEdit *Edit4 = nullptr;
    widgets::TIncCombo *IncCombo19 = nullptr;
    widgets::TIncCombo *IncCombo1 = nullptr;
    widgets::TMaskEdit *Mae_ContadorCpf = nullptr;
    QLineEdit *Edi_ContadorEMail = nullptr;

    // Sócios: the two partner pages, the include button and the hidden marker.
    QGroupBox *GrB_Socios = nullptr;
    QTabWidget *PC_Socios = nullptr;
    QWidget *TabSheet4 = nullptr; // Sócio : 01
    QWidget *TabSheet5 = nullptr; // Sócio : 02
    QPushButton *Button1 = nullptr;
    widgets::TIncCombo *IncCombo4 = nullptr;

    widgets::TIncCombo *Inc_Trata_Socio_1 = nullptr, *Inc_Trata_Socio_2 = nullptr;
    widgets::TMaskEdit *Mae_DtJnt_Socio1 = nullptr, *Mae_DtJnt_Socio2 = nullptr;
    widgets::TIncCombo *Cmb_TpReg_1 = nullptr, *Cmb_TpReg_2 = nullptr;
    widgets::TMaskEdit *Mae_NrReg_1 = nullptr, *Mae_NrReg_2 = nullptr;
    QLabel *Lab_TIT_NrReg_1 = nullptr;
    widgets::TIncCombo *IncCombo3 = nullptr, *Cmb_Parti_1 = nullptr;
    QLineEdit *Edit8 = nullptr, *Edi_Cargo_1 = nullptr;
    QLineEdit *Edi_Perce_1 = nullptr, *Edi_Perce_2 = nullptr;
    QLineEdit *Edi_TpLog_1 = nullptr, *Edi_NmLog_1 = nullptr, *Edi_NrImv_1 = nullptr;
    QLineEdit *Edi_Bairr_1 = nullptr, *Edi_Distr_1 = nullptr, *Edi_Munic_1 = nullptr;
    widgets::TMaskEdit *Mae_Cep_1 = nullptr, *Mae_Tel_1 = nullptr;
    widgets::TIncCombo *IncCombo5 = nullptr, *Cmb_Uf_1 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr;

    TMultiLineEdit *RichEdit2 = nullptr, *RichEdit4 = nullptr;

    // Declarante.
    QLineEdit *Edit16 = nullptr;

    QPushButton *Button2 = nullptr; // &Ajuda

    // The form's rules, with what they remember (the second person, the legal form).
    fac::FacRules &rules() { return m_rules; }

    void Btn_ImprimirClick() override;

    // The window's own rules, by number; the others are the form's (FacRules).
    void PC_FacChange();                                   // 2, page guard
    void Inc_FormaJurEnter();                              // 6, remembered legal form
    void Edi_FormaJur_OutrosExit();                        // 7, other legal form
    void Button1Click();                                   // 8, include or remove the second person
    void Btn_LimparClick() override;                       // 14, clear the form
    void Button2Click();                                   // 15, help

    QString escapedErrorText() const override;

protected:
    // The prompt of a failed print check, in the application's box without an icon.
    void showPrintProblem(const QString &message) override;
    // The printed copy in capitals; put back afterwards unless "&Imprimir" keeps them.
    void preparePrintCopy() override;
    void restoreAfterPrint() override;
    void showEvent(QShowEvent *event) override;
    void clearAfterFailedLoad() override;

private:
    void bindPageKeys();
    void bindRules();
    // Rule 14 once the user said yes.
    void limpar();

    void buildWindow();
    void buildContribuintePages();
    void buildInformacoesPage();
    void buildSociosPage();
    void buildDeclarantePage();
    void takeMembers();
    void takeSociosAndDeclaranteMembers();
    template <typename T>
    void take(T *&member, const char *name)
    {
        member = m_fields.require<T>(QString::fromUtf8(name));
    }
    void FormCreate();
    void FormShow();


    facprint::RaisedFields m_printCopy;
    bool m_keepPrintCopy = false;
    const validation::TFm_Funcoes &m_funcoes;
    bool m_shown = false;
    fac::FacRules m_rules;
};

} // namespace editors
