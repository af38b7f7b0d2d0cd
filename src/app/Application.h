#pragma once

#include <QApplication>

#include <functional>

namespace app {

// The program's QApplication: no exception thrown by an event handler leaves Qt's event
// loop. One that a handler did not catch itself (running out of memory included) ends
// in the standard error box, and the program goes on.
class Application : public QApplication {
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Runs a command (`valida`, `pdf`) so that no exception ends the process: one that
// escapes is written to err and the status is 1.
int runGuarded(const char *command, const std::function<int()> &body);

} // namespace app
