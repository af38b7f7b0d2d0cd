#include "editors/common/EditorBase.h"

#include "editors/common/FieldValues.h"
#include "platform/PrintDialog.h"
#include "platform/RaisedError.h"
#include "printing/PrintRun.h"

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
