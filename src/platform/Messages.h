#pragma once

#include <QList>
#include <QString>

#include <optional>

class QWidget;

namespace platform {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct Message {
    QString caption;
    QString text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    // The button that Enter presses when no button has the focus; none: the box's own.
    std::optional<MsgAnswer> defaultAnswer;
};

// Where every message of the program goes. Production shows a QMessageBox;
// tests install a recorder that logs the messages and answers them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MsgAnswer show(QWidget *parent, const Message &message) = 0;
};

class Messages {
public:
    // Shows a message through the installed sink (a QMessageBox unless a test installed one).
    static MsgAnswer show(QWidget *parent, const QString &caption, const QString &text,
                          MsgIcon icon = MsgIcon::Information, MsgButtons buttons = MsgButtons::Ok);
    // The same for a message that names its default answer.
    static MsgAnswer show(QWidget *parent, const Message &message);

    // Installs a sink; nullptr restores the QMessageBox one. Returns the previous sink.
    static MessageSink *install(MessageSink *sink);
};

// The caption of most of the program's own messages.
inline const QString kCaptionFichas = QStringLiteral("Fichas");

} // namespace platform
