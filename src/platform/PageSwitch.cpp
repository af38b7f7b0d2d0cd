#include "platform/PageSwitch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>

#include <utility>

namespace platform {

PageSwitch::PageSwitch(QTabWidget *pages) : QObject(pages), m_pages(pages)
{
    setObjectName(QStringLiteral("PageSwitch"));
    pages->installEventFilter(this);
    pages->tabBar()->installEventFilter(this);
    connect(pages, &QTabWidget::currentChanged, this, [this](int index) {
        // A page shown from the handler (a guard sending the user back) is the program's.
        if (std::exchange(m_byUser, false))
            Q_EMIT switchedByUser(index);
    });
}

PageSwitch *PageSwitch::install(QTabWidget *pages)
{
    if (auto *existing = pages->findChild<PageSwitch *>(QStringLiteral("PageSwitch"), Qt::FindDirectChildrenOnly))
        return existing;
    return new PageSwitch(pages);
}

bool PageSwitch::eventFilter(QObject *watched, QEvent *event)
{
    // Only the user's presses are looked at: other events also come while the page
    // control is being destroyed, when it may no longer be asked for anything.
    if (event->type() == QEvent::MouseButtonPress && watched == m_pages->tabBar()) {
        QTabBar *bar = m_pages->tabBar();
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const int tab = bar->tabAt(mouse->position().toPoint());
        if (mouse->button() != Qt::LeftButton || tab < 0 || tab == bar->currentIndex())
            return false;
        return deliver(watched, event, false);
    }
    if (event->type() == QEvent::KeyPress && switchesPage(watched, static_cast<QKeyEvent *>(event)))
        return deliver(watched, event, true);
    return false;
}

bool PageSwitch::switchesPage(QObject *watched, const QKeyEvent *key) const
{
    if (m_pages->count() < 2)
        return false;
    if (watched == m_pages->tabBar())
        return key->modifiers() == Qt::NoModifier
               && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Up
                   || key->key() == Qt::Key_Down);
    if (watched != m_pages || !(key->modifiers() & Qt::ControlModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

bool PageSwitch::deliver(QObject *watched, QEvent *event, bool fromKeys)
{
    const bool wasOnBar = QApplication::focusWidget() == m_pages->tabBar();
    if (!leaveField())
        return true; // the field refused its exit: the page stays
    const int before = m_pages->currentIndex();
    m_byUser = true;
    static_cast<QObject *>(watched)->event(event); // the page control's own switch
    m_byUser = false;
    if (fromKeys && !wasOnBar && m_pages->currentIndex() != before && QApplication::focusWidget() == m_pages->tabBar())
        focusFirstField();
    return true;
}

bool PageSwitch::leaveField()
{
    QTabBar *bar = m_pages->tabBar();
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus == bar || focus->window() != bar->window())
        return true;
    bar->setFocus(Qt::MouseFocusReason);
    return QApplication::focusWidget() == bar;
}

void PageSwitch::focusFirstField()
{
    QWidget *page = m_pages->currentWidget();
    for (QWidget *w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(page)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace platform
