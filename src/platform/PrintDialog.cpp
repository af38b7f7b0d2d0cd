#include "platform/PrintDialog.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

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

QString proposedPdfPath(const QString &baseName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(baseName + QStringLiteral(".pdf"));
}

QPrinter *SystemPrintDialog::exec(QWidget *parent, int copiesPreset)
{
    m_printer->setCopyCount(copiesPreset);
    m_printer->setPrintRange(QPrinter::AllPages);
    const QString name = proposedFileName().isEmpty() ? QStringLiteral("ficha") : proposedFileName();
    const QString previous = m_printer->outputFileName();
    // After a PDF the choice stays on a file, this form's, in the folder the user picked:
    // never over the last form's file. With no printer the PDF file is the only choice.
    const QString proposal = previous.isEmpty() ? proposedPdfPath(name)
                                                : QFileInfo(previous).absoluteDir().filePath(name + QStringLiteral(".pdf"));
    const bool toFile = !previous.isEmpty() || QPrinterInfo::availablePrinters().isEmpty();
    m_printer->setOutputFileName(toFile ? proposal : QString());
    m_printer->setDocName(proposedFileName());
    QPrintDialog dialog(m_printer.get(), parent);
    // Qt's dialog proposes its own name for the file (the working folder); ours goes in
    // its file field, used when the user switches to the PDF choice.
    if (auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("filename")); field && m_printer->outputFileName().isEmpty())
        field->setText(QDir::toNativeSeparators(proposal));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    setUpForForms(*m_printer);
    return m_printer.get();
}

QString SystemPrintDialog::outputFile() const
{
    return m_printer->outputFormat() == QPrinter::PdfFormat ? m_printer->outputFileName() : QString();
}

PdfPrintDialog::PdfPrintDialog(const QString &pdfPath)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setOutputFileName(pdfPath);
    setUpForForms(*m_printer);
}

PdfPrintDialog::~PdfPrintDialog() = default;

QString PdfPrintDialog::outputFile() const { return answersAsFile ? m_printer->outputFileName() : QString(); }

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
