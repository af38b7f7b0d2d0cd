#include "printing/PrintRun.h"

#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "printing/FieldValues.h"
#include "printing/LayoutEngine.h"
#include "printing/LayoutLoader.h"
#include "printing/PdfJob.h"
#include "printing/PrintProgress.h"
#include "printing/ReportFactory.h"
#include "printing/ReportOutput.h"
#include "printing/TextMeasurer.h"
#include "printing/UF_Margens.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>

namespace printing {

namespace {

struct LaidOut {
    QString title;
    QList<PageContent> pages;
};

// Creates, fills and lays out one layout for this print.
LaidOut layOut(const QString &layoutName, const FieldValues &fields)
{
    platform::installFontSubstitutions();
    const Layout layout = createLayout(
        layoutName, [&fields](int tag) { return fields.valueOf(tag); }, platform::ProgramFolder::settingsFile());
    const FontMeasurer measurer;
    return LaidOut{layout.reportTitle, LayoutEngine(measurer).paginate(layout)};
}

QString printerLabel(const QPrinter &printer)
{
    if (!printer.printerName().isEmpty())
        return printer.printerName();
    return QDir::toNativeSeparators(printer.outputFileName());
}

// One layout as one print job. False when nothing or not everything was printed.
bool printJob(QWidget *editor, QPrinter &printer, const LaidOut &job)
{
    printer.setDocName(job.title);
    printer.setFullPage(true);
    // A printer that makes its own copies gets the pages once; otherwise they are sent
    // as many times as copies were asked for, each copy complete.
    const int copies = std::max(1, printer.copyCount());
    const int passes = printer.supportsMultipleCopies() ? 1 : copies;
    QList<PageContent> pages;
    for (int i = 0; i < passes; ++i)
        pages += job.pages;

    QPainter painter;
    if (!painter.begin(&printer)) {
        platform::Messages::show(editor, platform::kCaptionFichas,
                                 QStringLiteral("Não foi possível imprimir em \"%1\": a impressora não pôde ser "
                                                "usada. Nada foi impresso.")
                                     .arg(printerLabel(printer)),
                                 platform::MsgIcon::Warning);
        return false;
    }
    PrintProgress progress(editor, job.title, int(pages.size()));
    const int drawn = drawPages(painter, printer, pages, false, [&progress](int done) { return progress.advance(done); });
    if (drawn < pages.size()) {
        printer.abort();
        painter.end();
        return false;
    }
    return painter.end();
}

} // namespace

bool PrintRun::run(QWidget *editor, const QStringList &layoutNames, const widgets::TaggedFields &fields,
                   int copiesPreset, platform::PrintDialog &dialog)
{
    QPrinter *printer = nullptr;
    if (!platform::guard(editor, [&] { printer = dialog.exec(editor, copiesPreset); }) || !printer)
        return false;
    const FieldValues values(fields);
    for (const QString &name : layoutNames) {
        bool printed = false;
        platform::guard(editor, [&] { printed = printJob(editor, *printer, layOut(name, values)); });
        // The next layouts would meet the same printer: one report is enough.
        if (!printed)
            return false;
    }
    return true;
}

bool PrintRun::run(QWidget *editor, const QStringList &layoutNames, const widgets::TaggedFields &fields,
                   int copiesPreset)
{
    return run(editor, layoutNames, fields, copiesPreset, platform::PrintDialog::instance());
}

int copiesPreset(const QString &layoutName)
{
    try {
        return LayoutLoader::load(layoutName).copies;
    } catch (const platform::RaisedError &) {
        return 1;
    }
}

bool renderToPdf(const QStringList &layoutNames, const widgets::TaggedFields &fields, const QString &pdfPath,
                 QString *error)
{
    PdfJob job(layoutNames, pdfPath, platform::ProgramFolder::settingsFile());
    return job.finish(fields, error);
}

void showMarginsDialog(QWidget *editor)
{
    TFm_Margens dialog(editor);
    dialog.exec();
}

} // namespace printing
