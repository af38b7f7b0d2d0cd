#include "platform/PrintDialog.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

namespace platform {

namespace {

PrintDialog *g_installed = nullptr;
SystemPrintDialog *g_system = nullptr;

// The printer object must go while the application still exists.
void dropSystemDialog()
{
    delete g_system;
    g_system = nullptr;
}

// The forms are drawn for A4 portrait from the paper's corner, one-sided.
void setUpForForms(QPrinter &printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setFullPage(true);
    printer.setPrintRange(QPrinter::AllPages);
}

} // namespace

PrintDialog &PrintDialog::instance()
{
    if (g_installed)
        return *g_installed;
    if (!g_system) {
        g_system = new SystemPrintDialog;
        qAddPostRoutine(dropSystemDialog);
    }
    return *g_system;
}

PrintDialog *PrintDialog::install(PrintDialog *dialog)
{
    PrintDialog *previous = g_installed;
    g_installed = dialog;
    return previous;
}

SystemPrintDialog::SystemPrintDialog() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setUpForForms(*m_printer);
}

SystemPrintDialog::~SystemPrintDialog() = default;

QPrinter *SystemPrintDialog::exec(QWidget *parent, int copiesPreset)
{
    m_printer->setCopyCount(copiesPreset);
    m_printer->setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(m_printer.get(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    setUpForForms(*m_printer);
    return m_printer.get();
}

PdfPrintDialog::PdfPrintDialog(const QString &pdfPath)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(pdfPath);
    setUpForForms(*m_printer);
}

PdfPrintDialog::~PdfPrintDialog() = default;

void PdfPrintDialog::confirm(int copies) { m_answers.append(copies < 0 ? 0 : copies); }
void PdfPrintDialog::cancel() { m_answers.append(-1); }

QPrinter *PdfPrintDialog::exec(QWidget *, int copiesPreset)
{
    presets.append(copiesPreset);
    const int answer = m_answers.isEmpty() ? 0 : m_answers.takeFirst();
    if (answer < 0)
        return nullptr;
    m_printer->setCopyCount(answer == 0 ? copiesPreset : answer);
    return m_printer.get();
}

} // namespace platform
