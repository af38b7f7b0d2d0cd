#pragma once

#include "widgets/TaggedField.h"

#include <QString>

class QLineEdit;

namespace widgets {

// Reading and writing an editor control by its kind, for the record engine and the
// print tag fill.

// The text of a text, masked (as its mask gives it), or multi-line field, and the
// shown text of a lookup combo; empty for any other kind.
QString fieldText(const TaggedField &field);
// Sets the text of a text, masked (through its mask), or multi-line field. A text
// field keeps a value longer than its maximum length whole (the user still cannot make
// it longer).
void setFieldText(const TaggedField &field, const QString &text);

// Sets a text field's text from the program (a record, a check's rewrite, a rule's
// preset) as the field's own setter would: a value longer than the maximum length is
// kept whole; the user still cannot type it longer.
void setTextKeepingLength(QLineEdit *edit, const QString &text);

// A lookup combo's selected index (-1 for none), its item count, and selecting an item
// (ignored at or beyond the count; below 0 clears it).
int comboIndex(const TaggedField &field);
int comboCount(const TaggedField &field);
void setComboIndex(const TaggedField &field, int index);
// The combo's coded value for printing: with UseValues the entry of Values at the
// selected index (empty when none), otherwise the shown text.
QString comboPrintValue(const TaggedField &field);

// Empties a field: text emptied; a combo's text emptied and its selection set to none.
void clearField(const TaggedField &field);

} // namespace widgets
