#include "editors/fas/FASRules.h"

#include "editors/common/FieldTable.h"
#include "editors/common/FormFields.h"

namespace editors::fas {

namespace {
// The empty date mask "  /  /    " once trimmed.
const QString kEmptyDate = QStringLiteral("/  /");
} // namespace

void applyRegistrationType(FormFields &form, const QString &typeList, const QString &number)
{
    switch (form.choiceOf(typeList)) {
    case validation::kTipoRegCpf:
        form.setMask(number, kMaskCpfDigits);
        break;
    case validation::kTipoRegCnpj:
        form.setMask(number, kMaskCnpjDigits);
        break;
    default:
        break;
    }
    if (form.isOpen(number)) {
        form.empty(number);
        return;
    }
    form.openTitle(number, true);
    form.setState(number, FieldState::Enabled);
}

int registrationTypeOfNumber(const QString &stored)
{
    if (stored.size() == kCpfLength)
        return validation::kTipoRegCpf;
    if (stored.size() == kCnpjLength)
        return validation::kTipoRegCnpj;
    return -1;
}

PrintProblems missingPartnerDates(int taxpayerType, const std::array<PartnerForPrint, 3> &partners)
{
    // A taxpayer registered by CPF needs no dates; one without a type is taken as CNPJ.
    PrintProblems missing;
    if (taxpayerType == validation::kTipoRegCpf)
        return missing;
    for (size_t i = 0; i < partners.size(); ++i) {
        const PartnerForPrint &p = partners.at(i);
        if (p.treatment != -1 && p.date.trimmed() == kEmptyDate)
            missing.append({QStringLiteral("Mae_DtJnt_Socio%1").arg(i + 1),
                            QStringLiteral("Data de Atualização na Junta Comercial do Sócio %1 deve ser informada.")
                                .arg(i + 1)});
    }
    return missing;
}

int copiesForTaxpayerType(const QString &typeText)
{
    if (typeText == QLatin1String("CNPJ"))
        return 2;
    if (typeText == QLatin1String("CPF"))
        return 3;
    return 1;
}

} // namespace editors::fas
