#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>

// `fichas pdf`, run as a script would run it: no display, exit codes, pages and texts.
class TestPdfCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void exitCodes_data();
    void exitCodes();
    void savedFormBecomesItsPage();
    void sameFormSameBytes();
    void creationDateFromEpoch_data();
    void creationDateFromEpoch();
    void outputOverTheFormIsRefused_data();
    void outputOverTheFormIsRefused();
    void fileModeFollowsTheUser_data();
    void fileModeFollowsTheUser();
    void failedWriteSaysWhyAndLeavesNothing_data();
    void failedWriteSaysWhyAndLeavesNothing();

private:
    int run(const QStringList &args, QByteArray *err = nullptr, const QString &epoch = {},
            const std::function<void()> &inChild = {});
    QString runTool(const QString &tool, const QStringList &args);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPdfCommand::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    const QString dados = m_dir->filePath("Dados");
    testsupport::writeBytes(dados + "/Lista_Fca.fca", "01 Fazenda\r\n02 Sem arquivo\r\n");
    testsupport::writeBytes(dados + "/Fca_1.fca", testsupport::readBytes(QDir::cleanPath(QStringLiteral(FICHAS_TEST_DATA "/../../editors/data/Fca_1.golden"))));
    // The FAS golden form: partner 3 is to be excluded but has no Junta Comercial date.
    testsupport::writeBytes(dados + "/Lista_Fas.fas", "01 Irmaos\r\n");
    testsupport::writeBytes(dados + "/Fas_1.fas", testsupport::readBytes(QDir::cleanPath(QStringLiteral(FICHAS_TEST_DATA "/../../editors/data/Fas_1.golden"))));
    testsupport::writeBytes(dados + "/Lista_Fac.fac", "01 Empresa\r\n");
    testsupport::writeBytes(dados + "/Fac_1.fac", "00001 x\r\n");
}

int TestPdfCommand::run(const QStringList &args, QByteArray *err, const QString &epoch,
                        const std::function<void()> &inChild)
{
    QProcess p;
    if (inChild)
        p.setChildProcessModifier(inChild);
    p.setProcessEnvironment(testsupport::headlessEnvironment(epoch));
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
    QTest::newRow("form's own print check") << QStringList{"FAS", "1", "o.pdf"} << 1
                                            << QString::fromUtf8("Junta Comercial do Sócio 3 deve ser informada.");
    QTest::newRow("form that fails its checks") << QStringList{"FAC", "1", "o.pdf"} << 1
                                                << QStringLiteral(">> PREENCHA O CAMPO 01 - NATUREZA");
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
    QCOMPARE(QDir(m_dir->filePath("Dados")).entryList(QDir::Files).size(), 6);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    const QString info = runTool("pdfinfo", {pdf});
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
    QVERIFY2(info.contains("595 x 842 pts (A4)"), qPrintable(info));
    QVERIFY(!runTool("pdffonts", {pdf}).contains(QRegularExpression(" no +(yes|no) +(yes|no) +\\d+ +\\d+\\n")));
    const QString page = runTool("pdftotext", {"-layout", pdf, "-"});
    for (const char *expected : {"FICHA COMPLEMENTAR DA AGROPECUÁRIA - FCA", "João Lavrador", "Fazenda Três Rios",
                                 "123.456.789-09", "2-Alterar", "3-Excluir", "12345-678", "São José"})
        QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
    if (!QStandardPaths::findExecutable("qpdf").isEmpty())
        QVERIFY(runTool("qpdf", {"--check", pdf}).contains("No syntax or stream encoding errors"));
}

QString TestPdfCommand::runTool(const QString &tool, const QStringList &args)
{
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void TestPdfCommand::sameFormSameBytes()
{
    const QString a = m_dir->filePath("a.pdf"), b = m_dir->filePath("b.pdf");
    QCOMPARE(run({"FCA", "1", a, "--pasta", m_dir->path()}, nullptr, "1700000000"), 0);
    QCOMPARE(run({"FCA", "1", b, "--pasta", m_dir->path()}, nullptr, "1700000000"), 0);
    QCOMPARE(testsupport::readBytes(a), testsupport::readBytes(b));
}

void TestPdfCommand::creationDateFromEpoch_data()
{
    QTest::addColumn<QString>("epoch");
    QTest::addColumn<QString>("date");   // empty: the wall clock's
    QTest::newRow("first second") << "0" << "19700101000000";
    QTest::newRow("last second of 9999") << "253402300799" << "99991231235959";
    QTest::newRow("year 10000 ignored") << "253402300800" << "";
    QTest::newRow("negative ignored") << "-1" << "";
    QTest::newRow("not a number ignored") << "ontem" << "";
}

void TestPdfCommand::creationDateFromEpoch()
{
    QFETCH(QString, epoch);
    QFETCH(QString, date);
    const QString pdf = m_dir->filePath("data.pdf");
    QCOMPARE(run({"FCA", "1", pdf, "--pasta", m_dir->path()}, nullptr, epoch), 0);
    const QRegularExpression stamp("/CreationDate \\(D:(\\d{14})(Z|[+-]\\d\\d'\\d\\d')\\)");
    const QRegularExpressionMatch m = stamp.match(QString::fromLatin1(testsupport::readBytes(pdf)));
    QVERIFY(m.hasMatch());
    const QString expected = date.isEmpty() ? QDate::currentDate().toString("yyyy") : date;
    QVERIFY2(m.captured(1).startsWith(expected), qPrintable(m.captured(0)));
}

void TestPdfCommand::outputOverTheFormIsRefused_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("record file") << "Dados/Fca_1.fca" << false;
    QTest::newRow("catalogue") << "Dados/Lista_Fca.fca" << false;
    QTest::newRow("record file by another path") << "Dados/../Dados/Fca_1.fca" << false;
    QTest::newRow("link to the record file") << "Dados/Fca_1.fca" << true;
}

