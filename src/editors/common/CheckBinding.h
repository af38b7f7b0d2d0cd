#pragma once

#include "editors/common/FieldTable.h"
#include "validation/FieldChecks.h"

#include <QString>
#include <QWidget>

#include <concepts>
#include <functional>
#include <optional>

namespace platform {
class FocusExit;
}

// A field check (validation/FieldChecks.h) bound to the field's exit, in one line:
//
//   bindCheck(Mae_ContadorCpf, [f](const QString &t) { return validation::checkCpf(*f, t); });
//
// On exit the field takes the verdict's rewritten text, then the complaint is told: the
// standard error box through a raised error, with or without the focus back, or the
// "Fichas" box with the focus back. A rejected field keeps its text unless the verdict
// rewrites it (an amount out of range is shown in its pattern).
// The field is any widget: masked edits are read through Text()/SetText() (the text as
// the mask gives it), plain line edits through text()/setText(); or pass the getter and
// setter yourself.
//
// A form's fields are bound so by their rows (FieldRow::checked in FieldTable.h).
//
// The whole-form check asks a row's check what it would say (complaintText) without
// leaving the field.
namespace editors {

using TextGetter = std::function<QString()>;
using TextSetter = std::function<void(const QString &)>;
using ValueCheck = std::function<validation::FieldVerdict(const QString &text)>;

// Binds the check of the field's text to the field's exit.
// The setter writes the rewritten text back (a money field's may be longer than the
// field lets the user type).
platform::FocusExit *bindCheck(QWidget *field, TextGetter text, TextSetter setText, ValueCheck check);

// The text of the box a check's complaint shows: the standard error box's for a raised
// error, the "Fichas" box's otherwise; nothing when the check passes.
std::optional<QString> complaintText(const validation::FieldVerdict &verdict);

// A partner's or the taxpayer's number checked by the type chosen in the list of that name,
// read as the number is left (Mae_NrReg_1Exit).
RowCheck partnerNumberCheck(const QString &typeList);

template <typename Field>
concept FieldWidget = std::derived_from<Field, QWidget>;

// The field's text as the editors read it: a masked edit's Text(), else text().
template <FieldWidget Field>
TextGetter textOf(Field *field)
{
    return [field]() -> QString {
        if constexpr (requires(Field *f) { f->Text(); })
            return field->Text();
        else
            return field->text();
    };
}

// Sets the field's text: through a masked edit's SetText(), else setText().
template <FieldWidget Field>
TextSetter setterOf(Field *field)
{
    return [field](const QString &t) {
        if constexpr (requires(Field *f) { f->SetText(t); })
            field->SetText(t);
        else
            field->setText(t);
    };
}

template <FieldWidget Field>
platform::FocusExit *bindCheck(Field *field, ValueCheck check)
{
    return bindCheck(static_cast<QWidget *>(field), textOf(field), setterOf(field), std::move(check));
}

} // namespace editors
