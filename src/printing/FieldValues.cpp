#include "printing/FieldValues.h"

#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace printing {

namespace {

// A multi-line control's lines reach the label as Windows text does, CR LF between
// lines, so each starts a new printed line.
QString windowsLines(QString text)
{
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

QString comboPrintValue(const ComboState &combo)
{
    if (!combo.useValues)
        return combo.text;
    if (combo.itemIndex >= 0 && combo.itemIndex < combo.values.size())
        return combo.values.at(combo.itemIndex);
    return QString();
}

std::optional<QString> FieldValues::valueOf(const widgets::TaggedField &field)
{
    if (!field.widget)
        return std::nullopt;
    switch (field.kind) {
    case widgets::FieldKind::Text:
        if (const auto *edit = qobject_cast<const QLineEdit *>(field.widget))
            return edit->text();
        break;
    case widgets::FieldKind::RichText:
        if (const auto *edit = qobject_cast<const QTextEdit *>(field.widget))
            return windowsLines(edit->toPlainText());
        break;
    case widgets::FieldKind::Memo:
        if (const auto *edit = qobject_cast<const QPlainTextEdit *>(field.widget))
            return windowsLines(edit->toPlainText());
        break;
    case widgets::FieldKind::Masked:
        if (const auto *edit = qobject_cast<const widgets::TMaskEdit *>(field.widget))
            return edit->Text();
        break;
    case widgets::FieldKind::Combo:
        if (const auto *combo = qobject_cast<const widgets::TIncCombo *>(field.widget))
            return comboPrintValue(ComboState{combo->UseValues(), combo->Values(), combo->ItemIndex(), combo->Text()});
        break;
    case widgets::FieldKind::Other:
        break;
    }
    return std::nullopt;
}

std::optional<QString> FieldValues::valueOf(int tag) const
{
    for (const widgets::TaggedField &field : m_fields)
        if (field.tag == tag)
            return valueOf(field);
    return std::nullopt;
}

} // namespace printing
