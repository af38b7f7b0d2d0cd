#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// The executable against files nobody should have to survive: FIFOs, devices, folders,
// huge files, lines full of escape sequences, folders without permission, absurd margins,
// and a stdout that cannot be written.
class TestHostile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void pdfRefuses_data();
    void pdfRefuses();
    void absurdMarginsPrintAsDefaults();
    void validaKeepsOneLinePerValue();
    void validaFailsOnUnwritableStdout();

private:
    struct Run {
        int code = -1;
        QByteArray out, err;
    };
    Run run(const QStringList &args, const QString &stdoutFile = {}, const QString &epoch = {}) const;
    QString dados() const { return m_dir->filePath("Dados"); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestHostile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    // The permission rows run as another user, who must reach the folder and write the PDF.
    ::chmod(QFile::encodeName(m_dir->path()).constData(), 0777);
    testsupport::writeBytes(dados() + "/Lista_Fca.fca", "01 Fazenda\r\n");
    testsupport::writeBytes(dados() + "/Fca_1.fca", "001 Nome\r\n");
}

TestHostile::Run TestHostile::run(const QStringList &args, const QString &stdoutFile, const QString &epoch) const
{
    QProcess p;
    p.setProcessEnvironment(testsupport::headlessEnvironment(epoch));
    if (!stdoutFile.isEmpty())
        p.setStandardOutputFile(stdoutFile);
    // A permission problem cannot be shown as root, who may read anything: run as nobody.
    QStringList full = args;
    QString program = QStringLiteral(FICHAS_BINARY);
    if (::geteuid() == 0) {
        full = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + args;
        program = QStandardPaths::findExecutable("setpriv");
    }
    p.start(program, full);
    Run r;
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return r;  // code -1: it hung
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : 128 + p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

void TestHostile::pdfRefuses_data()
{
    QTest::addColumn<QString>("file");    // what becomes hostile, relative to the program folder
    QTest::addColumn<QString>("make");    // fifo, zero, huge, badline, noperm
    QTest::addColumn<QString>("says");
    const QString rec = "Dados/Fca_1.fca", list = "Dados/Lista_Fca.fca", ini = "Forms.ini";
    QTest::newRow("record is a FIFO") << rec << "fifo" << "é um FIFO";
    QTest::newRow("catalogue is a FIFO") << list << "fifo" << "é um FIFO";
    QTest::newRow("Forms.ini is a FIFO") << ini << "fifo" << "é um FIFO";
    QTest::newRow("record links to /dev/zero") << rec << "zero" << "é um dispositivo";
    QTest::newRow("catalogue links to /dev/zero") << list << "zero" << "é um dispositivo";
    QTest::newRow("record over the cap") << rec << "huge" << "tem mais de 1024 KB";
    QTest::newRow("catalogue line of escapes") << list << "badline" << "Linha inválida";
    QTest::newRow("record line of escapes") << rec << "badline" << "Linha de ficha inválida";
    QTest::newRow("data folder without permission") << "Dados" << "noperm" << "permissão negada";
    QTest::newRow("record without permission") << rec << "noperm" << "permissão negada";
}

void TestHostile::pdfRefuses()
{
    QFETCH(QString, file);
    QFETCH(QString, make);
    QFETCH(QString, says);
    const QString path = m_dir->filePath(file);
    const QByteArray native = QFile::encodeName(path);
    if (make != "noperm")
        QFile::remove(path);
    if (make == "fifo")
        QCOMPARE(::mkfifo(native.constData(), 0644), 0);
    else if (make == "zero")
        QVERIFY(QFile::link("/dev/zero", path));
    else if (make == "huge")
        testsupport::writeBytes(path, "01 " + QByteArray(2 * 1024 * 1024, 'x') + "\r\n");
    else if (make == "badline")
        testsupport::writeBytes(path, "x\x1b]0;pwned\x07\x1b[31m" + QByteArray(500 * 1024, 'y') + "\r\n");
    else if (make == "noperm")
        QCOMPARE(::chmod(native.constData(), 0), 0);

    const Run r = run({"pdf", "FCA", "1", m_dir->filePath("o.pdf"), "--pasta", m_dir->path()});
    ::chmod(native.constData(), 0755);
    QVERIFY2(r.code != -1, "hung");
    QCOMPARE(r.code, 1);
    const QString err = QString::fromUtf8(r.err);
    QVERIFY2(err.contains(says), r.err.left(2000).constData());
    if (make == "noperm")
        QVERIFY2(err.contains(QDir::toNativeSeparators(path)), r.err.constData());
    // Whatever the file holds, the terminal gets one short line, no escape sequence.
    QVERIFY2(!r.err.contains('\x1b') && !r.err.contains('\x07'), r.err.left(300).constData());
    QVERIFY2(r.err.size() < 600, QByteArray::number(r.err.size()).constData());
    QVERIFY(!QFile::exists(m_dir->filePath("o.pdf")));
}

void TestHostile::absurdMarginsPrintAsDefaults()
{
    const QString epoch = "1700000000";
    QCOMPARE(run({"pdf", "FCA", "1", m_dir->filePath("plain.pdf"), "--pasta", m_dir->path()}, {}, epoch).code, 0);
    testsupport::writeBytes(m_dir->filePath("Forms.ini"),
                            "[Margens]\r\nSuperior=2147483647\r\nInferior=-1\r\nEsquerda=201\r\nDireitaa=99999999999\r\n");
    QCOMPARE(run({"pdf", "FCA", "1", m_dir->filePath("absurd.pdf"), "--pasta", m_dir->path()}, {}, epoch).code, 0);
    QCOMPARE(testsupport::readBytes(m_dir->filePath("absurd.pdf")), testsupport::readBytes(m_dir->filePath("plain.pdf")));
}

void TestHostile::validaKeepsOneLinePerValue()
{
    // The CPF test looks at the digits only: every value here is the same valid number.
    const Run r = run({"valida", "cpf", "123.456\t789-09", "123.456.789-09\r\nforged\tinvalido",
                       "\x1b[m123.456.789-09", "123\\456.789-09"});
    QCOMPARE(r.code, 0);
    QCOMPARE(QString::fromUtf8(r.out),
             QString::fromUtf8("123.456\\t789-09\tvalido\n"
                               "123.456.789-09\\r\\nforged\\tinvalido\tvalido\n"
                               "\\x1B[m123.456.789-09\tvalido\n"
                               "123\\\\456.789-09\tvalido\n"));
}

void TestHostile::validaFailsOnUnwritableStdout()
{
    if (!QFile::exists("/dev/full"))
        QSKIP("no /dev/full here");
    const Run r = run({"valida", "cpf", "123.456.789-09"}, "/dev/full");
    QCOMPARE(r.code, 1);
    QVERIFY2(QString::fromUtf8(r.err).contains("não foi possível escrever"), r.err.constData());
}

QTEST_GUILESS_MAIN(TestHostile)
#include "test_hostile.moc"
