#include "editors/common/CheckBinding.h"

#include "platform/FocusExit.h"
#include "platform/Messages.h"
#include "platform/RaisedError.h"
#include "widgets/IncCombo.h"

namespace editors {

using validation::Complaint;
using validation::FieldVerdict;

namespace {

void act(QWidget *field, const TextSetter &setText, const FieldVerdict &verdict)
{
    if (verdict.rewritten)
        setText(*verdict.rewritten);
    switch (verdict.complaint) {
    case Complaint::None:
        return;
    case Complaint::RaisedFocusBack:
        platform::FocusExit::returnFocus(field);
        throw platform::RaisedError(verdict.message);
    case Complaint::Raised:
        throw platform::RaisedError(verdict.message);
    case Complaint::FichasBox:
        platform::Messages::show(field->window(), platform::kCaptionFichas, verdict.message,
                                 platform::MsgIcon::Error);
        platform::FocusExit::returnFocus(field);
        return;
    }
}

} // namespace

std::optional<QString> complaintText(const FieldVerdict &verdict)
{
    switch (verdict.complaint) {
    case Complaint::None:
        return std::nullopt;
    case Complaint::RaisedFocusBack:
    case Complaint::Raised:
        return platform::errorBoxText(verdict.message);
    case Complaint::FichasBox:
        return verdict.message;
    }
    return std::nullopt;
}

RowCheck partnerNumberCheck(const QString &typeList)
{
    return [typeList](const CheckInput &in) {
        return validation::checkPartnerNumber(in.funcoes, in.text,
                                              in.fields.choiceOf(typeList));
    };
}

platform::FocusExit *bindCheck(QWidget *field, TextGetter text, TextSetter setText, ValueCheck check)
{
    return platform::FocusExit::bind(field, [field, text = std::move(text), setText = std::move(setText),
                                             check = std::move(check)] { act(field, setText, check(text())); });
}

} // namespace editors
