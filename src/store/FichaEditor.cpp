#include "store/FichaEditor.h"

#include "platform/DialogKeys.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"
#include "platform/WindowPlacement.h"
#include "store/Catalogue.h"
#include "store/UF_Salvar.h"

#include <QDir>
#include <QFileInfo>

namespace store {

FichaEditor::FichaEditor(FormType type, QWidget *parent)
    : QDialog(parent), m_type(type), m_record(recordFormat(type), {})
{
    // F1: the manual's page of this form.
    platform::installHelpKey(this, formTypeInfo(type).shortName + QStringLiteral(".html"));
    // FormClose: the editor frees itself once it has closed.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(formTypeInfo(type).editorCaption);
    // No default and no cancel button: Enter presses only a focused button, and Esc
    // neither closes the form nor saves it.
    platform::DialogKeys::install(this, nullptr, nullptr);
}

void FichaEditor::setRecordFields(widgets::TaggedFields fields)
{
    m_record = RecordFile(recordFormat(m_type), std::move(fields));
}

void FichaEditor::beforeRecordLine(int, const QString &) {}
void FichaEditor::afterRecordLine(int, const QString &) {}
void FichaEditor::clearAfterFailedLoad() { LimpaCampos(); }
void FichaEditor::LimpaCampos() { m_record.clear(); }

void FichaEditor::setVisible(bool visible)
{
    // Sized before the dialog places itself over its parent.
    if (visible && !m_sized) {
        m_sized = true;
        // A window larger than the screen (a small screen, a large display scale) keeps
        // its buttons on it: the window takes the room there is and its pages scroll.
        const platform::WindowFit fit = platform::fitWindow(sizeHint().expandedTo(m_minimumSize), platform::clientRoom(this));
        if (fit.scrolls)
            platform::makePagesScroll(this);
        setFixedSize(fit.size);
        // Centred on the screen, not over the window that opened it.
        platform::centreOnScreen(this);
    }
    QDialog::setVisible(visible);
}

void FichaEditor::showEvent(QShowEvent *event)
{
    // FormShow: the fields are filled before the window is first painted.
    if (!m_loaded) {
        m_loaded = true;
        // Stays set when the load ends in an error nobody caught: the editor is then
        // abandoned by the application's error handler.
        m_loading = true;
        CarregaFicha();
        m_loading = false;
    }
    QDialog::showEvent(event);
}

void FichaEditor::CarregaFicha()
{
    m_loaded = true;
    if (FichaNova)
        return;
    try {
        // A folder that may not be searched is reported, not taken for a missing file.
        if (!platform::textfile::exists(ArqFicha))
            return;
        applyRecordFile(ArqFicha);
    } catch (const platform::RaisedError &e) {
        // The saved copy is kept under another name: nothing the user saved is lost,
        // and the next save writes a complete record again.
        m_setAside = platform::textfile::setAside(ArqFicha);
        clearAfterFailedLoad();
        try {
            platform::textfile::createEmpty(ArqLista);
        } catch (const platform::RaisedError &) {
            // The save reports the folder's problem.
        }
        const QString where = m_setAside.isEmpty()
                                  ? QStringLiteral("O arquivo \"%1\" não pôde ser guardado à parte.")
                                        .arg(QDir::toNativeSeparators(ArqFicha))
                                  : QStringLiteral("O arquivo foi guardado como \"%1\".")
                                        .arg(QDir::toNativeSeparators(m_setAside));
        platform::Messages::show(this, platform::kCaptionFichas,
                                 QStringLiteral("A ficha salva não pôde ser lida e foi aberta em branco.\n%1.\n%2")
                                     .arg(e.message(), where),
                                 platform::MsgIcon::Warning);
    }
}

void FichaEditor::applyRecordFile(const QString &path)
{
    m_record.load(
        path, [this](int tag, const QString &value) { beforeRecordLine(tag, value); },
        [this](int tag, const QString &value) { afterRecordLine(tag, value); });
}

void FichaEditor::GravaFicha() { m_record.save(ArqFicha); }

void FichaEditor::IncluiNaLista(const QString &descricao) { catalogue::append(ArqLista, CodFicha, descricao); }

bool FichaEditor::FormCloseQuery()
{
    if (!FichaNova)
        return platform::guard(this, [this] { GravaFicha(); });

    TFm_Salvar prompt(formTypeInfo(m_type).saveCaption, this);
    switch (prompt.exec()) {
    case TFm_Salvar::Yes: {
        const QString descricao = prompt.descricao();
        return platform::guard(this, [&] {
            IncluiNaLista(descricao);
            GravaFicha();
        });
    }
    case TFm_Salvar::No:
        return true;
    default:
        return false;
    }
}

void FichaEditor::abandon()
{
    m_abandoned = true;
    QDialog::done(QDialog::Rejected);
}

void FichaEditor::done(int result)
{
    if (m_abandoned) {
        QDialog::done(result);
        return;
    }
    if (m_closing)
        return;
    m_closing = true;
    const bool close = FormCloseQuery();
    m_closing = false;
    if (close)
        QDialog::done(result);
}

} // namespace store
