#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// A field's exit check asked, without the user leaving the field, what it would say:
// the whole-form check lists every field whose exit would complain, with the very text
// the user would read in the box.
namespace editors {

// What a field's exit check would say of the field's text as it stands, without saying
// it: no message box, no focus put back, no text rewritten. Empty when the text passes.
// The text is the one the user would see: the standard error box's text
// (platform::errorBoxText) for a raised error, the "Fichas" box's text otherwise.
using Judge = std::function<std::optional<QString>()>;

// Gives the field its judge; bindCheck (editors/common/CheckBinding.h) does it for the
// field it binds. A field has one exit check (a second attach replaces the first). The
// judge lives and dies with the field.
void attachJudge(QWidget *field, Judge judge);

// What the field's exit check would say now; nothing when the field has no exit check or
// its text passes.
std::optional<QString> exitProblem(const QWidget *field);

} // namespace editors
