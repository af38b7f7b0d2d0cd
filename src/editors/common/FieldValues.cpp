#include "editors/common/FieldValues.h"

#include "widgets/FieldValue.h"

namespace editors {

namespace {

// A multi-line control's lines reach the label as Windows text does, CR LF between
// lines, so each starts a new printed line.
QString windowsLines(QString text)
{
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

std::optional<QString> FieldValues::valueOf(const widgets::TaggedField &field)
{
    if (!field.widget)
        return std::nullopt;
    switch (field.kind) {
    case widgets::FieldKind::Text:
    case widgets::FieldKind::Masked:
        return widgets::fieldText(field);
    case widgets::FieldKind::RichText:
        return windowsLines(widgets::fieldText(field));
    case widgets::FieldKind::Combo:
        return widgets::comboPrintValue(field);
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

} // namespace editors
