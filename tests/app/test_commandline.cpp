#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

// The executable's own command line, run as a user would.
class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exitCodes_data();
    void exitCodes();
    void lista_data();
    void lista();
};

void TestCommandLine::exitCodes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("display");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("stdoutHas");
    QTest::addColumn<QString>("stderrHas");
    QTest::newRow("help") << QStringList{"--help"} << false << 0 << "--pasta" << "";
    QTest::newRow("help says where the data is") << QStringList{"--help", "--pasta", "/srv/x/"} << false << 0
                                                 << "Dados: /srv/x/Dados" << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << true << 2 << "" << "Uso: fichas";
    QTest::newRow("pasta without value") << QStringList{"--pasta"} << true << 2 << "" << "Uso: fichas";
    QTest::newRow("version") << QStringList{"--version"} << false << 0 << "fichas 3.1" << "";
    QTest::newRow("lista without type") << QStringList{"lista"} << false << 2 << "" << "Uso: fichas lista";
    QTest::newRow("lista, unknown type") << QStringList{"lista", "FACX"} << false << 2 << "" << "tipo desconhecido";
    // A mistyped --pasta is no type without forms.
    QTest::newRow("lista, no Dados") << QStringList{"lista", "FAC", "--pasta", "/nada"} << false << 2 << ""
                                     << "pasta de dados não existe";
    QTest::newRow("no display") << QStringList{} << false << 1 << "" << "sessão gráfica";
}

void TestCommandLine::exitCodes()
{
    QFETCH(QStringList, args);
    QFETCH(bool, display);
    QFETCH(int, code);
    QFETCH(QString, stdoutHas);
    QFETCH(QString, stderrHas);
    QProcess p;
    QProcessEnvironment env = testsupport::headlessEnvironment();
    if (display)
        env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(FICHAS_BINARY, args);
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), code);
    QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(stdoutHas));
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(stderrHas));
}

// What `fichas lista` prints for a FAC catalogue (Windows-1252, CR LF; null: none).
void TestCommandLine::lista_data()
{
    QTest::addColumn<QByteArray>("catalogue");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");
    QTest::newRow("file order, blank lines skipped") << QByteArray("03 Loja\r\n\r\n01 Caf\xe9\r\n07 \r\n") << 0
                                                     << QString::fromUtf8("3\tLoja\n1\tCafé\n7\t\n");
    QTest::newRow("control characters escaped") << QByteArray("02 a\tb\x01\\c\r\n") << 0 << "2\ta\\tb\\x01\\\\c\n";
    QTest::newRow("no catalogue yet") << QByteArray() << 0 << "";
    QTest::newRow("unreadable catalogue") << QByteArray("xx nada\r\n") << 2 << "";
}

void TestCommandLine::lista()
{
    QFETCH(QByteArray, catalogue);
    QFETCH(int, code);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Dados"));
    if (!catalogue.isNull())
        testsupport::writeBytes(dir.filePath("Dados/Lista_Fac.fac"), catalogue);
    QProcess p;
    p.setProcessEnvironment(testsupport::headlessEnvironment());
    p.start(FICHAS_BINARY, {"lista", "FAC", "--pasta", dir.path()});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), code);
    QTEST(QString::fromUtf8(p.readAllStandardOutput()), "expected");
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
