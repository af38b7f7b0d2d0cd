#include "editors/common/FormState.h"

#include "editors/common/FormDescription.h"
#include "store/RecordFile.h"
#include "widgets/IncSearch.h"

namespace editors {

QList<printing::PrintLayout> FormDescription::printLayouts() const
{
    QList<printing::PrintLayout> layouts;
    for (const QString &name : store::formTypeInfo(type).layouts)
        layouts.append(printLayout ? printLayout(name) : printing::PrintLayout{name, {}});
    return layouts;
}

void FormDescription::addPages(const QList<TabPage> &tabPages)
{
    for (const TabPage &page : tabPages)
        pages.insert(page.box, page.title);
}

FormState::FormState(const FormDescription &description) : m_description(description)
{
    for (const FieldRow &row : description.rows) {
        Field f;
        f.row = &row;
        f.open = row.state == FieldState::Enabled;
        if (row.type == FieldType::Masked)
            setMask(f, row.mask);
        m_byName.insert(row.control, m_fields.size());
        m_fields.append(f);
    }
}

void FormState::load(const QStringList &lines)
{
    const store::RecordFile record(store::formTypeInfo(m_description.type).record);
    for (const QString &text : lines) {
        const std::optional<store::RecordLine> line = record.parse(text);
        if (!line)
            continue;
        if (m_description.beforeLine)
            m_description.beforeLine(*this, line->tag, line->value);
        for (Field &f : m_fields) {
            if (line->tag <= 0 || f.row->tag != line->tag)
                continue;
            if (f.row->type != FieldType::List)
                setText(f, line->value);
            else if (const std::optional<int> index = store::RecordFile::indexFrom(line->value, int(f.row->items.size())))
                choose(f.row->control, *index);
        }
    }
}

printing::TagValues FormState::printValues() const
{
    return [this](int tag) -> std::optional<QString> {
        for (const Field &f : m_fields)
            if (tag > 0 && f.row->tag == tag)
                return printValue(f);
        return std::nullopt;
    };
}

QString FormState::printValue(const Field &f) const
{
    switch (f.row->type) {
    case FieldType::MultiLine: {
        // Its lines reach the page as Windows text does, CR LF between them.
        QString lines = f.text;
        return lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    }
    case FieldType::List:
        if (!f.row->values.isEmpty())
            return f.choice >= 0 && f.choice < f.row->values.size() ? f.row->values.at(f.choice) : QString();
        break;
    case FieldType::Text:
    case FieldType::Masked:
        break;
    }
    return shownText(f.row->control);
}

QString FormState::shownText(const QString &control) const
{
    const Field *f = find(control);
    if (!f)
        return {};
    switch (f->row->type) {
    case FieldType::Masked:
        return f->mask.isEmpty() ? f->text : f->mask.text(f->edit);
    case FieldType::List:
        return f->choice >= 0 ? widgets::firstColumn(f->row->items.at(f->choice)) : QString();
    case FieldType::Text:
    case FieldType::MultiLine:
        break;
    }
    return f->text;
}

int FormState::choiceOf(const QString &control) const
{
    const Field *f = find(control);
    return f ? f->choice : -1;
}

bool FormState::isOpen(const QString &control) const
{
    const Field *f = find(control);
    return f && f->open;
}

QString FormState::pageOf(const QString &control) const
{
    const Field *f = find(control);
    return f ? m_description.pages.value(f->row->place.box) : QString();
}

// As a list control does: an index past its items changes nothing, choosing the item it
// has changes nothing, and its rules run only when the item it shows changes.
void FormState::choose(const QString &control, int index)
{
    Field &f = field(control);
    if (f.row->type != FieldType::List || index >= f.row->items.size() || (index >= 0 && index == f.choice))
        return;
    f.choice = index < 0 ? -1 : index;
    raiseChange(f);
}

void FormState::raiseChange(Field &f)
{
    const QString now = shownText(f.row->control);
    if (now == f.lastChangeText)
        return;
    f.lastChangeText = now;
    for (const ChangeRule &rule : m_description.rules)
        if (rule.list == f.row->control)
            rule.apply(*this);
}

void FormState::empty(const QString &control)
{
    Field &f = field(control);
    if (f.row->type == FieldType::List)
        choose(control, -1);
    else
        setText(f, QString());
}

void FormState::setState(const QString &control, FieldState state) { field(control).open = state == FieldState::Enabled; }

void FormState::setMask(const QString &control, const QString &mask) { setMask(field(control), mask); }

// As a masked field does: the characters entered stay through a change of mask.
void FormState::setMask(Field &f, const QString &mask)
{
    if (mask == f.mask.editMask())
        return;
    const QString entered = f.mask.isEmpty() ? f.text : f.mask.textWithoutLiterals(f.edit);
    f.mask = widgets::MaskModel(mask);
    if (f.mask.isEmpty()) {
        f.edit.clear();
        f.text = entered;
    } else {
        f.edit = f.mask.editTextFor(entered);
    }
}

void FormState::setText(Field &f, const QString &text)
{
    if (f.row->type == FieldType::Masked && !f.mask.isEmpty())
        f.edit = f.mask.editTextFor(text);
    else
        f.text = text;
}

FormState::Field &FormState::field(const QString &control)
{
    const auto it = m_byName.constFind(control);
    if (it == m_byName.cend())
        throw FieldTableError("no field " + control.toStdString());
    return m_fields[*it];
}

const FormState::Field *FormState::find(const QString &control) const
{
    const auto it = m_byName.constFind(control);
    return it == m_byName.cend() ? nullptr : &m_fields.at(*it);
}

} // namespace editors
