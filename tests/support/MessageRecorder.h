#pragma once

#include "platform/Messages.h"

#include <QList>
#include <QQueue>

// Installs itself as the message sink for its lifetime: logs every message and answers
// with the scripted answers in order (then Ok for an Ok box, Yes/No boxes answer Yes,
// Cancel-able boxes answer Cancel... unless scripted).
class MessageRecorder final : public platform::MessageSink {
public:
    MessageRecorder() { m_previous = platform::Messages::install(this); }
    ~MessageRecorder() override { platform::Messages::install(m_previous); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    void answer(platform::MsgAnswer a) { m_answers.enqueue(a); }

    platform::MsgAnswer show(QWidget *, const platform::Message &m) override
    {
        messages.append(m);
        if (!m_answers.isEmpty())
            return m_answers.dequeue();
        switch (m.buttons) {
        case platform::MsgButtons::Ok: return platform::MsgAnswer::Ok;
        case platform::MsgButtons::OkCancel: return platform::MsgAnswer::Ok;
        case platform::MsgButtons::YesNo: return platform::MsgAnswer::Yes;
        case platform::MsgButtons::YesNoCancel: return platform::MsgAnswer::Yes;
        }
        return platform::MsgAnswer::Ok;
    }

    QStringList texts() const
    {
        QStringList t;
        for (const auto &m : messages)
            t.append(m.text);
        return t;
    }
    const platform::Message &last() const { return messages.last(); }

    QList<platform::Message> messages;

private:
    platform::MessageSink *m_previous = nullptr;
    QQueue<platform::MsgAnswer> m_answers;
};
