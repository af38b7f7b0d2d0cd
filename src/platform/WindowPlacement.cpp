#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace platform {

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->size();
    const int x = area.x() + std::max(0, (area.width() - size.width()) / 2);
    const int y = area.y() + std::max(0, (area.height() - size.height()) / 2);
    window->move(x, y);
}

WindowFit fitWindow(QSize designed, QSize room)
{
    if (designed.width() <= room.width() && designed.height() <= room.height())
        return {designed, false};
    return {designed.boundedTo(room), true};
}

QSize clientRoom(const QWidget *window)
{
    // The frame is not known before the window is first shown: room for a title bar
    // and borders, as window managers draw them at any scale.
    static const QSize kFrame(16, 48);
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return (screen->availableGeometry().size() - kFrame).expandedTo(QSize(0, 0));
}

void makePagesScroll(QWidget *window)
{
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        bool inScroll = false;
        for (QWidget *w = tabs->parentWidget(); w && w != window && !inScroll; w = w->parentWidget())
            inScroll = qobject_cast<QScrollArea *>(w) != nullptr;
        if (inScroll)
            continue;
        // Moving the pages is no page switch of the user's.
        const QSignalBlocker quiet(tabs);
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            QWidget *page = tabs->widget(i);
            if (qobject_cast<QScrollArea *>(page))
                continue;
            const QString text = tabs->tabText(i);
            const bool enabled = tabs->isTabEnabled(i);
            const bool visible = tabs->isTabVisible(i);
            tabs->removeTab(i);
            auto *scroll = new QScrollArea;
            scroll->setWidgetResizable(true);
            scroll->setFrameShape(QFrame::NoFrame);
            scroll->setWidget(page);
            tabs->insertTab(i, scroll, text);
            tabs->setTabEnabled(i, enabled);
            tabs->setTabVisible(i, visible);
        }
        tabs->setCurrentIndex(current);
    }
}

} // namespace platform
