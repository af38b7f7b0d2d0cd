#include "printing/PdfJob.h"

#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/RaisedError.h"
#include "printing/FieldValues.h"
#include "printing/LayoutEngine.h"
#include "printing/LayoutLoader.h"
#include "printing/PdfDate.h"
#include "printing/ReportFactory.h"
#include "printing/ReportOutput.h"
#include "printing/TextMeasurer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

#include <condition_variable>
#include <mutex>
#include <thread>


namespace printing {

namespace {

using Snapshot = QHash<int, std::optional<QString>>;

struct LaidOut {
    QString title;
    QList<PageContent> pages;
};

QByteArray drawPdf(const QList<LaidOut> &jobs)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(1200);
        writer.setTitle(jobs.first().title);
        writer.setCreator(QCoreApplication::applicationName());
        QPainter painter;
        if (!painter.begin(&writer))
            throw platform::RaisedError(QStringLiteral("Não foi possível gerar o PDF."));
        bool first = true;
        for (const LaidOut &job : jobs) {
            drawPages(painter, writer, job.pages, !first);
            first = false;
        }
        if (!painter.end())
            throw platform::RaisedError(QStringLiteral("Não foi possível gerar o PDF."));
    }
    QByteArray pdf = buffer.data();
    if (const auto epoch = platform::Clock::sourceDateEpoch())
        pdf = setPdfCreationDate(pdf, *epoch);
    return pdf;
}

// Written beside its place and then renamed, so a failure never leaves half a PDF under
// the asked name; an output file needs no wait for the disk.
void writeFile(const QString &pdfPath, const QByteArray &pdf)
{
    const auto failed = [&pdfPath](const QString &why) {
        return platform::RaisedError(
            QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(QDir::toNativeSeparators(pdfPath), why));
    };
    const QFileInfo target(pdfPath);
    QTemporaryFile file(target.absolutePath() + QStringLiteral("/.fichas-XXXXXX.pdf"));
    if (!file.open()
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                | QFileDevice::ReadOther)
        || file.write(pdf) != pdf.size() || !file.flush())
        throw failed(file.errorString());
    QFile::remove(target.absoluteFilePath());
    if (!file.rename(target.absoluteFilePath()))
        throw failed(file.errorString());
    file.setAutoRemove(false);
}

} // namespace

struct PdfJob::Work {
    QStringList layoutNames;
    QString pdfPath;
    QString settingsFile;

    std::mutex mutex;
    std::condition_variable handedOver;
    bool cancelled = false;
    std::optional<Snapshot> values;
    QString error;
    std::thread thread;

    std::optional<Snapshot> waitForValues()
    {
        std::unique_lock lock(mutex);
        handedOver.wait(lock, [this] { return cancelled || values.has_value(); });
        if (cancelled)
            return std::nullopt;
        return std::move(values);
    }

    void run()
    {
        try {
            if (layoutNames.isEmpty())
                throw platform::RaisedError(QStringLiteral("Nenhum modelo de impressão indicado."));
            QList<Layout> designed;
            for (const QString &name : layoutNames)
                designed.append(LayoutLoader::load(name));
            // The empty form laid out once opens every font and measures every caption
            // while the values are still on their way; the measurer keeps it all.
            const FontMeasurer measurer;
            const LayoutEngine engine(measurer);
            for (const Layout &layout : designed)
                engine.paginate(layout);

            const std::optional<Snapshot> snapshot = waitForValues();
            if (!snapshot)
                return;
            const TagValues values = [&snapshot](int tag) { return snapshot->value(tag); };
            QList<LaidOut> jobs;
            for (const Layout &layout : designed) {
                const Layout filled = createLayout(layout, values, settingsFile);
                jobs.append(LaidOut{filled.reportTitle, engine.paginate(filled)});
            }
            writeFile(pdfPath, drawPdf(jobs));
        } catch (const platform::RaisedError &e) {
            error = e.message();
        } catch (const std::exception &e) {
            error = QString::fromLocal8Bit(e.what());
        }
    }
};

PdfJob::PdfJob(const QStringList &layoutNames, const QString &pdfPath, const QString &settingsFile)
    : m_work(std::make_unique<Work>())
{
    m_work->layoutNames = layoutNames;
    m_work->pdfPath = pdfPath;
    m_work->settingsFile = settingsFile;
    // The font names are mapped here, once, before another thread looks a font up.
    platform::installFontSubstitutions();
    m_work->thread = std::thread([work = m_work.get()] { work->run(); });
}

PdfJob::~PdfJob()
{
    if (!m_work->thread.joinable())
        return;
    {
        std::lock_guard lock(m_work->mutex);
        m_work->cancelled = true;
    }
    m_work->handedOver.notify_one();
    m_work->thread.join();
}

bool PdfJob::finish(const widgets::TaggedFields &fields, QString *error)
{
    if (!m_work->thread.joinable()) {
        if (error)
            *error = QStringLiteral("Este PDF já foi gerado.");
        return false;
    }
    {
        std::lock_guard lock(m_work->mutex);
        m_work->values = FieldValues(fields).snapshot();
    }
    m_work->handedOver.notify_one();
    m_work->thread.join();
    if (!m_work->error.isEmpty()) {
        if (error)
            *error = m_work->error;
        return false;
    }
    return true;
}

} // namespace printing
