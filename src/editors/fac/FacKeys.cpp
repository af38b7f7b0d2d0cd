// The FAC's Enter-key page navigation; its fields' checks and key filters come with their rows.
#include "editors/common/FieldBehaviour.h"
#include "editors/fac/UF_Fac.h"

#include <QLineEdit>

namespace editors {

void TFm_Fac::bindPageKeys()
{
    // Edit29KeyPress, Edit67KeyPress, Edi_ContadorEMailKeyPress: Enter shows the next page.
    showPageOnEnter(Edit29, PC_Fac, TabSheet1);
    showPageOnEnter(Edit67, PC_Fac, TabSheet2);
    showPageOnEnter(Edi_ContadorEMail, PC_Fac, TabSheet3);
}

} // namespace editors
