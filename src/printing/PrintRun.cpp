#include "printing/PrintRun.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/PrintDialog.h"
#include "platform/PrintProgress.h"
#include "platform/RaisedError.h"
#include "printing/LayoutEngine.h"
#include "printing/LayoutLoader.h"
#include "printing/ReportFactory.h"
#include "printing/ReportOutput.h"
#include "printing/TextMeasurer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTimeZone>

namespace printing {

namespace {

struct LaidOut {
    QString title;
    QList<PageContent> pages;
};

// Creates, fills and lays out one layout for this print.
LaidOut layOut(const PrintLayout &printLayout, const TagValues &values)
{
    const Layout layout = createLayoutForPrint(printLayout, values);
    const FontMeasurer measurer;
    return LaidOut{layout.reportTitle, LayoutEngine(measurer).paginate(layout)};
}

// Why a printer could not be started, naming it; never an empty name.
QString printerProblem(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return QStringLiteral("Não foi possível gravar o arquivo PDF \"%1\": a pasta não existe ou não "
                              "aceita gravação. Nada foi impresso.")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    if (printer.printerName().isEmpty())
        return QStringLiteral("Não foi possível imprimir: nenhuma impressora está instalada ou escolhida. "
                              "Nada foi impresso. Para gravar a ficha num arquivo, escolha a impressão em "
                              "arquivo PDF no diálogo de impressão.");
    return QStringLiteral("Não foi possível imprimir em \"%1\": a impressora não respondeu (desligada, "
                          "desconectada ou com o serviço de impressão parado). Nada foi impresso.")
        .arg(printer.printerName());
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
        platform::Messages::show(editor, platform::kCaptionFichas, printerProblem(printer), platform::MsgIcon::Warning);
        return false;
    }
    platform::PrintProgress progress(editor, job.title, int(pages.size()));
    const int drawn = drawPages(painter, printer, pages, false, [&progress](int done) { return progress.advance(done); });
    if (drawn < pages.size()) {
        printer.abort();
        painter.end();
        return false;
    }
    return painter.end();
}

} // namespace

bool PrintRun::run(QWidget *editor, const PrintRequest &request, int copiesPreset, platform::PrintDialog &dialog)
{
    QPrinter *printer = nullptr;
    if (!platform::guard(editor, [&] { printer = dialog.exec(editor, copiesPreset); }) || !printer)
        return false;
    // A PDF chosen in the dialog is the very file `fichas pdf` writes: one copy, whole
    // or not at all.
    if (const QString file = dialog.outputFile(); !file.isEmpty()) {
        QString error;
        if (renderToPdf(request, file, &error))
            return true;
        platform::Messages::show(editor, platform::kCaptionFichas, error + QStringLiteral(" Nada foi gravado."),
                                 platform::MsgIcon::Warning);
        return false;
    }
    for (const PrintLayout &layout : request.layouts) {
        bool printed = false;
        platform::guard(editor, [&] { printed = printJob(editor, *printer, layOut(layout, request.values)); });
        // The next layouts would meet the same printer: one report is enough.
        if (!printed)
            return false;
    }
    return true;
}

int copiesPreset(const QString &layoutName)
{
    try {
        return LayoutLoader::load(layoutName).copies;
    } catch (const platform::RaisedError &) {
        return 1;
    }
}

bool renderPdf(const PrintRequest &request, QByteArray *pdf, QString *error)
{
    auto failed = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    if (request.layouts.isEmpty())
        return failed(QStringLiteral("Nenhum modelo de impressão indicado."));
    try {
        QList<LaidOut> jobs;
        for (const PrintLayout &layout : request.layouts)
            jobs.append(layOut(layout, request.values));

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
            writer.setResolution(1200);   // what a high-resolution PDF printer uses
            writer.setTitle(jobs.first().title);
            writer.setCreator(QCoreApplication::applicationName());
            QPainter painter;
            if (!painter.begin(&writer))
                return failed(QStringLiteral("Não foi possível gerar o PDF."));
            bool first = true;
            for (const LaidOut &job : jobs) {
                drawPages(painter, writer, job.pages, !first);
                first = false;
            }
            if (!painter.end())
                return failed(QStringLiteral("Não foi possível gerar o PDF."));
        }
        *pdf = buffer.data();
        if (const auto epoch = platform::Clock::sourceDateEpoch())
            *pdf = withCreationDate(*pdf, *epoch);
        return true;
    } catch (const platform::RaisedError &e) {
        return failed(e.message());
    } catch (const std::exception &e) {
        return failed(QString::fromLocal8Bit(e.what()));
    }
}

bool renderToPdf(const PrintRequest &request, const QString &pdfPath, QString *error)
{
    QByteArray pdf;
    if (!renderPdf(request, &pdf, error))
        return false;
    // QSaveFile writes beside the target and renames only a complete file; it creates
    // with the umask and keeps an existing file's mode.
    QSaveFile file(pdfPath);
    auto failed = [&] {
        if (error)
            *error = QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                         .arg(QDir::toNativeSeparators(pdfPath), file.errorString());
        return false;   // the unfinished file goes with `file`
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed();
    // A short write is asked again for the rest: the system gives its reason (a full disk,
    // a file too large) on the write that cannot start, not on the one cut short.
    for (qsizetype done = 0; done < pdf.size();) {
        const qint64 written = file.write(pdf.constData() + done, pdf.size() - done);
        if (written <= 0)
            return failed();
        done += written;
    }
    if (!file.commit())
        return failed();
    return true;
}

QByteArray withCreationDate(const QByteArray &pdf, const QDateTime &when)
{
    static const QByteArray key("/CreationDate (D:");
    const qsizetype start = pdf.indexOf(key);
    if (start < 0)
        return pdf;
    const qsizetype from = start + key.size();
    const qsizetype end = pdf.indexOf(')', from);
    if (end < 0)
        return pdf;
    const QByteArray digits =
        when.toTimeZone(QTimeZone::utc()).toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    QByteArray date;
    switch (end - from) {
    case 15:   // yyyyMMddHHmmssZ
        date = digits + 'Z';
        break;
    case 21:   // yyyyMMddHHmmss+HH'mm'
        date = digits + "+00'00'";
        break;
    default:
        return pdf;
    }
    if (digits.size() != 14)
        return pdf;
    QByteArray out = pdf;
    out.replace(from, end - from, date);
    return out;
}

} // namespace printing
