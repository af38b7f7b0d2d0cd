#include "editors/common/FichaEditor.h"

#include "platform/DialogKeys.h"
#include "platform/FolderLock.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"
#include "platform/WindowPlacement.h"
#include "store/Catalogue.h"
#include "editors/common/RecoveryWriter.h"
#include "editors/common/UF_Salvar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace editors {

using namespace store;

FichaEditor::FichaEditor(FormType type, QWidget *parent)
    : QDialog(parent), m_type(type), m_record(type->record)
{
    // F1: the manual's page of this form.
    platform::installHelpKey(this, type->shortName + QStringLiteral(".html"));
    // FormClose: the editor frees itself once it has closed.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(type->editorCaption);
    // No default and no cancel button: Enter presses only a focused button, and Esc
    // neither closes the form nor saves it.
    platform::DialogKeys::install(this, nullptr, nullptr);
}

// The recovery copy stops watching before the fields it watches are destroyed.
FichaEditor::~FichaEditor() { delete m_recovery; }

void FichaEditor::setRecordFields(widgets::TaggedFields fields)
{
    m_binding = FieldBinding(std::move(fields));
}

void FichaEditor::beforeRecordLine(int, const QString &) {}
void FichaEditor::afterRecordLine(int, const QString &) {}
void FichaEditor::clearAfterFailedLoad() { LimpaCampos(); }
void FichaEditor::LimpaCampos() { m_binding.clear(); }

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
        if (m_recoveredFrom.isEmpty())
            CarregaFicha();
        else
            applyLines(m_recoveredLines);
        m_loading = false;
        markOpen();
        startRecovery();
    }
    QDialog::showEvent(event);
}

void FichaEditor::recoverFrom(const QStringList &lines, const QString &copyPath)
{
    m_recoveredLines = lines;
    m_recoveredFrom = copyPath;
}

void FichaEditor::startRecovery()
{
    // An editor that was handed no form (a check, a print run) has nothing to recover.
    if (ArqFicha.isEmpty())
        return;
    m_recovery = new RecoveryWriter(this);
    if (m_recoveredFrom.isEmpty())
        return;
    // The recovered values are written as this process's copy before the old one goes.
    if (m_recovery->writeNow() && m_recoveredFrom != m_recovery->path())
        QFile::remove(m_recoveredFrom);
}

