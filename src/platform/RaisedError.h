#pragma once

#include <QString>

#include <exception>
#include <functional>

class QWidget;

namespace platform {

// The one exception type of the program: a field check or a file operation that
// "raises an error". It never crosses Qt's event loop: handlers run through guard(),
// which catches it and shows the standard error box.
class RaisedError : public std::exception {
public:
    explicit RaisedError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The application title, caption of the standard error box ("Morvetia 3.1" once the
// main window is created).
QString applicationTitle();
void setApplicationTitle(const QString &title);

// The text the error box shows: a period is appended when the last character sorts
// after the period.
QString errorBoxText(const QString &message);

// The standard error box: application title, error icon, OK.
void showErrorBox(QWidget *parent, const QString &message);

// Runs a handler; a RaisedError (or any other exception) it throws is shown in the
// standard error box instead of escaping. Returns false when the handler raised.
bool guard(QWidget *parent, const std::function<void()> &handler);

// The text to show for the exception being handled; call only inside a catch block.
// Running out of memory gets a message of its own; an unknown exception a generic one.
QString currentExceptionText();

} // namespace platform
