#include "editors/common/RecoveryWriter.h"

#include "platform/RaisedError.h"
#include "store/Catalogue.h"
#include "editors/common/FichaEditor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextEdit>

namespace editors {

using namespace store;

namespace {
int g_delayMs = -1;
}

int RecoveryWriter::delayMs()
{
    if (g_delayMs < 0) {
        bool ok = false;
        const int ms = qEnvironmentVariableIntValue("FICHAS_RECUPERACAO_MS", &ok);
        g_delayMs = ok && ms >= 0 ? ms : 3000;
    }
    return g_delayMs;
}

void RecoveryWriter::setDelayMs(int ms) { g_delayMs = ms; }

RecoveryWriter::RecoveryWriter(FichaEditor *editor) : QObject(editor), m_editor(editor)
{
    m_dataFolder = QFileInfo(editor->ArqFicha).absolutePath();
    m_path = recovery::copyPath(m_dataFolder, editor->formType(), editor->CodFicha);
    if (!editor->FichaNova) {
        try {
            for (const CatalogueEntry &e : catalogue::read(editor->ArqLista))
                if (e.code == editor->CodFicha) {
                    m_descricao = e.description.trimmed();
                    break;
                }
        } catch (const platform::RaisedError &) {
            // The copy then names the form by its type alone.
        }
    }
    m_delay.setSingleShot(true);
    connect(&m_delay, &QTimer::timeout, this, &RecoveryWriter::writeNow);
    connect(&m_heartbeat, &QTimer::timeout, this, &RecoveryWriter::heartbeat);
    m_heartbeat.start(recovery::kHeartbeatMs);
    for (const widgets::TaggedField &f : editor->recordFields())
        if (f.tag > 0 && f.kind != widgets::FieldKind::Other)
            watch(f.widget);
    for (QTabWidget *pages : editor->findChildren<QTabWidget *>())
        connect(pages, &QTabWidget::currentChanged, this, &RecoveryWriter::pageTurned);
}

void RecoveryWriter::watch(QWidget *field)
{
    // The masked edit and the lookup combo are line edits: their text is what is stored.
    if (auto *line = qobject_cast<QLineEdit *>(field))
        connect(line, &QLineEdit::textChanged, this, &RecoveryWriter::changed);
    else if (auto *rich = qobject_cast<QTextEdit *>(field))
        connect(rich, &QTextEdit::textChanged, this, &RecoveryWriter::changed);
}

void RecoveryWriter::changed()
{
    // A record being loaded or cleared by the program is no change of the user's.
    if (!m_editor->loading())
        m_delay.start(delayMs());
}

void RecoveryWriter::pageTurned()
{
    if (m_delay.isActive())
        writeNow();
}

bool RecoveryWriter::writeNow()
{
    m_delay.stop();
    RecoveryCopy copy{m_editor->formType(), m_editor->CodFicha, m_editor->FichaNova, m_descricao,
                      QDateTime::currentDateTime(), RecoveryOwner::thisProcess(), m_editor->recordLines()};
    try {
        QDir().mkpath(recovery::folder(m_dataFolder));
        copy.save(m_path);
        m_written = true;
        return true;
    } catch (const platform::RaisedError &) {
        // Tried again at the next change.
        return false;
    }
}

void RecoveryWriter::heartbeat()
{
    if (m_written) {
        QFile file(m_path);
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    }
}

void RecoveryWriter::discard()
{
    m_delay.stop();
    m_heartbeat.stop();
    QFile::remove(m_path);
    m_written = false;
}

} // namespace editors
