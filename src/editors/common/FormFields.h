#pragma once

#include <QString>

namespace editors {

enum class FieldState;

// The fields of one filled form as its rules and checks see them, by control name: the
// controls of its window (FieldTable), or a saved form's values without one (FormState).
// A rule written against it acts the same on both, so a form printed or checked without
// its window reads exactly as it would in it.
class FormFields {
public:
    virtual ~FormFields() = default;

    // The field's text as it shows it: a masked field's with its literals, a list's item.
    virtual QString shownText(const QString &control) const = 0;
    // The item a list has chosen; -1 when none (or the control is not a list).
    virtual int choiceOf(const QString &control) const = 0;
    // Whether the user can reach the field: a closed field's exit never runs.
    virtual bool isOpen(const QString &control) const = 0;
    // The tab pages the field stands on, outermost first ("Sócios > Sócio : 01").
    virtual QString pageOf(const QString &control) const = 0;

    // What the rules do: choose a list's item (-1: none), empty a field, open or close it,
    // change a masked field's mask (its digits kept) and open or close its title.
    virtual void choose(const QString &control, int index) = 0;
    virtual void empty(const QString &control) = 0;
    virtual void setState(const QString &control, FieldState state) = 0;
    virtual void setMask(const QString &control, const QString &mask) = 0;
    virtual void openTitle(const QString &control, bool open) = 0;
};

} // namespace editors
