#include "platform/RaisedError.h"

#include "platform/Messages.h"

namespace platform {

namespace {
QString g_title;
}

QString applicationTitle() { return g_title; }
void setApplicationTitle(const QString &title) { g_title = title; }

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void showErrorBox(QWidget *parent, const QString &message)
{
    Messages::show(parent, applicationTitle(), errorBoxText(message), MsgIcon::Error, MsgButtons::Ok);
}

bool guard(QWidget *parent, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const RaisedError &e) {
        showErrorBox(parent, e.message());
    } catch (const std::exception &e) {
        showErrorBox(parent, QString::fromUtf8(e.what()));
    }
    return false;
}

} // namespace platform
