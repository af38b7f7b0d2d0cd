#pragma once

#include "platform/Messages.h"
#include "store/FormType.h"
#include "validation/TFm_Funcoes.h"

#include <QString>
#include <QStringList>

#include <memory>

class QTextStream;

namespace editors {
class EditorBase;
class FichaEditor;
class FormState;
struct FilledForm;
struct FormDescription;
}

namespace app {

// The words of a command about one saved form: TIPO CODIGO, the command's own words
// after them, and --pasta.
struct FormArgs {
    store::FormType type;
    int code = 0;
    QStringList rest;   // the command's own words
    QString pasta;
};
// Reads the words, expecting the command's own words that restNames names ("SAIDA.pdf").
// Returns an empty string, or what is wrong with them.
QString parseFormArgs(QStringList args, const QStringList &restNames, FormArgs *out);

// Without a screen, whatever an editor would say in a box goes to stderr, unanswered.
class StderrMessages final : public platform::MessageSink {
public:
    StderrMessages(QTextStream &err, QString command);
    ~StderrMessages() override;
    platform::MsgAnswer show(QWidget *, const platform::Message &m) override;

private:
    QTextStream &m_err;
    QString m_command;
    platform::MessageSink *m_previous = nullptr;
};

// A saved form opened for a command, read from the data folder and never written back:
// an unreadable file is reported, never set aside. It is read without a window, from its
// form type's description.
class SavedForm {
public:
    SavedForm();
    ~SavedForm();

    // How the form is read: without a window, or in a hidden editor of its type (as the
    // user would see it, to compare the two).
    enum class Reading { WithoutWindow, InEditor };

    // Opens the form of the words' type and code from the program folder that --pasta
    // (or the default) names. Returns an empty string, or why the form cannot be read.
    QString open(const FormArgs &args, Reading reading = Reading::WithoutWindow);

    // The editor the form was read into; nullptr when it was read without a window.
    editors::EditorBase *editor() const { return m_editor; }

    // The form as the whole-form check reads it.
    editors::FilledForm filled() const;
    // The form's checks before printing; unless one fails (and says so), the PDF of its
    // pages. On failure returns false with the reason in *error (empty when a check said it).
    bool printToPdf(const QString &pdfPath, QString *error);
    // Whether the form's type has any page to print.
    bool printable() const;
    QString catalogueFile() const { return m_catalogue; }
    QString recordFile() const { return m_record; }

private:
    QString readWithoutWindow();

    validation::TFm_Funcoes m_funcoes;
    const editors::FormDescription *m_description = nullptr;
    std::unique_ptr<editors::FormState> m_state;
    std::unique_ptr<editors::FichaEditor> m_owner;
    editors::EditorBase *m_editor = nullptr;
    QString m_catalogue;
    QString m_record;
};

} // namespace app
