#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
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

} // namespace platform
