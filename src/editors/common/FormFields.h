#pragma once

#include <QString>
#include <QStringList>

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
    // A list's items as it has them now.
    virtual QStringList itemsOf(const QString &control) const = 0;
    // Whether the user is typing in or choosing from the field right now.
    virtual bool inUse(const QString &control) const = 0;

    // What the rules do: choose a list's item (-1: none), empty a field, open or close it
    // (in its state's colour, or keeping its colour), change a masked field's mask (its
    // digits kept), open or close its title.
    virtual void choose(const QString &control, int index) = 0;
    virtual void empty(const QString &control) = 0;
    virtual void setState(const QString &control, FieldState state) = 0;
    virtual void setOpen(const QString &control, bool open) = 0;
    virtual void setMask(const QString &control, const QString &mask) = 0;
    virtual void openTitle(const QString &control, bool open) = 0;
    // A text field's text, kept whole; a list's shown text, its item kept; a list's items,
    // its choice kept while the list still has it.
    virtual void setText(const QString &control, const QString &text) = 0;
    virtual void setListText(const QString &control, const QString &text) = 0;
    virtual void setItems(const QString &control, const QStringList &items) = 0;
    // The title of the tab page the box stands on.
    virtual void titlePage(const QString &box, const QString &title) = 0;
};

} // namespace editors
