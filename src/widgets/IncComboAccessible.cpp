#include "widgets/IncComboAccessible.h"

#include "widgets/IncCombo.h"
#include "widgets/IncSearch.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include <utility>

namespace widgets {

namespace {

// One item of the list; it reads the combo's items as they are now.
class IncItemAccessible : public QAccessibleInterface {
public:
    IncItemAccessible(TIncCombo *combo, int row) : m_combo(combo), m_row(row) {}

    bool isValid() const override { return m_combo && m_row < m_combo->Count(); }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_combo); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? firstColumn(m_combo->Items().at(m_row)) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.selected = isValid() && m_combo->ItemIndex() == m_row;
        s.invisible = !m_combo || !m_combo->DroppedDown();
        return s;
    }

private:
    QPointer<TIncCombo> m_combo;
    int m_row;
};

class IncComboAccessible : public QAccessibleWidget {
public:
    explicit IncComboAccessible(TIncCombo *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}
    ~IncComboAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_items))
            QAccessible::deleteAccessibleInterface(id);
    }

    TIncCombo *combo() const { return static_cast<TIncCombo *>(widget()); }

    int childCount() const override { return combo()->Count(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (!m_items.contains(index))
            m_items.insert(index, QAccessible::registerAccessibleInterface(new IncItemAccessible(combo(), index)));
        return QAccessible::accessibleInterface(m_items.value(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = m_items.cbegin(); it != m_items.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        return -1;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? combo()->Text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->DroppedDown();
        s.collapsed = !s.expanded;
        s.readOnly = combo()->ReadOnly();
        return s;
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction())
            return QAccessibleWidget::doAction(action);
        if (combo()->DroppedDown())
            combo()->CloseUp();
        else
            combo()->DropDown();
    }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        return action == showMenuAction() ? QStringList{QStringLiteral("Alt+Down")}
                                          : QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    mutable QHash<int, QAccessible::Id> m_items;
};

QAccessibleInterface *incComboFactory(const QString &key, QObject *object)
{
    if (key == QLatin1String("widgets::TIncCombo"))
        if (auto *combo = qobject_cast<TIncCombo *>(object))
            return new IncComboAccessible(combo);
    return nullptr;
}

} // namespace

void installIncComboAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(incComboFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace widgets
