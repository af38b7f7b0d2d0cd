#include "editors/common/FieldBinding.h"

#include "widgets/FieldValue.h"

namespace editors {

using widgets::FieldKind;

namespace {
bool stored(const widgets::TaggedField &f) { return f.tag > 0 && f.kind != FieldKind::Other; }
} // namespace

FieldBinding::FieldBinding(widgets::TaggedFields fields) : m_controls(std::move(fields)) {}

store::FormModel FieldBinding::read() const
{
    store::RecordFields fields;
    for (const widgets::TaggedField &f : m_controls)
        if (stored(f))
            fields.append({f.tag, f.kind == FieldKind::Combo ? store::ValueKind::Index : store::ValueKind::Text,
                           widgets::comboCount(f)});
    store::FormModel form(fields);
    qsizetype i = 0;
    for (const widgets::TaggedField &f : m_controls) {
        if (!stored(f))
            continue;
        if (f.kind == FieldKind::Combo)
            form.setIndex(i, widgets::comboIndex(f));
        else
            form.setText(i, widgets::fieldText(f));
        ++i;
    }
    return form;
}

void FieldBinding::put(const store::RecordLine &line) const
{
    for (const widgets::TaggedField &f : m_controls) {
        if (f.tag != line.tag || !stored(f))
            continue;
        if (f.kind != FieldKind::Combo)
            widgets::setFieldText(f, line.value);
        else if (const std::optional<int> index = store::RecordFile::indexFrom(line.value, widgets::comboCount(f)))
            widgets::setComboIndex(f, *index);
    }
}

void FieldBinding::clear() const
{
    for (const widgets::TaggedField &f : m_controls)
        if (f.kind != FieldKind::Other)
            widgets::clearField(f);
}

} // namespace editors
