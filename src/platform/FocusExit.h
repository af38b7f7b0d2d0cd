#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace platform {

// The "exit" event of a field: runs when the focus moves from the field (or a child of
// it) to another control of the same window. It does not run when a message box, a
// dialog or a pop-up list takes the focus, nor when the window is deactivated.
// A handler runs inside platform::guard, so a RaisedError it throws is shown in the
// standard error box. Focus moves made while a handler runs (putting the focus back,
// the error box) trigger no other exit handler, so two invalid fields cannot bounce
// the focus between them.
class FocusExit : public QObject {
    Q_OBJECT
public:
    // Binds a handler to the field's exit; the binding lives as long as the field.
    static FocusExit *bind(QWidget *field, std::function<void()> handler);

    // Puts the focus back on a field from inside an exit handler.
    static void returnFocus(QWidget *field);

    // True while an exit handler runs.
    static bool handling();

private:
    FocusExit(QWidget *field, std::function<void()> handler);
    void onFocusChanged(QWidget *old, QWidget *now);

    QPointer<QWidget> m_field;
    std::function<void()> m_handler;
};

} // namespace platform
