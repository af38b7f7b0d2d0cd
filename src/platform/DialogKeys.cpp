#include "platform/DialogKeys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace platform {

namespace {
bool isEnter(const QKeyEvent *key)
{
    const auto mods = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier;
}

bool isEsc(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
}

void press(QPushButton *button)
{
    if (button && button->isEnabled() && button->isVisible())
        button->click();
}
} // namespace

DialogKeys::DialogKeys(QWidget *window, QPushButton *defaultButton, QPushButton *cancelButton)
    : QObject(window), m_window(window), m_default(defaultButton), m_cancel(cancelButton)
{
}

DialogKeys *DialogKeys::install(QWidget *window, QPushButton *defaultButton, QPushButton *cancelButton)
{
    auto *keys = new DialogKeys(window, defaultButton, cancelButton);
    // A focused auto-default button would become the window's default and take Enter
    // for itself; here the focused button is pressed by the rule below instead, and
    // the default button keeps its place.
    for (auto *b : window->findChildren<QPushButton *>())
        b->setAutoDefault(false);
    if (defaultButton)
        defaultButton->setDefault(true);
    window->installEventFilter(keys);
    return keys;
}

bool DialogKeys::eventFilter(QObject *watched, QEvent *event)
{
    // A key that no control took is offered to its window last: this is where a
    // dialog would press its default or cancel button, so the window's own rules
    // replace Qt's here.
    if (watched != m_window || event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (isEnter(key)) {
        auto *focused = qobject_cast<QPushButton *>(m_window->focusWidget());
        press(focused ? focused : m_default.data());
        return true;
    }
    if (isEsc(key)) {
        press(m_cancel);
        return true;
    }
    return false;
}

} // namespace platform
