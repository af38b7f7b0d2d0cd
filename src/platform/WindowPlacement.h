#pragma once

class QWidget;

namespace platform {

// Places a window, at its present size, in the middle of the available area of its
// screen (the primary screen before it was ever shown). A window whose size is fixed
// when it is shown is centred after that. A window larger than the screen keeps its
// top left corner on it.
void centreOnScreen(QWidget *window);

} // namespace platform
