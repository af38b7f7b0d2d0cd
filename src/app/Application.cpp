#include "app/Application.h"

#include "platform/RaisedError.h"

#include <cstdio>

namespace app {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const QString text = platform::currentExceptionText();
        try {
            platform::showErrorBox(activeWindow(), text);
        } catch (...) {
            std::fprintf(stderr, "fichas: %s\n", text.toLocal8Bit().constData());
        }
        return false;
    }
}

int runGuarded(const char *command, const std::function<int()> &body)
{
    try {
        return body();
    } catch (...) {
        // stdio, not a QTextStream: it needs no memory to say that memory ran out.
        const QString text = platform::currentExceptionText();
        std::fprintf(stderr, "fichas %s: %s\n", command, text.toLocal8Bit().constData());
        return 1;
    }
}

} // namespace app
