// The FAC's checks of single fields as the user leaves them, its key filters and its
// Enter-key page navigation.
#include "editors/common/CheckBinding.h"
#include "editors/common/FieldBehaviour.h"
#include "editors/fac/UF_Fac.h"
#include "widgets/FieldValue.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QLineEdit>

namespace editors {

using namespace validation;

void TFm_Fac::bindChecks()
{
    const TFm_Funcoes *f = &m_funcoes;
    // MaskEdit1Exit, Mae_CapSocialExit, Mae_DtJnt_Socio1Exit: dates.
    for (auto *date : {MaskEdit1, MaskEdit7, Mae_CapSocial, Mae_DtJnt_Socio1, Mae_DtJnt_Socio2})
        bindCheck(date, [](const QString &t) { return checkDate(t, msg::kDataInvalidaFac); });
    // Mae_Cgc_ContribuinteExit, Mae_ContadorCpfExit.
    for (auto *cnpj : {Mae_Cgc_Contribuinte, MaskEdit4})
        bindCheck(cnpj, [f](const QString &t) { return checkCnpj(*f, t); });
    bindCheck(Mae_ContadorCpf, [f](const QString &t) { return checkCpf(*f, t); });
    // Mae_NrReg_1Exit, Mae_NrReg_2Exit: each number by the type chosen on its own page,
    // read when the number is left.
    const auto partnerNumber = [f](widgets::TIncCombo *type) {
        return [f, type](const QString &t) { return checkPartnerNumber(*f, t, type->ItemIndex()); };
    };
    bindCheck(Mae_NrReg_1, partnerNumber(Cmb_TpReg_1));
    bindCheck(Mae_NrReg_2, partnerNumber(Cmb_TpReg_2));
    // Mae_InscricaoExit, Edi_ContadorEMailExit.
    bindCheck(Mae_Inscricao, [f](const QString &t) { return checkIe(*f, t, msg::kIeInvalidaFac); });
    bindCheck(Edi_ContadorEMail, [f](const QString &t) { return checkEmail(*f, t); });
    // Edi_CapSocialExit, Edi_Perce_1Exit and their key filters. The rewritten number may
    // be longer than what the user can type.
    auto setter = [](QLineEdit *e) { return [e](const QString &t) { widgets::setTextKeepingLength(e, t); }; };
    for (QLineEdit *money : {Edi_CapSocial, Edit4}) {
        installMoneyKeys(money);
        bindCheck(money, textOf(money), setter(money), [f](const QString &t) { return checkMoney(*f, t); });
    }
    for (QLineEdit *percentage : {Edi_Perce_1, Edi_Perce_2}) {
        installMoneyKeys(percentage);
        bindCheck(percentage, textOf(percentage), setter(percentage),
                  [f](const QString &t) { return checkPercentage(*f, t); });
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
