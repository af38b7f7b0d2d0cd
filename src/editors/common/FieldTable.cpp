#include "editors/common/FieldTable.h"

#include "editors/common/CheckBinding.h"
#include "editors/common/FieldBehaviour.h"
#include "editors/common/Pendencias.h"
#include "widgets/FieldValue.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <map>
#include <string>

namespace editors {

FieldRow &FieldRow::at(const QString &box, int row, int column, int stretch)
{
    place.box = box;
    place.row = row;
    place.column = column;
    place.stretch = stretch;
    return *this;
}

FieldRow &FieldRow::beside()
{
    place.titleBeside = true;
    return *this;
}

FieldRow &FieldRow::initially(FieldState s)
{
    state = s;
    return *this;
}

FieldRow &FieldRow::titled(const QString &labelName)
{
    titleControl = labelName;
    return *this;
}

FieldRow &FieldRow::withValues(const QStringList &v)
{
    values = v;
    return *this;
}

FieldRow &FieldRow::prompting(const QString &text)
{
    prompt = text;
    return *this;
}

FieldRow &FieldRow::spoken(const QString &name)
{
    spokenName = name;
    return *this;
}

FieldRow &FieldRow::moneyKeys()
{
    keys = FieldKeys::Money;
    return *this;
}

FieldRow &FieldRow::checked(RowCheck c)
{
    check = std::move(c);
    return *this;
}

FieldRow &FieldRow::money(RowCheck c)
{
    rewriteWhole = true;
    return moneyKeys().checked(std::move(c));
}

FieldRow &FieldRow::blankEntry()
{
    blankMeansNone = true;
    return *this;
}

namespace {
FieldRow row(const QString &control, const QString &title, FieldType type, int tag)
{
    FieldRow r;
    r.control = control;
    r.title = title;
    r.type = type;
    r.tag = tag;
    return r;
}
} // namespace

FieldRow text(const QString &control, const QString &title, int tag, int maxLength)
{
    FieldRow r = row(control, title, FieldType::Text, tag);
    r.maxLength = maxLength;
    return r;
}

FieldRow multiLine(const QString &control, const QString &title, int tag)
{
    return row(control, title, FieldType::MultiLine, tag);
}

FieldRow masked(const QString &control, const QString &title, int tag, const QString &mask)
{
    FieldRow r = row(control, title, FieldType::Masked, tag);
    r.mask = mask;
    return r;
}

FieldRow list(const QString &control, const QString &title, int tag, const QStringList &items)
{
    FieldRow r = row(control, title, FieldType::List, tag);
    r.items = items;
    return r;
}

void FieldTable::addBox(const QString &key, QWidget *box)
{
    m_boxes.insert(key, box);
    // A group inside another would otherwise be announced by the outer group's caption.
    if (auto *group = qobject_cast<QGroupBox *>(box); group && !group->title().trimmed().isEmpty())
        group->setAccessibleName(group->title().trimmed());
}

QWidget *FieldTable::make(const FieldRow &row, QWidget *parent) const
{
    switch (row.type) {
    case FieldType::Text: {
        auto *f = new QLineEdit(parent);
        if (row.maxLength > 0)
            f->setMaxLength(row.maxLength);
        return f;
    }
    case FieldType::MultiLine:
        return new TMultiLineEdit(parent);
    case FieldType::Masked: {
        auto *f = new widgets::TMaskEdit(parent);
        if (row.maxLength > 0)
            f->SetMaxLength(row.maxLength);
        f->SetEditMask(row.mask);
        return f;
    }
    case FieldType::List: {
        auto *c = new widgets::TIncCombo(parent);
        c->SetItems(row.items);
        if (!row.values.isEmpty()) {
            c->SetValues(row.values);
            c->SetUseValues(true);
        }
        return c;
    }
    }
    return nullptr;
}

void FieldTable::build(const QList<FieldRow> &rows)
{
    for (const FieldRow &row : rows) {
        QWidget *box = m_boxes.value(row.place.box);
        if (!box)
            throw FieldTableError("field " + row.control.toStdString() + " names an unknown box "
                                  + row.place.box.toStdString());
        if (m_byName.contains(row.control))
            throw FieldTableError("repeated field name " + row.control.toStdString());
        if (row.tag > 0 && m_byTag.contains(row.tag))
            throw FieldTableError("repeated tag " + std::to_string(row.tag));
        if (row.check && !m_funcoes)
            throw FieldTableError("field " + row.control.toStdString() + " has a check but the table no functions");
        if (row.blankMeansNone && !row.items.contains(QStringLiteral(" ")))
            throw FieldTableError("list " + row.control.toStdString() + " has no blank item");

        QWidget *field = make(row, box);
        field->setObjectName(row.control);
        setFieldState(field, row.state);
        m_byName.insert(row.control, field);
        if (row.tag > 0)
            m_byTag.insert(row.tag, field);
        m_rows.append(row);
    }
    makeTitles();
    placeRows();
    for (const FieldRow &row : m_rows)
        bindBehaviour(row);
}

void FieldTable::bindBehaviour(const FieldRow &row) const
{
    QWidget *field = m_byName.value(row.control);
    // The key filter before the exit check, as the fields have always been bound.
    if (row.keys == FieldKeys::Money)
        installMoneyKeys(field);
    if (row.check) {
        const auto *funcoes = m_funcoes;
        // A field that loses the focus while its window is torn down, after the table,
        // has nothing left to be checked against.
        ValueCheck check = [check = row.check, funcoes, alive = std::weak_ptr<const FieldTable *>(m_alive)](
                               const QString &t) {
            const auto table = alive.lock();
            return table ? check({t, *funcoes, **table}) : validation::FieldVerdict{};
        };
        if (auto *masked = qobject_cast<widgets::TMaskEdit *>(field))
            bindCheck(masked, std::move(check));
        else if (auto *edit = qobject_cast<QLineEdit *>(field); edit && row.rewriteWhole)
            bindCheck(edit, textOf(edit), [edit](const QString &t) { widgets::setTextKeepingLength(edit, t); },
                      std::move(check));
        else if (edit)
            bindCheck(edit, std::move(check));
        else
            throw FieldTableError("field " + row.control.toStdString() + " cannot be checked");
    }
    if (row.blankMeansNone)
        bindBlankEntry(qobject_cast<widgets::TIncCombo *>(field), int(row.items.indexOf(QStringLiteral(" "))));
}

void FieldTable::makeTitles()
{
    // The titles come after every field, so that the keyboard order of the fields is
    // not interrupted by labels before it is set.
    for (const FieldRow &row : m_rows) {
        if (row.title.isEmpty()) {
            // Without one, the field would be announced by the caption of its group.
            if (!row.spokenName.isEmpty())
                m_byName.value(row.control)->setAccessibleName(row.spokenName);
            continue;
        }
        QWidget *field = m_byName.value(row.control);
        auto *title = new QLabel(row.title, field->parentWidget());
        title->setBuddy(field);
        if (!row.titleControl.isEmpty())
            title->setObjectName(row.titleControl);
        field->setAccessibleName(row.title);
        m_titles.insert(row.control, title);
    }
}

void FieldTable::placeRows()
{
    // Each visual row of a box is a grid of its own, so that the columns of one row do not
    // bind the widths of the next.
    std::map<std::pair<QString, int>, std::map<int, const FieldRow *>> lines;
    for (const FieldRow &row : m_rows)
        lines[{row.place.box, row.place.row}][row.place.column] = &row;
    for (const auto &[where, cells] : lines) {
        QWidget *box = m_boxes.value(where.first);
        auto *stack = qobject_cast<QVBoxLayout *>(box->layout());
        if (!stack) {
            stack = new QVBoxLayout(box);
            stack->setContentsMargins(6, 2, 6, 4);
            stack->setSpacing(2);
        }
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(0);
        int column = 0;
        for (const auto &[_, row] : cells) {
            QWidget *field = m_byName.value(row->control);
            QLabel *title = m_titles.value(row->control);
            if (row->place.titleBeside) {
                if (title)
                    grid->addWidget(title, 0, column++);
                grid->addWidget(field, 0, column);
            } else {
                if (title)
                    grid->addWidget(title, 0, column);
                grid->addWidget(field, 1, column);
            }
            grid->setColumnStretch(column, row->place.stretch);
            ++column;
        }
        stack->addLayout(grid);
    }
}

QWidget *FieldTable::byTag(int tag) const
{
    QWidget *w = m_byTag.value(tag);
    if (!w)
        throw FieldTableError("no field has the tag " + std::to_string(tag));
    return w;
}

QList<QWidget *> FieldTable::inTabOrder(const QList<int> &tabOrder) const
{
    requireEveryTag(tabOrder, "tab order");
    QList<QWidget *> out;
    for (int tag : tabOrder)
        out.append(byTag(tag));
    return out;
}

const FieldRow *FieldTable::rowOf(const QString &control) const
{
    for (const FieldRow &row : m_rows)
        if (row.control == control)
            return &row;
    return nullptr;
}

const FieldRow *FieldTable::rowOfTag(int tag) const
{
    for (const FieldRow &row : m_rows)
        if (row.tag == tag)
            return &row;
    return nullptr;
}

void FieldTable::requireEveryTag(const QList<int> &order, const char *what) const
{
    for (const FieldRow &row : m_rows)
        if (row.tag > 0 && !order.contains(row.tag))
            throw FieldTableError("field " + row.control.toStdString() + " (tag " + std::to_string(row.tag)
                                  + ") is missing from the " + what);
}

widgets::TaggedFields FieldTable::tagged(const QList<int> &recordOrder) const
{
    requireEveryTag(recordOrder, "record order");
    widgets::TaggedFields fields;
    for (int tag : recordOrder) {
        QWidget *w = byTag(tag);
        fields.append({tag, kindOf(w), w});
    }
    return fields;
}

namespace {
widgets::TaggedField asField(QWidget *w) { return {0, kindOf(w), w}; }
} // namespace

QString FieldTable::shownText(const QString &control) const
{
    QWidget *w = widget(control);
    return w ? widgets::fieldText(asField(w)) : QString();
}

int FieldTable::choiceOf(const QString &control) const
{
    const auto *list = field<widgets::TIncCombo>(control);
    return list ? list->ItemIndex() : -1;
}

bool FieldTable::isOpen(const QString &control) const
{
    const QWidget *w = widget(control);
    return w && w->isEnabled();
}

QString FieldTable::pageOf(const QString &control) const { return editors::pageOf(widget(control)); }

QStringList FieldTable::itemsOf(const QString &control) const
{
    const auto *list = field<widgets::TIncCombo>(control);
    return list ? list->Items() : QStringList();
}

bool FieldTable::inUse(const QString &control) const
{
    const QWidget *w = widget(control);
    const auto *list = qobject_cast<const widgets::TIncCombo *>(w);
    return w && (w->hasFocus() || (list && list->DroppedDown()));
}

void FieldTable::setOpen(const QString &control, bool open)
{
    if (QWidget *w = widget(control))
        w->setEnabled(open);
    else
        throw FieldTableError("no field " + control.toStdString());
}

void FieldTable::setText(const QString &control, const QString &text)
{
    widgets::setTextKeepingLength(require<QLineEdit>(control), text);
}

void FieldTable::setListText(const QString &control, const QString &text) { require<widgets::TIncCombo>(control)->SetText(text); }

void FieldTable::setItems(const QString &control, const QStringList &items)
{
    require<widgets::TIncCombo>(control)->SetItems(items);
}

void FieldTable::titlePage(const QString &box, const QString &title) { setPageTitle(m_boxes.value(box), title); }

void FieldTable::choose(const QString &control, int index) { require<widgets::TIncCombo>(control)->SetItemIndex(index); }

void FieldTable::empty(const QString &control)
{
    QWidget *w = widget(control);
    if (!w)
        throw FieldTableError("no field " + control.toStdString());
    widgets::clearField(asField(w));
}

void FieldTable::setState(const QString &control, FieldState state)
{
    QWidget *w = widget(control);
    if (!w)
        throw FieldTableError("no field " + control.toStdString());
    setFieldState(w, state);
}

void FieldTable::setMask(const QString &control, const QString &mask)
{
    require<widgets::TMaskEdit>(control)->SetEditMask(mask);
}

void FieldTable::openTitle(const QString &control, bool open)
{
    if (QLabel *label = title(control))
        label->setEnabled(open);
}

widgets::FieldKind kindOf(const QWidget *w)
{
    using widgets::FieldKind;
    // The masked edit and the lookup combo are line edits too: ask for them first.
    if (qobject_cast<const widgets::TMaskEdit *>(w))
        return FieldKind::Masked;
    if (qobject_cast<const widgets::TIncCombo *>(w))
        return FieldKind::Combo;
    if (qobject_cast<const QLineEdit *>(w))
        return FieldKind::Text;
    if (qobject_cast<const TMultiLineEdit *>(w))
        return FieldKind::RichText;
    return FieldKind::Other;
}

void chainTabOrder(const QList<QWidget *> &chain)
{
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

} // namespace editors