void FichaEditor::CarregaFicha()
{
    m_loaded = true;
    if (FichaNova)
        return;
    rememberDiskCopy();
    try {
        // A folder that may not be searched is reported, not taken for a missing file.
        if (!platform::textfile::exists(ArqFicha))
            return;
        applyRecordFile(ArqFicha);
    } catch (const platform::RaisedError &e) {
        // The saved copy is kept under another name: nothing the user saved is lost,
        // and the next save writes a complete record again.
        m_setAside = platform::textfile::setAside(ArqFicha);
        rememberDiskCopy();
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

void FichaEditor::applyRecordFile(const QString &path) { applyLines(platform::textfile::readLines(path)); }

void FichaEditor::applyLines(const QStringList &lines)
{
    for (const QString &text : lines) {
        const std::optional<RecordLine> line = m_record.parse(text);
        if (!line)
            continue;
        beforeRecordLine(line->tag, line->value);
        m_binding.put(*line);
        afterRecordLine(line->tag, line->value);
    }
}

void FichaEditor::GravaFicha() { m_record.save(ArqFicha, form()); }

void FichaEditor::IncluiNaLista(const QString &descricao) { catalogue::append(ArqLista, CodFicha, descricao); }

bool FichaEditor::FormCloseQuery()
{
    if (!FichaNova)
        return saveExistingForm();

    TFm_Salvar prompt(m_type->saveCaption, this);
    switch (prompt.exec()) {
    case TFm_Salvar::Yes: {
        const QString descricao = prompt.descricao();
        return platform::guard(this, [&] { saveNewForm(descricao); });
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
    if (!close)
        return;
    m_openMark.release();
    if (m_recovery)
        m_recovery->discard();
    QDialog::done(result);
}

QString FichaEditor::dataFolder() const { return QFileInfo(ArqLista).absolutePath(); }

void FichaEditor::saveNewForm(const QString &descricao)
{
    const int shown = CodFicha;
    {
        platform::FolderLock lock(dataFolder());
        QList<CatalogueEntry> entries;
        try {
            if (platform::textfile::exists(ArqLista))
                entries = catalogue::read(ArqLista);
        } catch (const platform::RaisedError &) {
            // An unreadable catalogue is set aside by the open dialog; the line is
            // appended to it as it is, under a code whose record file is free.
        }
        // A record file without a line (left by an interrupted save) is never replaced.
        const auto taken = [this, &entries](int code) {
            const QFileInfo record(recordFilePath(dataFolder(), m_type, code));
            if (record.exists() || record.isSymLink())
                return true;
            for (const auto &e : std::as_const(entries))
                if (e.code == code)
                    return true;
            return false;
        };
        const int code = shown >= 1 && shown <= catalogue::kMaxCode && !taken(shown)
                             ? shown
                             : catalogue::nextCode(entries, taken);
        if (code == 0)
            throw platform::RaisedError(
                QStringLiteral("Limite de 99 fichas atingido. Exclua uma ficha para salvar esta"));
        CodFicha = code;
        ArqFicha = recordFilePath(dataFolder(), m_type, code);
        // The record first: a kill before the line leaves a record no line lists, never
        // a line that opens an empty form.
        GravaFicha();
        try {
            IncluiNaLista(descricao);
        } catch (const platform::RaisedError &) {
            QFile::remove(ArqFicha);  // the form is still in the editor; the code stays free
            throw;
        }
    }
    if (CodFicha != shown)
        platform::Messages::show(this, platform::kCaptionFichas,
                                 QStringLiteral("A ficha foi salva com o código %1, pois o código %2 passou a "
                                                "ser usado por outra ficha enquanto esta era preenchida.")
                                     .arg(CodFicha)
                                     .arg(shown),
                                 platform::MsgIcon::Information);
}

bool FichaEditor::saveExistingForm()
{
    bool changed = false;
    const auto write = [this, &changed](bool check) {
        platform::FolderLock lock(dataFolder());
        changed = check && changedOnDisk();
        if (!changed)
            GravaFicha();
    };
    if (!platform::guard(this, [&] { write(true); }))
        return false;
    if (!changed)
        return true;
    const QString what = QFileInfo::exists(ArqFicha) ? QStringLiteral("alterada") : QStringLiteral("excluída");
    platform::Message question{
        platform::kCaptionFichas,
        QStringLiteral("Esta ficha foi %1 por outra instância do programa depois de aberta aqui.\n"
                       "Sim: gravar os dados desta janela no lugar dela.\n"
                       "Não: fechar sem gravar, mantendo a ficha como está no disco.\n"
                       "Cancelar: continuar editando.")
            .arg(what),
        platform::MsgIcon::Warning, platform::MsgButtons::YesNoCancel, platform::MsgAnswer::Cancel};
    switch (platform::Messages::show(this, question)) {
    case platform::MsgAnswer::Yes: return platform::guard(this, [&] { write(false); });
    case platform::MsgAnswer::No: return true;
    default: return false;
    }
}

void FichaEditor::rememberDiskCopy()
{
    m_diskCopyKnown = false;
    try {
        m_diskCopy = platform::textfile::exists(ArqFicha) ? std::optional(platform::textfile::readBytes(ArqFicha))
                                                          : std::nullopt;
        m_diskCopyKnown = true;
    } catch (const platform::RaisedError &) {
        // Unreadable: the load sets it aside and the save writes a complete record.
    }
}

bool FichaEditor::changedOnDisk() const
{
    if (!m_diskCopyKnown)
        return false;
    try {
        const bool there = platform::textfile::exists(ArqFicha);
        if (there != m_diskCopy.has_value())
            return true;
        return there && platform::textfile::readBytes(ArqFicha) != *m_diskCopy;
    } catch (const platform::RaisedError &) {
        return false;  // the write reports what is wrong with the file
    }
}

void FichaEditor::markOpen()
{
    if (FichaNova || ArqFicha.isEmpty())
        return;
    if (const auto other = m_openMark.take(ArqFicha))
        platform::Messages::show(this, platform::kCaptionFichas,
                                 QStringLiteral("Esta ficha já está aberta em outra instância do programa, "
                                                "pelo usuário \"%1\" no computador \"%2\".\n"
                                                "Se ela for gravada lá antes, você será consultado ao fechar esta.")
                                     .arg(other->user, other->host),
                                 platform::MsgIcon::Warning);
}

} // namespace editors
