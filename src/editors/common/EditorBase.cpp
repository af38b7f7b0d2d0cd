#include "editors/common/EditorBase.h"

#include "editors/common/FieldValues.h"
#include "platform/PrintDialog.h"
#include "platform/RaisedError.h"
#include "printing/PrintRun.h"

#include <QPushButton>

namespace editors {

namespace {

// Undoes the print-copy steps however the print ends.
class PrintCopy {
public:
    explicit PrintCopy(std::function<void()> undo) : m_undo(std::move(undo)) {}
    ~PrintCopy() { m_undo(); }
    PrintCopy(const PrintCopy &) = delete;
    PrintCopy &operator=(const PrintCopy &) = delete;

private:
    std::function<void()> m_undo;
};

} // namespace

EditorBase::EditorBase(store::FormType type, QWidget *parent) : store::FichaEditor(type, parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void EditorBase::makeButtons()
{
    Btn_Imprimir = new QPushButton(QStringLiteral("&Imprimir"), this);
    Btn_Margens = new QPushButton(QStringLiteral("&Margens"), this);
    Btn_Limpar = new QPushButton(QStringLiteral("&Limpar"), this);
    Btn_Fechar = new QPushButton(QStringLiteral("&Fechar"), this);
    connect(Btn_Imprimir, &QPushButton::clicked, this, [this] { Btn_ImprimirClick(); });
    connect(Btn_Margens, &QPushButton::clicked, this, &EditorBase::Btn_MargensClick);
    connect(Btn_Limpar, &QPushButton::clicked, this, [this] { Btn_LimparClick(); });
    connect(Btn_Fechar, &QPushButton::clicked, this, &EditorBase::Btn_FecharClick);
}

void EditorBase::Btn_ImprimirClick() { printForm(); }
void EditorBase::Btn_LimparClick() { LimpaCampos(); }
void EditorBase::Btn_MargensClick() { printing::showMarginsDialog(this); }
void EditorBase::Btn_FecharClick() { close(); }

int EditorBase::copiesPreset() const
{
    const QList<printing::PrintLayout> layouts = printLayouts();
    return layouts.isEmpty() ? 1 : printing::copiesPreset(layouts.first().name);
}

printing::TagValues EditorBase::printValues() const
{
    return [values = FieldValues(recordFields())](int tag) { return values.valueOf(tag); };
}

bool EditorBase::runPrint(const std::function<bool(const printing::PrintRequest &)> &output)
{
    bool checked = false;
    if (!platform::guard(this, [&] { checked = checkBeforePrint(); }) || !checked)
        return false;
    preparePrintCopy();
    const PrintCopy undo([this] { restoreAfterPrint(); });
    return output(printing::PrintRequest{printLayouts(), printValues()});
}

bool EditorBase::printForm(platform::PrintDialog &dialog)
{
    return runPrint([&](const printing::PrintRequest &request) {
        return printing::PrintRun::run(this, request, copiesPreset(), dialog);
    });
}

bool EditorBase::printForm() { return printForm(platform::PrintDialog::instance()); }

bool EditorBase::printToPdf(const QString &pdfPath, QString *error)
{
    if (error)
        error->clear();
    return runPrint([&](const printing::PrintRequest &request) {
        return printing::renderToPdf(request, pdfPath, error);
    });
}

} // namespace editors
