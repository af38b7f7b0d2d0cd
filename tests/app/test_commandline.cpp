#include "TestSupport.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

// The executable's own command line, run as a user would.
class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exitCodes_data();
    void exitCodes();
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

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
