#include "platform/Escape.h"

#include <QTest>

using namespace platform;

// Values and file lines as the terminal and the message boxes get them.
class TestEscape : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void escapes_data();
    void escapes();
};

void TestEscape::escapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");
    QTest::addColumn<QString>("quoted");
    const QString x80(80, 'x'), x77(77, 'x');
    QTest::newRow("plain and accented") << QString::fromUtf8("São José") << QString::fromUtf8("São José")
                                        << QString::fromUtf8("São José");
    QTest::newRow("line breaks and tab") << "a\tb\r\nc" << "a\\tb\\r\\nc" << "a\\tb\\r\\nc";
    QTest::newRow("terminal escape and bell") << "\x1b]0;t\x07" << "\\x1B]0;t\\x07" << "\\x1B]0;t\\x07";
    QTest::newRow("DEL, C1 control, NUL") << QString("\x7f") + QChar(0x9b) + QChar(0) << "\\x7F\\x9B\\x00"
                                          << "\\x7F\\x9B\\x00";
    QTest::newRow("backslash doubled") << "c:\\t" << "c:\\\\t" << "c:\\\\t";
    QTest::newRow("line separator") << QString(QChar(0x2028)) << "\\u2028" << "\\u2028";
    QTest::newRow("80 characters fit whole") << x80 << x80 << x80;
    QTest::newRow("81 are cut to 80") << x80 + "y" << x80 + "y" << x77 + "...";
    QTest::newRow("an escape is never cut in half")
        << QString(76, 'x') + "\t\tzz" << QString(76, 'x') + "\\t\\tzz" << QString(76, 'x') + "...";
}

void TestEscape::escapes()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QFETCH(QString, quoted);
    QCOMPARE(escapeControls(text), escaped);
    QCOMPARE(quoteLine(text), quoted);
    QVERIFY(quoteLine(text + QString(2'000'000, 'z')).size() <= kQuotedLineLimit);
}

QTEST_GUILESS_MAIN(TestEscape)
#include "test_escape.moc"
