#include "widgets/IncCombo.h"

#include "platform/RaisedError.h"
#include "widgets/IncComboAccessible.h"
#include "widgets/IncDropDownList.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

namespace widgets {

TIncCombo::TIncCombo(QWidget *parent)
    : QLineEdit(parent), m_buttonCursor(Qt::ArrowCursor), m_options(new TListBoxOptions(this))
{
    installIncComboAccessible();
    setMouseTracking(true);
    setAcceptDrops(false); // a dropped text would bypass the search
    setDragEnabled(false);
    connect(this, &QLineEdit::textChanged, this, &TIncCombo::textReplaced);
    connect(m_options, &TDropDownOptions::Changed, this, &TIncCombo::optionsChanged);
    connect(m_options, &TListBoxOptions::SortedChanged, this, [this](bool on) {
        if (on)
            sortItems();
    });
    updateMargins();
}

TIncCombo::~TIncCombo()
{
    if (m_list) {
        disconnect(m_list, nullptr, this, nullptr);
        delete m_list;
        m_list = nullptr;
    }
}

// ---------------------------------------------------------------- items and values

void TIncCombo::SetItems(const QStringList &items)
{
    m_items = items;
    if (m_options->Sorted()) {
        sortItems();
        return;
    }
    if (m_itemIndex >= Count()) {
        m_itemIndex = -1;
        m_matched = false;
    }
    if (m_itemIndex >= 0)
        m_value = valueOf(m_itemIndex);
    if (m_list)
        m_list->Refresh();
}

void TIncCombo::SetValues(const QStringList &values)
{
    m_values = values;
    if (m_itemIndex >= 0)
        m_value = valueOf(m_itemIndex);
}

void TIncCombo::SetUseValues(bool on)
{
    m_useValues = on;
    if (m_itemIndex >= 0)
        m_value = valueOf(m_itemIndex);
}

void TIncCombo::sortItems()
{
    const QList<int> order = widgets::sortItems(m_items, m_values, m_useValues);
    if (!order.isEmpty() && m_itemIndex >= 0)
        m_itemIndex = int(order.indexOf(m_itemIndex));
    if (m_itemIndex >= Count())
        m_itemIndex = -1;
    if (m_itemIndex >= 0)
        m_value = valueOf(m_itemIndex);
    if (m_list)
        m_list->Refresh();
}

QString TIncCombo::valueOf(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    if (m_useValues)
        return m_values.value(index);
    return firstColumn(m_items.at(index));
}

void TIncCombo::select(int index)
{
    m_itemIndex = index;
    m_value = valueOf(index);
    m_matched = index >= 0;
    if (m_list)
        m_list->SetCurrentRow(index);
}

void TIncCombo::applySearch(const IncMatch &m)
{
    m_itemIndex = m.selected;
    m_value = valueOf(m.selected);
    m_matched = m.matched;
    if (m_list)
        m_list->SetCurrentRow(m.selected >= 0 ? m.selected : m.best);
}

void TIncCombo::SetItemIndex(int index)
{
    if (index >= Count())
        return;
    if (index < 0) {
        select(-1);
        replaceText(QString(), 0, 0);
        return;
    }
    if (index == m_itemIndex)
        return;
    select(index);
    const QString shown = firstColumn(m_items.at(index));
    replaceText(shown, 0, int(shown.size()));
}

void TIncCombo::SetValue(const QString &v)
{
    int found = -1;
    for (int i = 0; i < Count() && found < 0; ++i) {
        if (m_useValues ? (i < m_values.size() && m_values.at(i).compare(v, Qt::CaseInsensitive) == 0)
                        : firstColumn(m_items.at(i)) == v)
            found = i;
    }
    SetItemIndex(found);
    m_value = v;
}

void TIncCombo::SetText(const QString &t) { replaceText(t, 0, int(t.size())); }

void TIncCombo::Clear() { SetItemIndex(-1); }

// ---------------------------------------------------------------- text and OnChange

void TIncCombo::replaceText(const QString &t, int selStart, int selLength)
{
    {
        // Marks a change the control makes itself, so it raises OnChange once, at its end,
        // when text and selection are complete.
        ++m_updating;
        const auto updated = qScopeGuard([this] { --m_updating; });
        if (text() != t)
            setText(t);
        if (selLength > 0) {
            setSelection(selStart, selLength);
        } else {
            deselect();
            setCursorPosition(selStart);
        }
    }
    raiseChange();
}

void TIncCombo::textReplaced(const QString &)
{
    // Text set through the plain QLineEdit interface: no search, matched state kept.
    if (m_updating == 0)
        raiseChange();
}

void TIncCombo::raiseChange()
{
    const QString now = text();
    if (now == m_lastChangeText)
        return;
    m_lastChangeText = now;
    if (m_entered)
        m_modified = true;
    // A screen reader says the newly chosen item.
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, now);
        QAccessible::updateAccessibility(&changed);
    }
    raiseEvent(&TIncCombo::OnChange);
}

