#pragma once

#include <QList>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace platform {

// The platform's print dialog with its printer object: the program proposes a number
// of copies; the user picks the printer and may change the copies, or cancels.
// Printing to a file is not offered, nor a page range.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;

    // Shows the dialog. Returns the printer to print to, set up with the chosen copies
    // (QPrinter::copyCount), or nullptr when the user cancelled. The printer stays
    // owned by the dialog object and keeps its choice for the next jobs of the run.
    virtual QPrinter *exec(QWidget *parent, int copiesPreset) = 0;

    // The dialog the program uses: the system one unless a test installed another.
    static PrintDialog &instance();
    // Installs a dialog (tests); nullptr restores the system one. Returns the previous.
    static PrintDialog *install(PrintDialog *dialog);
};

// The production dialog: QPrintDialog over the system's printers.
class SystemPrintDialog final : public PrintDialog {
public:
    SystemPrintDialog();
    ~SystemPrintDialog() override;
    QPrinter *exec(QWidget *parent, int copiesPreset) override;

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

    QList<int> presets;   // the preset of each time the dialog was shown
    QPrinter &printer() { return *m_printer; }

private:
    std::unique_ptr<QPrinter> m_printer;
    QList<int> m_answers;  // copies, 0 = preset, -1 = cancel
};

} // namespace platform
