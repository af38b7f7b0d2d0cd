#include "app/Application.h"

#include "platform/Messages.h"
#include "platform/RaisedError.h"
#include "editors/common/FichaEditor.h"

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
            reportEscapedError(receiver, text);
        } catch (...) {
            std::fprintf(stderr, "fichas: %s\n", text.toLocal8Bit().constData());
        }
        return false;
    }
}

void Application::reportEscapedError(QObject *receiver, const QString &text)
{
    // The editor the error escaped from, when it has a report of its own (the FAC's).
    auto *widget = qobject_cast<QWidget *>(receiver);
    auto *editor = qobject_cast<editors::FichaEditor *>(widget ? widget->window() : activeModalWidget());
    if (!editor || editor->escapedErrorText().isEmpty()) {
        platform::showErrorBox(activeWindow(), text);
        return;
    }
    platform::Messages::show(editor, platform::applicationTitle(), editor->escapedErrorText(),
                             platform::MsgIcon::None);
    // A form that could not even be shown is given up, so the main window is usable
    // again; an editor the user is working in stays, with what was typed.
    if (editor->loading())
        QMetaObject::invokeMethod(editor, &editors::FichaEditor::abandon, Qt::QueuedConnection);
}

int runGuarded(const char *command, const std::function<int()> &body, int failure)
{
    try {
        return body();
    } catch (...) {
        // stdio, not a QTextStream: it needs no memory to say that memory ran out.
        const QString text = platform::currentExceptionText();
        std::fprintf(stderr, "fichas %s: %s\n", command, text.toLocal8Bit().constData());
        return failure;
    }
}

} // namespace app
