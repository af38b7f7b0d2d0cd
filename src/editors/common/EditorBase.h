#pragma once

#include "printing/PrintRequest.h"
#include "store/FichaEditor.h"

#include <functional>

class QPushButton;

namespace platform {
class PrintDialog;
}

namespace editors {

// What every form editor adds to the record and the close protocol: the one print
// entry, shared by "&Imprimir" and the `pdf` command.
class EditorBase : public store::FichaEditor {
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

    // The form's page kinds in printing order, each with its own steps.
    virtual QList<printing::PrintLayout> printLayouts() const { return {}; }
    // The copies the print dialog proposes: the first layout's own preset. A form whose
    // preset depends on a field overrides it.
    virtual int copiesPreset() const;

    // The print value of each Tag, read from the fields at print time.
    printing::TagValues printValues() const;

    // The buttons every editor has, made by makeButtons().
    QPushButton *Btn_Imprimir = nullptr;
    QPushButton *Btn_Margens = nullptr;
    QPushButton *Btn_Limpar = nullptr;
    QPushButton *Btn_Fechar = nullptr;

    // "&Imprimir": the print entry. "&Limpar": the generic clearing. "&Margens": the
    // margins dialog, modal. "&Fechar": the close protocol.
    virtual void Btn_ImprimirClick();
    virtual void Btn_LimparClick();
    void Btn_MargensClick();
    void Btn_FecharClick();

protected:
    // Makes the four buttons and binds them to their handlers; the editor places them.
    void makeButtons();

    // The form's own checks before printing; each reports its own failure.
    virtual bool checkBeforePrint() { return true; }
    // Changes to the fields for the printed copy (upper-casing, say), undone after it.
    virtual void preparePrintCopy() {}
    virtual void restoreAfterPrint() {}

private:
    bool runPrint(const std::function<bool(const printing::PrintRequest &)> &output);
};

} // namespace editors
