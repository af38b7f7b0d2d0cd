#include "FcaFields.h"
#include "MessageRecorder.h"

#include "platform/PrintDialog.h"
#include "platform/ProgramFolder.h"
#include "printing/PrintRun.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
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
    void unusablePrinterIsReported();
    void pdfHoldsTheFilledForm();
    void sameFormGivesSameBytes();
    void unknownLayoutFails();

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
    QVERIFY(!PrintRun::run(&fca.window, {kLayoutFca}, fca.fields, copiesPreset(kLayoutFca), dialog));
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
    QVERIFY(PrintRun::run(&fca.window, {kLayoutFca}, fca.fields, 2, dialog));
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

void TestPrintRun::unusablePrinterIsReported()
{
    MessageRecorder recorder;
    platform::PdfPrintDialog dialog(m_dir.filePath(QStringLiteral("missing/folder/out.pdf")));
    FcaFields fca;
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!PrintRun::run(&fca.window, {kLayoutFca, kLayoutFca}, fca.fields, 2, dialog));
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.last().caption, platform::kCaptionFichas);
    QVERIFY(recorder.last().text.contains(QStringLiteral("não pôde ser usada")));
}

void TestPrintRun::pdfHoldsTheFilledForm()
{
    REQUIRE_POPPLER();
    FcaFields fca;
    fill(fca);
    const QString out = m_dir.filePath(QStringLiteral("fca.pdf"));
    QString error;
    QVERIFY2(renderToPdf({kLayoutFca}, fca.fields, out, &error), qPrintable(error));
    const QByteArray pdf = readAll(out);
    QCOMPARE(pageCount(pdf), 1);
    QVERIFY(pdf.contains("/FontFile2"));   // fonts embedded
    const QString text = pdfText(out);
    for (const char *expected : {"FICHA COMPLEMENTAR DA AGROPECUÁRIA - FCA", "01 - IDENTIFICAÇÃO DO PRODUTOR TITULAR",
                                 "JOSÉ DA SILVA", "123.456.789-09", "2-Alterar", "MARIA APARECIDA", "Página"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    // Holders 1 and 3 have no treatment: nothing coded prints for them.
    QVERIFY(!text.contains(QStringLiteral("1-Incluir")));
    QVERIFY(!text.contains(QStringLiteral("AAAA")));
}

void TestPrintRun::sameFormGivesSameBytes()
{
    qputenv("SOURCE_DATE_EPOCH", "1704164645");   // 2024-01-02 03:04:05 UTC
    FcaFields fca;
    fill(fca);
    const QString first = m_dir.filePath(QStringLiteral("a.pdf"));
    const QString second = m_dir.filePath(QStringLiteral("b.pdf"));
    QString error;
    QVERIFY2(renderToPdf({kLayoutFca}, fca.fields, first, &error), qPrintable(error));
    QTest::qWait(1100);   // another second on the wall clock
    QVERIFY2(renderToPdf({kLayoutFca}, fca.fields, second, &error), qPrintable(error));
    qunsetenv("SOURCE_DATE_EPOCH");
    const QByteArray a = readAll(first);
    QVERIFY(a.contains("/CreationDate (D:20240102030405+00'00')"));
    QCOMPARE(a, readAll(second));
}

void TestPrintRun::unknownLayoutFails()
{
    FcaFields fca;
    QString error;
    const QString out = m_dir.filePath(QStringLiteral("none.pdf"));
    QVERIFY(!renderToPdf({QStringLiteral("TRl_Nenhum")}, fca.fields, out, &error));
    QVERIFY(error.contains(QStringLiteral("TRl_Nenhum")));
    QVERIFY(!QFile::exists(out));
}

QTEST_MAIN(TestPrintRun)
#include "test_printrun.moc"
