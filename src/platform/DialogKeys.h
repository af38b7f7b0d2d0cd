#pragma once

#include <QObject>
#include <QPointer>

class QPushButton;
class QWidget;

namespace platform {

// Enter and Esc as the forms' desktop has them, for one window:
// - Enter presses the push button that has the focus; only when no push button has the
//   focus does it press the default button (when there is one and it is enabled);
// - Esc presses the cancel button; a window without one (an editor) ignores Esc, so the
//   key never closes it.
// A control that uses the key itself (a lookup combo restoring its entry, a field that
// shows a page) keeps it: only what reaches the window is handled here.
// The object lives as long as the window.
class DialogKeys : public QObject {
    Q_OBJECT
public:
    static DialogKeys *install(QWidget *window, QPushButton *defaultButton, QPushButton *cancelButton);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DialogKeys(QWidget *window, QPushButton *defaultButton, QPushButton *cancelButton);

    QWidget *m_window;
    QPointer<QPushButton> m_default;
    QPointer<QPushButton> m_cancel;
};

} // namespace platform
