#include "printing/PdfSyntax.h"

#include <QPainterPath>
#include <QTimeZone>
#include <QtTest>

#include <limits>

using namespace printing;

class TestPdfSyntax : public QObject {
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
    void textStrings_data();
    void textStrings();
    void dates_data();
    void dates();
    void clips_data();
    void clips();
};

void TestPdfSyntax::numbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QByteArray>("written");
    constexpr double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("zero") << 0.0 << 3 << QByteArray("0");
    QTest::newRow("negative zero") << -0.0 << 3 << QByteArray("0");
    QTest::newRow("rounds to zero, no sign") << -0.0004 << 3 << QByteArray("0");
    QTest::newRow("rounds away from zero") << -0.0005 << 3 << QByteArray("-0.001");
    QTest::newRow("no trailing zeros") << 2.5 << 3 << QByteArray("2.5");
    QTest::newRow("leading zeros of the fraction") << 0.05 << 3 << QByteArray("0.05");
    QTest::newRow("binary noise") << 0.1 + 0.2 << 3 << QByteArray("0.3");
    QTest::newRow("whole") << 595.0 << 3 << QByteArray("595");
    QTest::newRow("six decimals") << -0.000001 << 6 << QByteArray("-0.000001");
    QTest::newRow("no decimals") << 841.89 << 0 << QByteArray("842");
    QTest::newRow("two decimals") << -12.345 << 2 << QByteArray("-12.35");
    QTest::newRow("1e9") << 1e9 << 3 << QByteArray("1000000000");
    QTest::newRow("beyond 1e9") << -3e15 << 3 << QByteArray("-1000000000");
    QTest::newRow("no exponent") << 1.5e-7 << 6 << QByteArray("0");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 3 << QByteArray("0");
    QTest::newRow("infinity") << inf << 3 << QByteArray("0");
    QTest::newRow("minus infinity") << -inf << 3 << QByteArray("0");
}

void TestPdfSyntax::numbers()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QByteArray, written);
    QByteArray out = "x ";
    pdf::appendNumber(out, value, decimals);
    QCOMPARE(out, "x " + written);
}

void TestPdfSyntax::textStrings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("empty") << QString() << QByteArray("()");
    QTest::newRow("ascii") << QStringLiteral("Ficha 7") << QByteArray("(Ficha 7)");
    QTest::newRow("escapes") << QStringLiteral("a(b)\\") << QByteArray("(a\\(b\\)\\\\)");
    QTest::newRow("accent") << QStringLiteral("ção") << QByteArray("<FEFF00E700E3006F>");
    QTest::newRow("control character") << QStringLiteral("a\nb") << QByteArray("<FEFF0061000A0062>");
    QTest::newRow("outside the BMP") << QString::fromUcs4(U"\U0001D538") << QByteArray("<FEFFD835DD38>");
}

void TestPdfSyntax::textStrings()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    QCOMPARE(pdf::textString(text), written);
}

void TestPdfSyntax::dates_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QByteArray>("written");
    const QDate day(2024, 2, 3);
    const QTime time(4, 5, 6);
    QTest::newRow("UTC") << QDateTime(day, time, QTimeZone::utc()) << QByteArray("D:20240203040506+00'00'");
    QTest::newRow("behind UTC") << QDateTime(day, time, QTimeZone(-3 * 3600)) << QByteArray("D:20240203040506-03'00'");
    QTest::newRow("half hour ahead") << QDateTime(day, time, QTimeZone(5 * 3600 + 1800)) << QByteArray("D:20240203040506+05'30'");
    QTest::newRow("year below 1000") << QDateTime(QDate(987, 12, 31), QTime(23, 59, 59), QTimeZone::utc())
                                     << QByteArray("D:09871231235959+00'00'");
}

void TestPdfSyntax::dates()
{
    QFETCH(QDateTime, when);
    QFETCH(QByteArray, written);
    QCOMPARE(pdf::date(when), written);
}

void TestPdfSyntax::clips_data()
{
    QTest::addColumn<QPainterPath>("path");
    QTest::addColumn<QByteArray>("written");
    QPainterPath rect;
    rect.addRect(QRectF(10, 20, 30.5, 40));
    QPainterPath region;
    region.addRect(QRectF(0, 0, 5, 5));
    region.addRect(QRectF(8, 0, 2, 5));
    QPainterPath triangle(QPointF(0, 0));
    triangle.lineTo(10, 0);
    triangle.lineTo(0, 10);
    triangle.lineTo(0, 0);
    QTest::newRow("rectangle") << rect << QByteArray("10 20 30.5 40 re\n");
    QTest::newRow("rectangles") << region << QByteArray("0 0 5 5 re\n8 0 2 5 re\n");
    QTest::newRow("closed path") << triangle << QByteArray("0 0 m\n10 0 l\n0 10 l\n0 0 l\nh\n");
}

void TestPdfSyntax::clips()
{
    QFETCH(QPainterPath, path);
    QFETCH(QByteArray, written);
    QByteArray out;
    pdf::appendClip(out, path);
    QCOMPARE(out, written);
}

QTEST_MAIN(TestPdfSyntax)
#include "test_pdfsyntax.moc"
