#include "FcaFields.h"
#include "editors/common/FieldValues.h"
#include "MessageRecorder.h"

#include "platform/PrintDialog.h"
#include "platform/ProgramFolder.h"
#include "printing/PrintRun.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

using namespace printing;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int pageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return int(QString::fromLatin1(pdf).count(page));
}

// The text of a PDF page (0: all pages) as poppler reads it; a null string without poppler.
QString pdfText(const QString &path, int pageNumber = 0, bool boxes = false)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QString();
    QStringList args;
    if (pageNumber > 0)
        args << QStringLiteral("-f") << QString::number(pageNumber) << QStringLiteral("-l") << QString::number(pageNumber);
    if (boxes)
        args << QStringLiteral("-bbox");
    args << path << QStringLiteral("-");
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The request an FCA editor with these fields hands over.
PrintRequest requestFor(const FcaFields &fca, const QStringList &layouts = {QStringLiteral("TRl_Fca")})
{
    PrintRequest request;
    for (const QString &name : layouts)
        request.layouts.append(PrintLayout{name, {}});
    request.values = [values = editors::FieldValues(fca.fields)](int tag) { return values.valueOf(tag); };
    return request;
}

// A tool's standard output, or a null string when the tool is missing.
QString toolOutput(const QString &tool, const QStringList &args)
{
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        return QString();
    QProcess p;
    p.start(path, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

#define REQUIRE_POPPLER()                                                                                          \
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())                                     \
    QSKIP("pdftotext (poppler-utils) is not installed")

} // namespace

class TestPrintRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cancelPrintsNothingAndSaysNothing();
    void printsTheChosenCopies_data();
    void printsTheChosenCopies();
    void unusablePrinterIsReported_data();
    void unusablePrinterIsReported();
    void pdfHoldsTheFilledForm();
    void everyLayoutInOneFile();
    void sameFormGivesSameBytes();
    void creationDateKeepsItsLength_data();
    void creationDateKeepsItsLength();
    void unknownLayoutFails();
    void layoutStepsTravelWithTheRequest();

private:
    void fill(FcaFields &fca);

    QTemporaryDir m_dir;
};

void TestPrintRun::initTestCase()
{
    QVERIFY(m_dir.isValid());
    platform::ProgramFolder::setCurrent(m_dir.path());
    qunsetenv("SOURCE_DATE_EPOCH");
}

void TestPrintRun::init() { QFile::remove(platform::ProgramFolder::settingsFile()); }

void TestPrintRun::fill(FcaFields &fca)
{
    fca.setText(1, QStringLiteral("JOSÉ DA SILVA"));
    fca.setText(2, QStringLiteral("12345678909"));
    fca.choose(201, 1);
    fca.setText(205, QStringLiteral("MARIA APARECIDA"));
    fca.choose(315, 25);
}

void TestPrintRun::cancelPrintsNothingAndSaysNothing()
{
    MessageRecorder recorder;
    const QString out = m_dir.filePath(QStringLiteral("cancel.pdf"));
    platform::PdfPrintDialog dialog(out);
    dialog.cancel();
    FcaFields fca;
    QVERIFY(!PrintRun::run(&fca.window, requestFor(fca), copiesPreset(QStringLiteral("TRl_Fca")), dialog));
    QCOMPARE(dialog.presets, QList<int>{2});
    QVERIFY(!QFile::exists(out));
    QVERIFY(recorder.messages.isEmpty());
}

void TestPrintRun::printsTheChosenCopies_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("copies");

    QTest::newRow("preset kept") << 0 << 2;
    QTest::newRow("raised") << 3 << 3;
    QTest::newRow("lowered") << 1 << 1;
}

void TestPrintRun::printsTheChosenCopies()
{
    QFETCH(int, answer);
    QFETCH(int, copies);
    MessageRecorder recorder;
    const QString out = m_dir.filePath(QStringLiteral("copies.pdf"));
    platform::PdfPrintDialog dialog(out);
    dialog.confirm(answer);
    FcaFields fca;
    fill(fca);
    QVERIFY(PrintRun::run(&fca.window, requestFor(fca), 2, dialog));
    QCOMPARE(dialog.presets, QList<int>{2});
    QCOMPARE(dialog.printer().copyCount(), copies);
    QCOMPARE(dialog.printer().docName(), QStringLiteral("FAS - Página 1/1"));
    // A PDF printer makes no copies of its own: each copy is in the file.
    QCOMPARE(pageCount(readAll(out)), copies);
    QVERIFY(recorder.messages.isEmpty());
    const QString boxes = pdfText(out, 1, true);
    if (!boxes.isNull())
        QVERIFY(boxes.contains(QStringLiteral("<title>FAS - Página 1/1</title>")));
}

void TestPrintRun::unusablePrinterIsReported_data()
{
    QTest::addColumn<bool>("asFile");   // the PDF choice of the dialog, or a PDF printer
    QTest::newRow("PDF printer") << false;
    QTest::newRow("PDF file chosen in the dialog") << true;
}

// The report names the file that could not be written, and nothing is left of it.
void TestPrintRun::unusablePrinterIsReported()
{
    QFETCH(bool, asFile);
    MessageRecorder recorder;
    const QString out = m_dir.filePath(QStringLiteral("missing/folder/out.pdf"));
    platform::PdfPrintDialog dialog(out);
    dialog.answersAsFile = asFile;
    FcaFields fca;
    if (!asFile)
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!PrintRun::run(&fca.window, requestFor(fca, {QStringLiteral("TRl_Fca"), QStringLiteral("TRl_Fca")}), 2, dialog));
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.last().caption, platform::kCaptionFichas);
    QVERIFY2(recorder.last().text.contains(QDir::toNativeSeparators(out)), qPrintable(recorder.last().text));
    QVERIFY(!QFileInfo::exists(out));
}

