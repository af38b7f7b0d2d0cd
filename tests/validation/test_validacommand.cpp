#include <QProcess>
#include <QTest>

// `fichas valida KIND VALUE...`, run as the built executable.
class TestValidaCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verdicts_data();
    void verdicts();
    void usageErrors_data();
    void usageErrors();

private:
    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    static Run run(const QStringList &args);
};

TestValidaCommand::Run TestValidaCommand::run(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(FICHAS_BINARY), QStringList{QStringLiteral("valida")} + args);
    Run r;
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

void TestValidaCommand::verdicts_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("cpf valid and invalid")
        << QStringList{"cpf", "123.456.789-09", "123.456.789-00"}
        << "123.456.789-09\tvalido\n123.456.789-00\tinvalido\n" << 1;
    QTest::newRow("cpf all valid") << QStringList{"cpf", "123.456.789-09", "11144477735", "000.000.000-00"}
                                   << "123.456.789-09\tvalido\n11144477735\tvalido\n000.000.000-00\tvalido\n" << 0;
    QTest::newRow("cnpj") << QStringList{"cnpj", "11.222.333/0001-81", "11.222.333/0001-80"}
                          << "11.222.333/0001-81\tvalido\n11.222.333/0001-80\tinvalido\n" << 1;
    QTest::newRow("ie one digit") << QStringList{"ie", "123.456.78-9", "123411055"}
                                  << "123.456.78-9\tvalido\n123411055\tinvalido\n" << 1;
    QTest::newRow("ie two digits") << QStringList{"ie2", "123411055", "12343"}
                                   << "123411055\tvalido\n12343\tinvalido\n" << 1;
    QTest::newRow("email as given") << QStringList{"email", "a@b", "a b@c"}
                                    << "a@b\tvalido\na b@c\tinvalido\n" << 1;
    QTest::newRow("accents kept in the output") << QStringList{"email", QString::fromUtf8("joão@empresa")}
                                                << QString::fromUtf8("joão@empresa\tvalido\n") << 0;
    // Values the tests cannot judge are invalid, not a crash.
    QTest::newRow("nothing left after stripping")
        << QStringList{"ie", "abc", "", "cpf"} << "abc\tinvalido\n\tinvalido\ncpf\tinvalido\n" << 1;
    QTest::newRow("comma left in ie") << QStringList{"ie2", "1,2"} << "1,2\tinvalido\n" << 1;
    QTest::newRow("comma left in cpf") << QStringList{"cpf", "123456789,9"} << "123456789,9\tinvalido\n" << 1;
    QTest::newRow("too large for 64 bits") << QStringList{"ie", "99999999999999999999"}
                                           << "99999999999999999999\tinvalido\n" << 1;
    QTest::newRow("empty cnpj") << QStringList{"cnpj", "  .   .   /    -  "}
                                << "  .   .   /    -  \tinvalido\n" << 1;
}

void TestValidaCommand::verdicts()
{
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    QFETCH(int, exitCode);
    const Run r = run(args);
    QCOMPARE(r.out, out);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.exitCode, exitCode);
}

void TestValidaCommand::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown kind") << QStringList{"rg", "123"};
    QTest::newRow("kind in capitals") << QStringList{"CPF", "123.456.789-09"};
    QTest::newRow("no value") << QStringList{"cpf"};
}

void TestValidaCommand::usageErrors()
{
    QFETCH(QStringList, args);
    const Run r = run(args);
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(QLatin1String("Uso: fichas valida")), qPrintable(r.err));
}

QTEST_GUILESS_MAIN(TestValidaCommand)
#include "test_validacommand.moc"
