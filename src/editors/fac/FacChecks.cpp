// The FAC's checks of single fields as the user leaves them, its key filters and its
// Enter-key page navigation.
#include "editors/common/FieldBehaviour.h"
#include "editors/fac/UF_Fac.h"
#include "validation/FieldChecks.h"
#include "widgets/FieldValue.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QLineEdit>

namespace editors {

using namespace validation;

void TFm_Fac::bindChecks()
{
    // MaskEdit1Exit, Mae_CapSocialExit, Mae_DtJnt_Socio1Exit: dates.
    for (auto *date : {MaskEdit1, MaskEdit7, Mae_CapSocial, Mae_DtJnt_Socio1, Mae_DtJnt_Socio2})
        bindDateCheck(date, msg::kDataInvalidaFac);
    // Mae_Cgc_ContribuinteExit, Mae_ContadorCpfExit.
    bindCnpjCheck(Mae_Cgc_Contribuinte, m_funcoes);
    bindCnpjCheck(MaskEdit4, m_funcoes);
    bindCpfCheck(Mae_ContadorCpf, m_funcoes);
    // Mae_NrReg_1Exit, Mae_NrReg_2Exit: each number by the type chosen on its own page.
    bindPartnerNumberCheck(Mae_NrReg_1, m_funcoes, [this] { return Cmb_TpReg_1->ItemIndex(); });
    bindPartnerNumberCheck(Mae_NrReg_2, m_funcoes, [this] { return Cmb_TpReg_2->ItemIndex(); });
    // Mae_InscricaoExit, Edi_ContadorEMailExit.
    bindIeCheck(Mae_Inscricao, m_funcoes, msg::kIeInvalidaFac);
    bindEmailCheck(Edi_ContadorEMail, m_funcoes);
    // Edi_CapSocialExit, Edi_Perce_1Exit and their key filters. The rewritten number may
    // be longer than what the user can type.
    auto setter = [](QLineEdit *f) { return [f](const QString &t) { widgets::setTextKeepingLength(f, t); }; };
    for (QLineEdit *money : {Edi_CapSocial, Edit4}) {
        installMoneyKeys(money);
        bindMoneyCheck(money, m_funcoes, textOf(money), setter(money));
    }
    for (QLineEdit *percentage : {Edi_Perce_1, Edi_Perce_2}) {
        installMoneyKeys(percentage);
        bindPercentageCheck(percentage, m_funcoes, textOf(percentage), setter(percentage));
    }

    // The lists whose blank entry means no choice, with the blank entry's index.
    const std::pair<widgets::TIncCombo *, int> blanks[] = {
        {IncCombo16, 27}, {inc_estab, 3},        {IncCombo19, 4},       {IncCombo1, 6},
        {Inc_Trata_Socio_1, 3}, {Inc_Trata_Socio_2, 3}, {Cmb_TpReg_1, 2}, {Cmb_TpReg_2, 2},
        {IncCombo3, 3},  {Cmb_Parti_1, 3},      {IncCombo5, 28},       {Cmb_Uf_1, 28},
    };
    for (const auto &[list, blank] : blanks)
        bindBlankEntry(list, blank);

    // Edit29KeyPress, Edit67KeyPress, Edi_ContadorEMailKeyPress: Enter shows the next page.
    showPageOnEnter(Edit29, PC_Fac, TabSheet1);
    showPageOnEnter(Edit67, PC_Fac, TabSheet2);
    showPageOnEnter(Edi_ContadorEMail, PC_Fac, TabSheet3);
}

} // namespace editors
