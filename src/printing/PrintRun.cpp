#include "printing/PrintRun.h"

#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "printing/FieldValues.h"
#include "printing/LayoutEngine.h"
#include "printing/LayoutLoader.h"
#include "printing/PdfDocument.h"
#include "printing/PrintProgress.h"
#include "printing/ReportFactory.h"
#include "printing/ReportOutput.h"
#include "printing/TextMeasurer.h"
#include "printing/UF_Margens.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

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
    auto failed = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    if (layoutNames.isEmpty())
        return failed(QStringLiteral("Nenhum modelo de impressão indicado."));
    try {
        const FieldValues values(fields);
        QList<LaidOut> jobs;
        for (const QString &name : layoutNames)
            jobs.append(layOut(name, values));

        PdfDocument pdf(QPageSize(QPageSize::A4), 1200);
        pdf.setTitle(jobs.first().title);
        pdf.setCreator(QCoreApplication::applicationName());
        pdf.setCreationDate(platform::Clock::now());
        QPainter painter;
        if (!painter.begin(&pdf))
            return failed(QStringLiteral("Não foi possível gerar o PDF."));
        bool first = true;
        for (const LaidOut &job : jobs) {
            drawPages(painter, pdf, [&pdf] { return pdf.newPage(); }, job.pages, !first);
            first = false;
        }
        if (!painter.end() || pdf.data().isEmpty())
            return failed(QStringLiteral("Não foi possível gerar o PDF."));
        const QByteArray bytes = pdf.data();

        // Written beside its place and then renamed, so a failure never leaves half a PDF
        // under the asked name; an output file needs no wait for the disk.
        const QFileInfo target(pdfPath);
        QTemporaryFile file(target.absolutePath() + QStringLiteral("/.fichas-XXXXXX.pdf"));
        if (!file.open()
            || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                    | QFileDevice::ReadOther)
            || file.write(bytes) != bytes.size() || !file.flush())
            return failed(QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                              .arg(QDir::toNativeSeparators(pdfPath), file.errorString()));
        QFile::remove(target.absoluteFilePath());
        if (!file.rename(target.absoluteFilePath()))
            return failed(QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                              .arg(QDir::toNativeSeparators(pdfPath), file.errorString()));
        file.setAutoRemove(false);
        return true;
    } catch (const platform::RaisedError &e) {
        return failed(e.message());
    } catch (const std::exception &e) {
        return failed(QString::fromLocal8Bit(e.what()));
    }
}

void showMarginsDialog(QWidget *editor)
{
    TFm_Margens dialog(editor);
    dialog.exec();
}

} // namespace printing
