#pragma once

#include "editors/common/FieldTable.h"
#include "editors/common/FormDescription.h"
#include "editors/common/Pendencias.h"
#include "editors/common/PrintProblem.h"
#include "printing/PrintRequest.h"
#include "editors/common/FichaEditor.h"

#include <QPointer>

#include <functional>

class QGroupBox;
class QPushButton;
class QTabWidget;

namespace platform {
class PrintDialog;
}

namespace editors {

class TFm_Pendencias;

// What every form editor adds to the record and the close protocol: the one print
// entry, shared by "&Imprimir" and the `pdf` command.
class EditorBase : public editors::FichaEditor {
    Q_OBJECT
public:
    // A fixed-size dialog with the system menu and the minimise box, as every editor is.
    explicit EditorBase(store::FormType type, QWidget *parent = nullptr);

    // "&Imprimir": the form's checks; unless they fail, the print-copy steps, the print
    // run with copiesPreset() in the dialog, and the print-copy steps undone, also when
    // the user cancels the dialog or printing fails. True when every layout printed.
    bool printForm(platform::PrintDialog &dialog);
    // The same with the program's print dialog.
    bool printForm();
    // The same entry rendering to a PDF file instead of showing the print dialog. On
    // failure returns false with the reason in *error (empty when a check refused and
    // said so itself).
    bool printToPdf(const QString &pdfPath, QString *error);

    // The form's page kinds in printing order, each with its own steps: the layouts its
    // form type names, each as printLayout() gives it.
    QList<printing::PrintLayout> printLayouts() const;
    // One layout of the form type with the form's own steps for it: its description's.
    printing::PrintLayout printLayout(const QString &name) const;
    // The copies the print dialog proposes: its description's, else the first layout's
    // own preset.
    virtual int copiesPreset() const;

    // The print value of each Tag, read from the fields at print time.
    printing::TagValues printValues() const;
    // The values as the printed copy will have them once the print-copy steps ran, read
    // without running them: its description's.
    printing::TagValues printCopyValues() const;

    // Every check before printing that the form fails now, in the order they run.
    PrintProblems printProblems() const;

    // The form's fields, from its field table.
    const FieldTable &fields() const { return m_fields; }
    // The form as the whole-form check reads it.
    FilledForm filledForm() const;

    // F5: the "Pendências" window, listing what the whole-form check finds.
    void showPendencias();

    // The buttons every editor has, made by makeButtons().
    QPushButton *Btn_Imprimir = nullptr;
    QPushButton *Btn_Margens = nullptr;
    QPushButton *Btn_Limpar = nullptr;
    QPushButton *Btn_Fechar = nullptr;

    // "&Imprimir": the print entry. "&Limpar": the generic clearing, once the user has
    // confirmed it. "&Margens": the margins dialog, modal. "&Fechar": the close protocol.
    virtual void Btn_ImprimirClick();
    virtual void Btn_LimparClick();
    void Btn_MargensClick();
    void Btn_FecharClick();

protected:
    // The form type's description, once its rows are built: its rules (the form's own,
    // when it keeps them, else the description's) are bound to their lists, and its checks
    // and steps of printing are the window's.
    void useDescription(const FormDescription &description, FormRules *rules = nullptr);
    // The rules' per-line steps run as each record line is read.
    void beforeRecordLine(int tag, const QString &value) override;
    void afterRecordLine(int tag, const QString &value) override;

    // "Você tem certeza de que quer apagar tudo?": true when the user answers Sim.
    bool confirmClearAll();

    // Makes the four buttons and binds them to their handlers; the editor places them.
    void makeButtons();

    // The window of a form with a holder and others on tab pages (FCA, FAS): the holder's
    // group over the group of pages, the four buttons below. Each page is made with its
    // title and registered in the field table under its box key; the rows are built into
    // the holder's box and the pages.
    void buildHolderAndPages(QGroupBox *holder, QGroupBox *others, QTabWidget *pages,
                             const QList<TabPage> &tabPages, const QList<FieldRow> &rows);

    // The form's own checks before printing: the first of printProblems() is shown
    // (showPrintProblem) and stops the print.
    virtual bool checkBeforePrint();
    // How the form tells the user of a failed print check: a warning in the "Fichas" box.
    virtual void showPrintProblem(const QString &message);
    // Changes to the fields for the printed copy (upper-casing, say), undone after it.
    virtual void preparePrintCopy() {}
    virtual void restoreAfterPrint() {}

    // Every page control of the window switches pages through platform::PageSwitch, so
    // a field's exit check runs before its page is hidden.
    void showEvent(QShowEvent *event) override;

    FieldTable m_fields;

private:
    // The question before a print whose values the paper cuts; true to print.
    bool acceptPaperCut();
    const validation::TFm_Funcoes &funcoes() const;
    bool runPrint(bool askAboutPaper, const std::function<bool(const printing::PrintRequest &)> &output);

    QPointer<TFm_Pendencias> m_pendencias;
    const FormDescription *m_description = nullptr;
    std::unique_ptr<FormRules> m_ownRules;
    FormRules *m_rules = nullptr;
};

} // namespace editors
