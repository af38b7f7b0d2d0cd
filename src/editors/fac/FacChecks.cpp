// The FAC's checks of the partner numbers as the user leaves them and its Enter-key page
// navigation.
#include "editors/common/CheckBinding.h"
#include "editors/common/FieldBehaviour.h"
#include "editors/fac/UF_Fac.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

namespace editors {

using namespace validation;

void TFm_Fac::bindChecks()
{
    // Mae_NrReg_1Exit, Mae_NrReg_2Exit: each number by the type chosen on its own page,
    // read when the number is left. The other fields' checks come with their rows.
    const TFm_Funcoes *f = &m_funcoes;
    const auto partnerNumber = [f](widgets::TIncCombo *type) {
        return [f, type](const QString &t) { return checkPartnerNumber(*f, t, type->ItemIndex()); };
    };
    bindCheck(Mae_NrReg_1, partnerNumber(Cmb_TpReg_1));
    bindCheck(Mae_NrReg_2, partnerNumber(Cmb_TpReg_2));

    // Edit29KeyPress, Edit67KeyPress, Edi_ContadorEMailKeyPress: Enter shows the next page.
    showPageOnEnter(Edit29, PC_Fac, TabSheet1);
    showPageOnEnter(Edit67, PC_Fac, TabSheet2);
    showPageOnEnter(Edi_ContadorEMail, PC_Fac, TabSheet3);
}

} // namespace editors
