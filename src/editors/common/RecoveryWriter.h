#pragma once

#include "store/RecoveryCopy.h"

#include <QObject>
#include <QTimer>

namespace editors {

class FichaEditor;

// Keeps the recovery copy of one open editor: written a moment after the last change of
// a record field and when the user turns a page with a change still unwritten, touched
// now and then so that other machines see its owner is alive, and removed when the
// editor ends normally.
class RecoveryWriter : public QObject {
    Q_OBJECT
public:
    // Watches the editor's record fields and pages from now on: what the editor holds
    // at this moment (a loaded record, a cleared form) is not a change.
    explicit RecoveryWriter(FichaEditor *editor);

    // The pause after the last change before the copy is written: FICHAS_RECUPERACAO_MS
    // when set, else 3 s.
    static int delayMs();
    static void setDelayMs(int ms);

    QString path() const { return m_path; }
    // Writes the copy now, whether anything changed or not; false when it could not be.
    // That is not reported: the form itself is still saved, and reported, on closing.
    bool writeNow();
    // The editor ended normally: the copy is no longer needed.
    void discard();

private:
    void changed();
    void pageTurned();
    void heartbeat();
    void watch(QWidget *field);

    FichaEditor *m_editor;
    QString m_dataFolder;
    QString m_path;
    QString m_descricao;
    QTimer m_delay;
    QTimer m_heartbeat;
    bool m_written = false;
};

} // namespace editors