// Raises an event; a check that fails inside its handler is shown in the error box
// here, before it could reach the event loop. False when the handler raised.
bool TIncCombo::raiseEvent(void (TIncCombo::*signal)())
{
    return platform::guard(window(), [this, signal] { (this->*signal)(); });
}

// ---------------------------------------------------------------- focus

void TIncCombo::focusInEvent(QFocusEvent *e)
{
    QLineEdit::focusInEvent(e);
    // The list opening or closing, or the window coming back, is no entry.
    if (e->reason() == Qt::PopupFocusReason || m_entered)
        return;
    m_entered = true;
    m_entryText = text();
    m_modified = false;
    m_matched = true;
    reselectOnEntry();
    m_entryIndex = m_itemIndex;
    m_entryValue = m_value;
    updateMargins();
    update();
    if (m_autoDropDown == adFocused) {
        QTimer::singleShot(0, this, [this] {
            if (m_entered && hasFocus() && !DroppedDown())
                DropDown();
        });
    }
}

void TIncCombo::reselectOnEntry()
{
    int index = m_itemIndex;
    if (m_useValues) {
        const bool keep = index >= 0 && valueOf(index).compare(m_value, Qt::CaseInsensitive) == 0;
        if (!keep) {
            index = -1;
            for (int i = 0; i < std::min(Count(), int(m_values.size())) && !m_value.isEmpty(); ++i) {
                if (m_values.at(i).compare(m_value, Qt::CaseInsensitive) == 0) {
                    index = i;
                    break;
                }
            }
        }
        m_itemIndex = index;
    } else {
        // A text that still begins the selected item keeps it ("EX" for "EX - EXTERIOR");
        // searching could pick an earlier item that begins the same way.
        const QString t = text();
        const bool keep = index >= 0 && !t.isEmpty() && beginsNoCase(t, firstColumn(m_items.at(index)));
        if (!keep) {
            m_itemIndex = findBestMatch(m_items, t, m_canBeBlank).selected;
            m_value = valueOf(m_itemIndex);
        }
    }
    if (m_list)
        m_list->SetCurrentRow(m_itemIndex);
}

void TIncCombo::focusOutEvent(QFocusEvent *e)
{
    QLineEdit::focusOutEvent(e);
    if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason || !m_entered)
        return;
    // Only a move to another control of the same window leaves the field.
    const QWidget *now = QApplication::focusWidget();
    if (now && now->window() != window())
        return;
    leave();
}

void TIncCombo::leave()
{
    m_entered = false;
    if (!m_matched && (!m_canBeBlank || !text().isEmpty())) {
        const bool connected = isSignalConnected(QMetaMethod::fromSignal(&TIncCombo::OnNewItem));
        const bool raised = !raiseEvent(&TIncCombo::OnNewItem);
        if (raised || !connected)
            restoreEntry();
    }
    m_modified = false;
    updateMargins();
    update();
    CloseUp();
}

void TIncCombo::restoreEntry()
{
    m_itemIndex = m_entryIndex < Count() ? m_entryIndex : -1;
    m_value = m_entryValue;
    m_matched = true;
    if (m_list)
        m_list->SetCurrentRow(m_itemIndex);
    replaceText(m_entryText, 0, 0);
}

// ---------------------------------------------------------------- drop-down

bool TIncCombo::DroppedDown() const { return m_list && m_list->isVisible(); }