void TestPrintRun::pdfHoldsTheFilledForm()
{
    REQUIRE_POPPLER();
    FcaFields fca;
    fill(fca);
    fca.setText(3, QStringLiteral("Sítio Três Irmãos € Cia"));
    const QString out = m_dir.filePath(QStringLiteral("fca.pdf"));
    QString error;
    QVERIFY2(renderToPdf(requestFor(fca), out, &error), qPrintable(error));
    const QString info = toolOutput(QStringLiteral("pdfinfo"), {out});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("595 x 842 pts (A4)")), qPrintable(info));
    // Every font is embedded: pdffonts' "emb" column says yes on each font line.
    const QStringList fonts = toolOutput(QStringLiteral("pdffonts"), {out}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString &font : fonts)
        QVERIFY2(font.contains(QRegularExpression(QStringLiteral("\\s+yes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+$"))), qPrintable(font));
    const QString text = pdfText(out);
    for (const char *expected : {"FICHA COMPLEMENTAR DA AGROPECUÁRIA - FCA", "01 - IDENTIFICAÇÃO DO PRODUTOR TITULAR",
                                 "JOSÉ DA SILVA", "123.456.789-09", "2-Alterar", "MARIA APARECIDA", "Página",
                                 "Sítio Três Irmãos € Cia"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    // Holders 1 and 3 have no treatment: nothing coded prints for them.
    QVERIFY(!text.contains(QStringLiteral("1-Incluir")));
    QVERIFY(!text.contains(QStringLiteral("AAAA")));
    const QString check = toolOutput(QStringLiteral("qpdf"), {QStringLiteral("--check"), out});
    if (!check.isNull())
        QVERIFY2(check.contains(QStringLiteral("No syntax or stream encoding errors")), qPrintable(check));
}

void TestPrintRun::everyLayoutInOneFile()
{
    REQUIRE_POPPLER();
    FcaFields fca;
    const QString out = m_dir.filePath(QStringLiteral("two.pdf"));
    QString error;
    QVERIFY2(renderToPdf(requestFor(fca, {QStringLiteral("TRl_Fca"), QStringLiteral("TRl_Fca")}), out, &error), qPrintable(error));
    QVERIFY(toolOutput(QStringLiteral("pdfinfo"), {out}).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
}

void TestPrintRun::sameFormGivesSameBytes()
{
    qputenv("SOURCE_DATE_EPOCH", "1704164645");   // 2024-01-02 03:04:05 UTC
    FcaFields fca;
    fill(fca);
    QByteArray first, second;
    QString error;
    QVERIFY2(renderPdf(requestFor(fca), &first, &error), qPrintable(error));
    QTest::qWait(1100);   // another second on the wall clock
    QVERIFY2(renderPdf(requestFor(fca), &second, &error), qPrintable(error));
    qunsetenv("SOURCE_DATE_EPOCH");
    QVERIFY(first.contains("/CreationDate (D:20240102030405"));
    QCOMPARE(first, second);
}

void TestPrintRun::creationDateKeepsItsLength_data()
{
    QTest::addColumn<QByteArray>("pdf");
    QTest::addColumn<QByteArray>("stamped");
    const QByteArray tail(" >>\nendobj\n");
    QTest::newRow("UTC form") << "<< /CreationDate (D:20261208040823Z)" + tail
                              << "<< /CreationDate (D:20240102030405Z)" + tail;
    QTest::newRow("offset form") << "<< /CreationDate (D:20261208010823-03'00')" + tail
                                 << "<< /CreationDate (D:20240102030405+00'00')" + tail;
    QTest::newRow("other shape left alone") << "<< /CreationDate (D:2026)" + tail << "<< /CreationDate (D:2026)" + tail;
    QTest::newRow("no date") << "<< /Title (x)" + tail << "<< /Title (x)" + tail;
    QTest::newRow("date never closed") << QByteArray("<< /CreationDate (D:20261208040823Z")
                                       << QByteArray("<< /CreationDate (D:20261208040823Z");
}

void TestPrintRun::creationDateKeepsItsLength()
{
    QFETCH(QByteArray, pdf);
    QFETCH(QByteArray, stamped);
    const QDateTime when = QDateTime::fromSecsSinceEpoch(1704164645, QTimeZone::utc());
    QCOMPARE(withCreationDate(pdf, when), stamped);
}

void TestPrintRun::unknownLayoutFails()
{
    FcaFields fca;
    QString error;
    const QString out = m_dir.filePath(QStringLiteral("none.pdf"));
    QVERIFY(!renderToPdf(requestFor(fca, {QStringLiteral("TRl_Nenhum")}), out, &error));
    QVERIFY(error.contains(QStringLiteral("TRl_Nenhum")));
    QVERIFY(!QFile::exists(out));
}

void TestPrintRun::layoutStepsTravelWithTheRequest()
{
    FcaFields fca;
    PrintRequest request = requestFor(fca);
    QStringList seen;
    request.layouts.first().steps.beforeFill = [&seen](Layout &, const TagValues &) { seen << QStringLiteral("before"); };
    request.layouts.first().steps.afterFill = [&seen](Layout &, const TagValues &) { seen << QStringLiteral("after"); };
    QByteArray pdf;
    QString error;
    QVERIFY2(renderPdf(request, &pdf, &error), qPrintable(error));
    QCOMPARE(seen, (QStringList{QStringLiteral("before"), QStringLiteral("after")}));
    // Another request of the same layout has no steps of its own.
    seen.clear();
    QVERIFY2(renderPdf(requestFor(fca), &pdf, &error), qPrintable(error));
    QVERIFY(seen.isEmpty());
}

QTEST_MAIN(TestPrintRun)
#include "test_printrun.moc"
