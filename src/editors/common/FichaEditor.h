#pragma once

#include "editors/common/FieldBinding.h"
#include "store/FormType.h"
#include "store/OpenMark.h"
#include "store/RecordFile.h"

#include <QDialog>
#include <QStringList>

#include <optional>

namespace editors {

class RecoveryWriter;

// What every form editor shares: the hand-over members, the record (loaded when the
// window is first shown, written when it closes) and the close protocol with the save
// prompt. An editor subclass builds its controls and hands its fields over with
// setRecordFields() in component order.
class FichaEditor : public QDialog {
    Q_OBJECT
public:
    explicit FichaEditor(store::FormType type, QWidget *parent = nullptr);
    ~FichaEditor() override;

    store::FormType formType() const { return m_type; }

    QString ArqLista;       // full path of the catalogue file
    QString ArqFicha;       // full path of the record file
    bool FichaNova = false; // no catalogue line yet
    int CodFicha = 0;

    // Loads the record file into the fields; nothing for a new form or a missing file.
    // A file that cannot be read is set aside, the form is shown cleared and the user
    // is told where the file was kept.
    void CarregaFicha();
    // Writes every field to the record file; raises platform::RaisedError on failure.
    void GravaFicha();
    // Appends the form's catalogue line; raises platform::RaisedError on failure.
    void IncluiNaLista(const QString &descricao);
    // The generic clearing of every field.
    virtual void LimpaCampos();

    // Applies the record file to the fields with the editor's per-line rules, and
    // nothing else: raises platform::RaisedError when it cannot be read.
    void applyRecordFile(const QString &path);

    // The editor's input fields in component order (tag 0: cleared but not stored).
    const widgets::TaggedFields &recordFields() const { return m_binding.controls(); }
    // The form as the window shows it now, and its record lines.
    store::FormModel form() const { return m_binding.read(); }
    QStringList recordLines() const { return m_record.lines(form()); }

    // Where an unreadable record was set aside by the last load, empty when none was.
    QString setAsidePath() const { return m_setAside; }

    // Shows the form with the record lines of a recovery copy in place of its record
    // file; once shown, the copy is this editor's own and the one at copyPath goes.
    void recoverFrom(const QStringList &lines, const QString &copyPath);
    // The recovery copy kept while the editor is shown; nullptr before.
    RecoveryWriter *recoveryWriter() const { return m_recovery; }

    // The message that reports an error escaping this editor while it is shown, in place
    // of the standard error box; empty for the standard box.
    virtual QString escapedErrorText() const { return {}; }
    // True while the saved form is being read into the fields.
    bool loading() const { return m_loading; }
    // Ends the editor without the close protocol: for an editor whose form could not be
    // shown at all, which has nothing of the user's to keep.
    void abandon();

    // Every way of closing (Fechar, close box, system menu) comes here: the close protocol.
    void done(int result) override;
    void setVisible(bool visible) override;

protected:
    void setRecordFields(widgets::TaggedFields fields);
    // Per-line rules of a form type while a record loads.
    virtual void beforeRecordLine(int tag, const QString &value);
    virtual void afterRecordLine(int tag, const QString &value);
    // The clearing after a failed load (the FAC asks first).
    virtual void clearAfterFailedLoad();

    void showEvent(QShowEvent *event) override;
    bool FormCloseQuery();
    // The window gets a fixed size, at least `minimum`, when it is first shown: measuring
    // every control is wasted on an editor that only prints.
    void fixSizeWhenShown(QSize minimum) { m_minimumSize = minimum; }

    // A new form's first save, under the data folder's lock: its code chosen afresh from
    // the catalogue as it is now, its record written before its catalogue line. The user
    // is told when the code is not the one the form was started with.
    void saveNewForm(const QString &descricao);
    // A saved form's save: asks before replacing a record another instance changed since
    // it was loaded here. True when the window may close.
    bool saveExistingForm();

private:
    store::FormType m_type;
    store::RecordFile m_record;
    FieldBinding m_binding;
    // Puts record lines into the fields with the editor's per-line rules.
    void applyLines(const QStringList &lines);
    bool m_loaded = false;
    bool m_sized = false;
    QSize m_minimumSize;
    bool m_closing = false;
    bool m_loading = false;
    bool m_abandoned = false;
    QString m_setAside;

    QString dataFolder() const;
    // The record's bytes as loaded (nullopt: there was none), to see another instance's
    // save before overwriting it.
    void rememberDiskCopy();
    bool changedOnDisk() const;
    // Warns when another instance has this saved form open too.
    void markOpen();
    std::optional<QByteArray> m_diskCopy;
    bool m_diskCopyKnown = false;
    store::OpenMark m_openMark;
    void startRecovery();
    RecoveryWriter *m_recovery = nullptr;
    QStringList m_recoveredLines;
    QString m_recoveredFrom;
};

} // namespace editors
