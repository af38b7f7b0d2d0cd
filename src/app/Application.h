#pragma once

#include <QApplication>

#include <functional>

namespace app {

// The program's QApplication: no exception thrown by an event handler leaves Qt's event
// loop. One that a handler did not catch itself (running out of memory included) ends
// in the standard error box, or in the message of the editor it escaped from (the FAC
// has one), and the program goes on.
class Application : public QApplication {
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

private:
    void reportEscapedError(QObject *receiver, const QString &text);
};

// Runs a command (`valida`, `pdf`, `verifica`) so that no exception ends the process:
// one that escapes is written to stderr and the status is `failure`.
int runGuarded(const char *command, const std::function<int()> &body, int failure = 1);

} // namespace app
