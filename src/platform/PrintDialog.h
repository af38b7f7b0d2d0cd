#pragma once

#include <QList>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace platform {

// The platform's print dialog with its printer object: the program proposes a number
// of copies; the user picks the printer and may change the copies, or cancels.
// Besides the printers it offers printing to a PDF file; a page range is not offered.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;

    // The name the next exec() proposes for a PDF file ("FAC-07"), in the user's
    // documents folder.
    void proposeFileName(const QString &baseName) { m_proposed = baseName; }
    QString proposedFileName() const { return m_proposed; }

    // Shows the dialog. Returns the printer to print to, set up with the chosen copies
    // (QPrinter::copyCount), or nullptr when the user cancelled. The printer stays
    // owned by the dialog object and keeps its choice for the next jobs of the run.
    virtual QPrinter *exec(QWidget *parent, int copiesPreset) = 0;

    // The dialog the program uses: the system one unless a test installed another.
    static PrintDialog &instance();
    // Installs a dialog (tests); nullptr restores the system one. Returns the previous.
    static PrintDialog *install(PrintDialog *dialog);

    // The PDF file the user chose in the last exec() in place of a printer; empty when
    // a printer was chosen.
    virtual QString outputFile() const { return {}; }

private:
    QString m_proposed;
};

// <documents folder>/<baseName>.pdf
QString proposedPdfPath(const QString &baseName);

// The production dialog: QPrintDialog over the system's printers.
class SystemPrintDialog final : public PrintDialog {
public:
    SystemPrintDialog();
    ~SystemPrintDialog() override;
    QPrinter *exec(QWidget *parent, int copiesPreset) override;
    QString outputFile() const override;

private:
    std::unique_ptr<QPrinter> m_printer;
};

// A dialog that shows nothing: it records each preset it is given and answers as
// scripted, printing to a PDF file. For tests, and for output without a printer.
class PdfPrintDialog final : public PrintDialog {
public:
    explicit PdfPrintDialog(const QString &pdfPath);
    ~PdfPrintDialog() override;

    // The next answers: confirm with that number of copies (0: keep the preset), or cancel.
    void confirm(int copies = 0);
    void cancel();

    QPrinter *exec(QWidget *parent, int copiesPreset) override;
    // The printer unless answersAsFile: then the user chose the PDF file.
    QString outputFile() const override;

    bool answersAsFile = false;
    QList<int> presets;   // the preset of each time the dialog was shown
    QPrinter &printer() { return *m_printer; }

private:
    std::unique_ptr<QPrinter> m_printer;
    QList<int> m_answers;  // copies, 0 = preset, -1 = cancel
};

} // namespace platform
