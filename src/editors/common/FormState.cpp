#include "editors/common/FormState.h"

#include "editors/common/FormDescription.h"
#include "store/RecordFile.h"
#include "widgets/IncSearch.h"

namespace editors {

FormState::FormState(const FormDescription &description) : m_description(description), m_pages(description.pages)
{
    for (const FieldRow &row : description.rows) {
        Field f;
        f.row = &row;
        f.open = row.state == FieldState::Enabled;
        f.items = row.items;
        if (row.type == FieldType::Masked)
            setMask(f, row.mask);
        m_byName.insert(row.control, m_fields.size());
        m_fields.append(f);
    }
    if (description.rules) {
        m_rules = description.rules(*this);
        m_rules->created();
    }
}

FormState::~FormState() = default;

void FormState::load(const QStringList &lines)
{
    const store::RecordFile record(m_description.type->record);
    for (const QString &text : lines) {
        const std::optional<store::RecordLine> line = record.parse(text);
        if (!line)
            continue;
        if (m_rules)
            m_rules->beforeLine(line->tag, line->value);
        for (Field &f : m_fields) {
            if (line->tag <= 0 || f.row->tag != line->tag)
                continue;
            if (f.row->type != FieldType::List)
                put(f, line->value);
            else if (const std::optional<int> index = store::RecordFile::indexFrom(line->value, int(f.items.size())))
                choose(f.row->control, *index);
        }
        if (m_rules)
            m_rules->afterLine(line->tag, line->value);
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
    if (f->row->type == FieldType::Masked && !f->mask.isEmpty())
        return f->mask.text(f->edit);
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
    return f ? m_pages.value(f->row->place.box) : QString();
}

QStringList FormState::itemsOf(const QString &control) const
{
    const Field *f = find(control);
    return f ? f->items : QStringList();
}

// As a list control does: an index past its items changes nothing, choosing the item it
// has changes nothing, and its rules run only when the text it shows changes.
void FormState::choose(const QString &control, int index)
{
    Field &f = field(control);
    if (f.row->type != FieldType::List || index >= f.items.size() || (index >= 0 && index == f.choice))
        return;
    f.choice = index < 0 ? -1 : index;
    showInList(f, f.choice < 0 ? QString() : widgets::firstColumn(f.items.at(f.choice)));
}

void FormState::setListText(const QString &control, const QString &text) { showInList(field(control), text); }

void FormState::showInList(Field &f, const QString &text)
{
    f.text = text;
    if (text == f.lastChangeText)
        return;
    f.lastChangeText = text;
    if (m_rules)
        m_rules->changed(f.row->control);
}

void FormState::setItems(const QString &control, const QStringList &items)
{
    Field &f = field(control);
    f.items = items;
    if (f.choice >= f.items.size())
        f.choice = -1;
}

void FormState::empty(const QString &control)
{
    Field &f = field(control);
    if (f.row->type == FieldType::List)
        choose(control, -1);
    else
        put(f, QString());
}

void FormState::setState(const QString &control, FieldState state) { field(control).open = state == FieldState::Enabled; }

void FormState::setOpen(const QString &control, bool open) { field(control).open = open; }

void FormState::setText(const QString &control, const QString &text) { put(field(control), text); }

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

void FormState::put(Field &f, const QString &text)
{
    if (f.row->type == FieldType::Masked && !f.mask.isEmpty())
        f.edit = f.mask.editTextFor(text);
    else
        f.text = text;
}

// The page's title ends the path of every box on that page.
void FormState::titlePage(const QString &box, const QString &title)
{
    const QString path = m_pages.value(box);
    const qsizetype outer = path.lastIndexOf(QStringLiteral(" > "));
    const QString renamed = outer < 0 ? title : path.left(outer + 3) + title;
    for (auto it = m_pages.begin(); it != m_pages.end(); ++it)
        if (*it == path)
            *it = renamed;
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
