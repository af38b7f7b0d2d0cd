#include "platform/FocusExit.h"

#include "platform/RaisedError.h"

#include <QApplication>
#include <QWidget>

namespace platform {

namespace {
int g_handling = 0;

bool within(const QWidget *field, const QWidget *w)
{
    return w && (w == field || field->isAncestorOf(w));
}
} // namespace

FocusExit::FocusExit(QWidget *field, std::function<void()> handler)
    : QObject(field), m_field(field), m_handler(std::move(handler))
{
    connect(qApp, &QApplication::focusChanged, this, &FocusExit::onFocusChanged);
}

FocusExit *FocusExit::bind(QWidget *field, std::function<void()> handler)
{
    return new FocusExit(field, std::move(handler));
}

void FocusExit::returnFocus(QWidget *field)
{
    ++g_handling;
    field->setFocus(Qt::OtherFocusReason);
    --g_handling;
}

bool FocusExit::handling() { return g_handling > 0; }

void FocusExit::onFocusChanged(QWidget *old, QWidget *now)
{
    if (g_handling > 0 || !m_field || !now || !old)
        return;
    if (!within(m_field, old) || within(m_field, now))
        return;
    if (old->window() != now->window() || now->window() != m_field->window())
        return;
    ++g_handling;
    guard(m_field->window(), m_handler);
    --g_handling;
}

} // namespace platform
