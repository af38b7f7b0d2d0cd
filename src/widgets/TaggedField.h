#pragma once

#include <QList>

class QWidget;

namespace widgets {

// What an editor control is, for the record file and the print tag fill:
// Text = QLineEdit, Masked = widgets::TMaskEdit, RichText = QTextEdit (multi-line),
// Combo = widgets::TIncCombo, Other = any other tagged component (label, panel...),
// which never reaches a record file or a layout.
enum class FieldKind { Text, Masked, RichText, Combo, Other };

// One tagged control of an editor. An editor lists its tagged controls in its
// component order; the record engine and the tag fill both walk that one list.
struct TaggedField {
    int tag = 0;
    FieldKind kind = FieldKind::Other;
    QWidget *widget = nullptr;
};

using TaggedFields = QList<TaggedField>;

} // namespace widgets