void TIncCombo::DropDown()
{
    if (DroppedDown())
        return;
    raiseEvent(&TIncCombo::OnDropDown);
    if (m_items.isEmpty() || !isVisible())
        return;
    if (!m_list) {
        m_list = new TIncDropDownList(this, m_options);
        connect(m_list, &TIncDropDown::RowPressed, this, &TIncCombo::listRowPressed);
        connect(m_list, &TIncDropDown::RowReleased, this, &TIncCombo::listRowReleased);
        connect(m_list, &TIncDropDown::Closed, this, &TIncCombo::listClosed);
    }
    const int row = m_itemIndex >= 0 ? m_itemIndex : findBestMatch(m_items, text(), m_canBeBlank).best;
    m_list->Open(row);
}

void TIncCombo::CloseUp()
{
    if (DroppedDown())
        m_list->hide(); // raises OnCloseUp through listClosed
}

void TIncCombo::listRowPressed(int row)
{
    if (ReadOnly())
        return;
    SetItemIndex(row);
    selectAll();
}

void TIncCombo::listRowReleased(int row)
{
    listRowPressed(row);
    CloseUp();
}

void TIncCombo::listClosed()
{
    m_buttonDown = false;
    update();
    raiseEvent(&TIncCombo::OnCloseUp);
}

void TIncCombo::optionsChanged()
{
    if (m_list)
        m_list->Refresh();
}

// ---------------------------------------------------------------- button, mouse, painting

bool TIncCombo::ButtonShown() const
{
    return m_showButton == scAlways || (m_showButton == scFocused && m_entered);
}

QRect TIncCombo::ButtonRect() const
{
    if (!ButtonShown())
        return {};
    const int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    const int strip = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QRect(width() - frame - strip, frame, strip, height() - 2 * frame);
}

void TIncCombo::SetShowComboButton(TShowComboButton s)
{
    m_showButton = s;
    updateMargins();
    update();
}

void TIncCombo::updateMargins()
{
    const int strip = ButtonShown() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0;
    setTextMargins(0, 0, strip, 0);
}

void TIncCombo::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && ButtonRect().contains(e->position().toPoint())) {
        e->accept();
        if (!hasFocus())
            setFocus(Qt::MouseFocusReason);
        m_buttonDown = true;
        update();
        if (DroppedDown())
            CloseUp();
        else
            DropDown();
        return;
    }
    QLineEdit::mousePressEvent(e);
}

void TIncCombo::mouseMoveEvent(QMouseEvent *e)
{
    setCursor(ButtonRect().contains(e->position().toPoint()) ? m_buttonCursor : QCursor(Qt::IBeamCursor));
    if (m_buttonDown) {
        e->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(e);
}

void TIncCombo::mouseReleaseEvent(QMouseEvent *e)
{
    if (m_buttonDown) {
        m_buttonDown = false;
        update();
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void TIncCombo::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && ButtonRect().contains(e->position().toPoint())) {
        mousePressEvent(e);
        return;
    }
    QLineEdit::mouseDoubleClickEvent(e);
}

void TIncCombo::paintEvent(QPaintEvent *e)
{
    QLineEdit::paintEvent(e);
    if (!ButtonShown())
        return;
    QPainter p(this);
    const QRect strip = ButtonRect();
    QStyleOptionButton bevel;
    bevel.initFrom(this);
    bevel.rect = strip;
    bevel.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    if (m_buttonDown) {
        bevel.state |= QStyle::State_Sunken;
        bevel.features |= QStyleOptionButton::Flat;
    } else {
        bevel.state |= QStyle::State_Raised;
    }
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &bevel, &p, this);

    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.state = isEnabled() ? QStyle::State_Enabled : QStyle::State_None;
    arrow.rect = strip.adjusted(3, 3, -3, -3);
    if (m_buttonDown)
        arrow.rect.translate(1, 1);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &p, this);
}

void TIncCombo::changeEvent(QEvent *e)
{
    QLineEdit::changeEvent(e);
    switch (e->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled())
            CloseUp();
        update();
        break;
    case QEvent::StyleChange:
        updateMargins();
        update();
        break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
        if (m_list)
            m_list->Refresh();
        update();
        break;
    default:
        break;
    }
}

void TIncCombo::hideEvent(QHideEvent *e)
{
    CloseUp();
    QLineEdit::hideEvent(e);
}

} // namespace widgets
