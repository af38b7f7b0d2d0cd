#include "TestSupport.h"

#include "store/FormType.h"

#include <QDir>
#include <QFile>
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

// What `fichas lista` prints for a catalogue (Windows-1252, CR LF) in a temporary folder.
void TestCommandLine::lista_data()
{
    QTest::addColumn<QByteArray>("catalogue");   // null: no catalogue file
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("expected");
    QTest::newRow("file order, blank lines skipped")
        << QByteArray("03 Loja do centro\r\n\r\n01 Caf\xe9\r\n07 \r\n") << "FAC" << 0
        << QString::fromUtf8("3\tLoja do centro\n1\tCafé\n7\t\n");
    QTest::newRow("control characters escaped") << QByteArray("02 a\tb\x01\\c\r\n") << "fas" << 0
                                                << "2\ta\\tb\\x01\\\\c\n";
    QTest::newRow("no catalogue yet") << QByteArray() << "FCA" << 0 << "";
    QTest::newRow("unreadable catalogue") << QByteArray("xx nada\r\n") << "FAC" << 2 << "";
    QTest::newRow("unknown type") << QByteArray() << "FACX" << 2 << "";
}

void TestCommandLine::lista()
{
    QFETCH(QByteArray, catalogue);
    QFETCH(QString, type);
    QFETCH(int, code);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Dados"));
    const store::FormTypeInfo *info = store::formTypeNamed(type);
    if (!catalogue.isNull()) {
        QFile f(store::catalogueFilePath(dir.filePath("Dados"), info->type));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(catalogue) == catalogue.size());
    }
    QProcess p;
    p.setProcessEnvironment(testsupport::headlessEnvironment());
    p.start(FICHAS_BINARY, {"lista", type, "--pasta", dir.path()});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), code);
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), expected);
    // A folder without Dados/ is a mistyped --pasta, not a type without forms.
    if (code == 0) {
        p.start(FICHAS_BINARY, {"lista", type, "--pasta", dir.filePath("nada")});
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), 2);
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
