#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// `fichas pdf`, run as a script would run it: no display, exit codes, pages and texts.
class TestPdfCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void exitCodes_data();
    void exitCodes();
    void savedFormBecomesItsPage();
    void sameFormSameBytes();

private:
    int run(const QStringList &args, QByteArray *err = nullptr, const QString &epoch = {});
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPdfCommand::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    const QString dados = m_dir->filePath("Dados");
    testsupport::writeBytes(dados + "/Lista_Fca.fca", "01 Fazenda\r\n02 Sem arquivo\r\n");
    testsupport::writeBytes(dados + "/Fca_1.fca", testsupport::readBytes(QDir::cleanPath(QStringLiteral(FICHAS_TEST_DATA "/../../editors/data/Fca_1.golden"))));
    testsupport::writeBytes(dados + "/Lista_Fac.fac", "01 Empresa\r\n");
    testsupport::writeBytes(dados + "/Fac_1.fac", "00001 x\r\n");
}

int TestPdfCommand::run(const QStringList &args, QByteArray *err, const QString &epoch)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    if (!epoch.isEmpty())
        env.insert("SOURCE_DATE_EPOCH", epoch);
    p.setProcessEnvironment(env);
    p.start(FICHAS_BINARY, QStringList{"pdf"} + args);
    if (!p.waitForFinished(30000))
        return -1;
    if (err)
        *err = p.readAllStandardError();
    return p.exitCode();
}

void TestPdfCommand::exitCodes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("says");
    QTest::newRow("no arguments") << QStringList{} << 2 << "Uso: fichas pdf";
    QTest::newRow("unknown type") << QStringList{"XYZ", "1", "o.pdf"} << 2 << "tipo desconhecido";
    QTest::newRow("code not a number") << QStringList{"FCA", "um", "o.pdf"} << 2 << QString::fromUtf8("código inválido");
    QTest::newRow("unknown option") << QStringList{"FCA", "1", "o.pdf", "--x"} << 2 << "Uso: fichas pdf";
    QTest::newRow("code not in catalogue") << QStringList{"FCA", "9", "o.pdf"} << 1 << QString::fromUtf8("não está na lista");
    QTest::newRow("record file missing") << QStringList{"FCA", "2", "o.pdf"} << 1 << QString::fromUtf8("não existe");
    QTest::newRow("type without layout yet") << QStringList{"FAC", "1", "o.pdf"} << 1 << QString::fromUtf8("não está disponível");
    QTest::newRow("output not writable") << QStringList{"fca", "1", "/nonexistent/dir/o.pdf"} << 1 << "";
}

void TestPdfCommand::exitCodes()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, says);
    QStringList full = args;
    if (!args.isEmpty())
        full << "--pasta" << m_dir->path();
    QByteArray err;
    QCOMPARE(run(full, &err), code);
    QVERIFY2(QString::fromUtf8(err).contains(says), err.constData());
}

void TestPdfCommand::savedFormBecomesItsPage()
{
    const QString pdf = m_dir->filePath("fca.pdf");
    const QByteArray before = testsupport::readBytes(m_dir->filePath("Dados/Fca_1.fca"));
    QCOMPARE(run({"FCA", "1", pdf, "--pasta", m_dir->path()}), 0);
    QCOMPARE(testsupport::readBytes(m_dir->filePath("Dados/Fca_1.fca")), before);
    QCOMPARE(QDir(m_dir->filePath("Dados")).entryList(QDir::Files).size(), 4);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    QProcess info;
    info.start("pdfinfo", {pdf});
    QVERIFY(info.waitForFinished());
    QVERIFY(info.readAllStandardOutput().contains("Pages:           1"));
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(text.waitForFinished());
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    for (const char *expected : {"FICHA COMPLEMENTAR DA AGROPECUÁRIA - FCA", "João Lavrador",
                                 "123.456.789-09", "2-Alterar", "3-Excluir", "12345-678", "São José"})
        QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
}

void TestPdfCommand::sameFormSameBytes()
{
    const QString a = m_dir->filePath("a.pdf"), b = m_dir->filePath("b.pdf");
    QCOMPARE(run({"FCA", "1", a, "--pasta", m_dir->path()}, nullptr, "1700000000"), 0);
    QCOMPARE(run({"FCA", "1", b, "--pasta", m_dir->path()}, nullptr, "1700000000"), 0);
    QCOMPARE(testsupport::readBytes(a), testsupport::readBytes(b));
}

QTEST_GUILESS_MAIN(TestPdfCommand)
#include "test_pdfcommand.moc"
