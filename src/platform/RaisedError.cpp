#include "platform/RaisedError.h"

#include "platform/Messages.h"

#include <new>

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

QString currentExceptionText()
{
    try {
        throw;
    } catch (const RaisedError &e) {
        return e.message();
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Memória insuficiente para concluir a operação");
    } catch (const std::exception &e) {
        return QStringLiteral("Erro interno: %1").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return QStringLiteral("Erro interno desconhecido");
    }
}

bool guard(QWidget *parent, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (...) {
        const QString text = currentExceptionText();
        // Showing the box may itself fail when memory ran out; nothing may escape here.
        try {
            showErrorBox(parent, text);
        } catch (...) {
        }
    }
    return false;
}

} // namespace platform
