#pragma once

#include <QSize>

class QWidget;

namespace platform {

// Places a window, at its present size, in the middle of the available area of its
// screen (the primary screen before it was ever shown). A window whose size is fixed
// when it is shown is centred after that. A window larger than the screen keeps its
// top left corner on it.
void centreOnScreen(QWidget *window);

// The size of a window's client area: the designed size where it fits in `room`, else
// as much of it as the room allows, with the window's pages scrolling so that nothing,
// least of all a button, is out of reach.
struct WindowFit {
    QSize size;
    bool scrolls = false;
};
WindowFit fitWindow(QSize designed, QSize room);

// The room for a window's client area on its screen: the available area less a frame.
QSize clientRoom(const QWidget *window);

// Puts every page of the window's tab widgets in a scroll box; pages that scroll
// already, and tab widgets inside them, stay as they are.
void makePagesScroll(QWidget *window);

} // namespace platform