void TestPdfCommand::outputOverTheFormIsRefused()
{
    QFETCH(QString, output);
    QFETCH(bool, throughLink);
    QString target = m_dir->filePath(output);
    if (throughLink) {
        QVERIFY(QFile::link(target, m_dir->filePath("saida.pdf")));
        target = m_dir->filePath("saida.pdf");
    }
    const QStringList before = QDir(m_dir->filePath("Dados")).entryList(QDir::Files);
    const QByteArray record = testsupport::readBytes(m_dir->filePath("Dados/Fca_1.fca"));
    const QByteArray catalogue = testsupport::readBytes(m_dir->filePath("Dados/Lista_Fca.fca"));
    QByteArray err;
    QCOMPARE(run({"FCA", "1", target, "--pasta", m_dir->path()}, &err), 1);
    QVERIFY2(QString::fromUtf8(err).contains(QString::fromUtf8("é o arquivo da própria ficha")), err.constData());
    QCOMPARE(testsupport::readBytes(m_dir->filePath("Dados/Fca_1.fca")), record);
    QCOMPARE(testsupport::readBytes(m_dir->filePath("Dados/Lista_Fca.fca")), catalogue);
    QCOMPARE(QDir(m_dir->filePath("Dados")).entryList(QDir::Files), before);
}

void TestPdfCommand::fileModeFollowsTheUser_data()
{
    QTest::addColumn<int>("umaskBits");
    QTest::addColumn<int>("existingMode");   // -1: no file yet
    QTest::addColumn<int>("mode");
    QTest::newRow("new file, private umask") << 077 << -1 << 0600;
    QTest::newRow("new file, usual umask") << 022 << -1 << 0644;
    QTest::newRow("existing file keeps its mode") << 022 << 0640 << 0640;
}

void TestPdfCommand::fileModeFollowsTheUser()
{
    QFETCH(int, umaskBits);
    QFETCH(int, existingMode);
    QFETCH(int, mode);
    const QString pdf = m_dir->filePath("modo.pdf");
    if (existingMode >= 0) {
        testsupport::writeBytes(pdf, "antigo");
        QCOMPARE(::chmod(QFile::encodeName(pdf).constData(), mode_t(existingMode)), 0);
    }
    QCOMPARE(run({"FCA", "1", pdf, "--pasta", m_dir->path()}, nullptr, {}, [umaskBits] { ::umask(mode_t(umaskBits)); }), 0);
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(pdf).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), mode);
    QVERIFY(testsupport::readBytes(pdf).startsWith("%PDF"));
}

void TestPdfCommand::failedWriteSaysWhyAndLeavesNothing_data()
{
    QTest::addColumn<bool>("fullDisk");   // else a file-size limit cuts the write short
    QTest::addColumn<int>("error");
    QTest::newRow("file-size limit") << false << EFBIG;
    QTest::newRow("disk full") << true << ENOSPC;
}

void TestPdfCommand::failedWriteSaysWhyAndLeavesNothing()
{
    QFETCH(bool, fullDisk);
    QFETCH(int, error);
    QString folder = m_dir->filePath("saida");
    QVERIFY(QDir().mkpath(folder));
    QStringList args{"FCA", "1", folder + "/ficha.pdf", "--pasta", m_dir->path()};
    QByteArray err;
    int code = -1;
    if (fullDisk) {
        // A 16 KiB file system of its own, mounted in a private namespace of the child.
        const QString unshare = QStandardPaths::findExecutable("unshare");
        if (unshare.isEmpty() || QProcess::execute(unshare, {"-rm", "true"}) != 0)
            QSKIP("no private mount namespaces here");
        const QString script = QStringLiteral("dir=$1; mount -t tmpfs -o size=16k tmpfs \"$dir\" || exit 99; shift; "
                                              "\"$@\"; code=$?; ls -A \"$dir\"; exit $code");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        p.setProcessEnvironment(env);
        p.start(unshare, QStringList{"-rm", "sh", "-c", script, "sh", folder, FICHAS_BINARY, "pdf"} + args);
        QVERIFY(p.waitForFinished(30000));
        if (p.exitCode() == 99)
            QSKIP("no private mounts here");
        code = p.exitCode();
        err = p.readAllStandardError();
        // What the tiny file system held when the command ended.
        const QByteArray left = p.readAllStandardOutput();
        QVERIFY2(left.isEmpty(), left.constData());
    } else {
        code = run(args, &err, {}, [] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{8192, 8192};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{});
    }
    QCOMPARE(code, 1);
    QVERIFY2(QString::fromUtf8(err).contains(QString::fromLocal8Bit(std::strerror(error))), err.constData());
}

QTEST_GUILESS_MAIN(TestPdfCommand)
#include "test_pdfcommand.moc"
