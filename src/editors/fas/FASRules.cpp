#include "editors/fas/FASRules.h"

#include "editors/common/FieldBehaviour.h"
#include "platform/FocusExit.h"
#include "platform/Messages.h"
#include "platform/RaisedError.h"
#include "validation/FieldChecks.h"
#include "validation/TFm_Funcoes.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace editors::fas {

namespace {
// The empty date mask "  /  /    " once trimmed.
const QString kEmptyDate = QStringLiteral("/  /");
} // namespace

void applyRegistrationType(const NumberPair &pair)
{
    switch (pair.type->ItemIndex()) {
    case validation::kTipoRegCpf:
        pair.number->SetEditMask(kMaskCpfDigits);
        break;
    case validation::kTipoRegCnpj:
        pair.number->SetEditMask(kMaskCnpjDigits);
        break;
    default:
        break;
    }
    if (pair.number->isEnabled()) {
        pair.number->Clear();
        return;
    }
    pair.title->setEnabled(true);
    setFieldState(pair.number, FieldState::Enabled);
}

void bindNumberPair(const NumberPair &pair, const validation::TFm_Funcoes &funcoes)
{
    QObject::connect(pair.type, &widgets::TIncCombo::OnChange, pair.number, [pair] { applyRegistrationType(pair); });
    widgets::TIncCombo *type = pair.type;
    validation::bindPartnerNumberCheck(pair.number, funcoes, [type] { return type->ItemIndex(); });
}

int registrationTypeOfNumber(const QString &stored)
{
    if (stored.size() == kCpfLength)
        return validation::kTipoRegCpf;
    if (stored.size() == kCnpjLength)
        return validation::kTipoRegCnpj;
    return -1;
}

PercentJudgement judgePercentage(const validation::TFm_Funcoes &funcoes, const QString &text)
{
    if (text.trimmed().isEmpty())
        return {PercentJudgement::Empty, text};
    double x = 0.0;
    try {
        x = funcoes.ValorNumerico(text);
    } catch (const platform::RaisedError &) {
        return {PercentJudgement::Unreadable, text};
    }
    // One decimal, halves rounded up, as the share is written on the form. A share too
    // small to show one tenth would be written as 0,0, which the form refuses: it is
    // refused at once, like 0.
    const double tenths = x > 99.9 && x < 100.0 ? 999.0 : std::round(x * 10.0);
    if (tenths == 0.0 || x > 100.0)
        return {PercentJudgement::OutOfRange, text};
    return {PercentJudgement::Rewritten, QString::number(tenths / 10.0, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','))};
}

void bindPercentage(QWidget *field, const validation::TFm_Funcoes &funcoes)
{
    installMoneyKeys(field);
    auto *edit = qobject_cast<QLineEdit *>(field);
    platform::FocusExit::bind(field, [edit, f = &funcoes] {
        const PercentJudgement j = judgePercentage(*f, edit->text());
        switch (j.verdict) {
        case PercentJudgement::Empty:
            return;
        case PercentJudgement::Rewritten:
            edit->setText(j.text);
            return;
        case PercentJudgement::OutOfRange:
            platform::Messages::show(edit, platform::kCaptionFichas, validation::msg::kPercentualInvalido,
                                     platform::MsgIcon::Error);
            platform::FocusExit::returnFocus(edit);
            return;
        case PercentJudgement::Unreadable:
            // The focus stays where the user sent it.
            throw platform::RaisedError(validation::msg::kPercentualInvalido);
        }
    });
}

QString missingPartnerDate(int taxpayerType, const std::array<PartnerForPrint, 3> &partners)
{
    // A taxpayer registered by CPF needs no dates; one without a type is taken as CNPJ.
    if (taxpayerType == validation::kTipoRegCpf)
        return {};
    for (size_t i = 0; i < partners.size(); ++i) {
        const PartnerForPrint &p = partners.at(i);
        if (p.treatment != -1 && p.date.trimmed() == kEmptyDate)
            return QStringLiteral("Data de Atualização na Junta Comercial do Sócio %1 deve ser informada.").arg(i + 1);
    }
    return {};
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
