#include "platform/Messages.h"

#include <QMessageBox>

namespace platform {

namespace {

QMessageBox::StandardButton standardButton(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok: return QMessageBox::Ok;
    case MsgAnswer::Cancel: return QMessageBox::Cancel;
    case MsgAnswer::Yes: return QMessageBox::Yes;
    case MsgAnswer::No: return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

class BoxSink final : public MessageSink {
public:
    MsgAnswer show(QWidget *parent, const Message &m) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(m.caption);
        // Lines of a message may be separated by a bare carriage return.
        QString text = m.text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        box.setText(text);
        box.setTextFormat(Qt::PlainText);
        switch (m.icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        }
        switch (m.buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
        }
        if (m.defaultAnswer)
            box.setDefaultButton(standardButton(*m.defaultAnswer));
        switch (box.exec()) {
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        default: return MsgAnswer::Ok;
        }
    }
};

BoxSink g_boxSink;
MessageSink *g_sink = &g_boxSink;

} // namespace

MsgAnswer Messages::show(QWidget *parent, const QString &caption, const QString &text,
                         MsgIcon icon, MsgButtons buttons)
{
    return g_sink->show(parent, Message{caption, text, icon, buttons, {}});
}

MsgAnswer Messages::show(QWidget *parent, const Message &message) { return g_sink->show(parent, message); }

MessageSink *Messages::install(MessageSink *sink)
{
    MessageSink *previous = g_sink == &g_boxSink ? nullptr : g_sink;
    g_sink = sink ? sink : &g_boxSink;
    return previous;
}

} // namespace platform
