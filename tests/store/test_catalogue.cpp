#include "platform/RaisedError.h"
#include "store/Catalogue.h"
#include "TestSupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace store;

class TestCatalogue : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsEntries_data();
    void readsEntries();
    void rejectsBadLines_data();
    void rejectsBadLines();
    void rewriteIsByteExact();
    void appendCreatesAndTrims();
    void nextCode_data();
    void nextCode();
};

void TestCatalogue::readsEntries_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QStringList>("descriptions");
    QTest::newRow("two entries, gap in codes")
        << QByteArray("01 Fazenda\r\n03 S\xf3" "cio novo\r\n") << QList<int>{1, 3}
        << QStringList{"Fazenda", QString::fromUtf8("Sócio novo")};
    QTest::newRow("blank lines skipped, order kept")
        << QByteArray("05 b\r\n\r\n   \r\n02 a\r\n") << QList<int>{5, 2} << QStringList{"b", "a"};
    QTest::newRow("bare code and blank description")
        << QByteArray("07\r\n08 \r\n") << QList<int>{7, 8} << QStringList{"", ""};
    QTest::newRow("description kept from the fourth character")
        << QByteArray("09  dois brancos  \r\n") << QList<int>{9} << QStringList{" dois brancos  "};
    QTest::newRow("duplicates both listed")
        << QByteArray("04 x\r\n04 x\r\n") << QList<int>{4, 4} << QStringList{"x", "x"};
    QTest::newRow("no final line end") << QByteArray("12 Descri\xe7\xe3o") << QList<int>{12}
                                       << QStringList{QString::fromUtf8("Descrição")};
}

void TestCatalogue::readsEntries()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, codes);
    QFETCH(QStringList, descriptions);
    QTemporaryDir dir;
    const QString path = dir.filePath("Lista_Fca.fca");
    testsupport::writeBytes(path, bytes);
    const auto entries = catalogue::read(path);
    QCOMPARE(entries.size(), codes.size());
    for (int i = 0; i < entries.size(); ++i) {
        QCOMPARE(entries[i].code, codes[i]);
        QCOMPARE(entries[i].description, descriptions[i]);
    }
}

void TestCatalogue::rejectsBadLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("letters") << QByteArray("01 a\r\nab cd\r\n");
    QTest::newRow("one digit then text") << QByteArray("1x descr\r\n");
    QTest::newRow("sign only") << QByteArray("- x\r\n");
}

void TestCatalogue::rejectsBadLines()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("Lista_Fac.fac");
    testsupport::writeBytes(path, bytes);
    QVERIFY_THROWS_EXCEPTION(platform::RaisedError, catalogue::read(path));
}

void TestCatalogue::rewriteIsByteExact()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lista_Fas.fas");
    catalogue::rewrite(path, {{1, QString::fromUtf8("  Sócio A ")}, {7, ""}, {12, QString::fromUtf8("Descrição")}});
    QCOMPARE(testsupport::readBytes(path), QByteArray("01 S\xf3" "cio A\r\n07\r\n12 Descri\xe7\xe3o\r\n"));
}

void TestCatalogue::appendCreatesAndTrims()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lista_Faca.fca");
    catalogue::append(path, 1, "   Fazenda Boa Vista   ");
    catalogue::append(path, 2, QString::fromUtf8("Sítio"));
    QCOMPARE(testsupport::readBytes(path), QByteArray("01 Fazenda Boa Vista\r\n02 S\xedtio\r\n"));
}

void TestCatalogue::nextCode_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<int>("next");
    QTest::newRow("empty") << QList<int>{} << 1;
    QTest::newRow("highest plus one, not count plus one") << QList<int>{1, 3} << 4;
    QTest::newRow("order does not matter") << QList<int>{9, 2} << 10;
    QTest::newRow("past 99 takes lowest free") << QList<int>{99, 1, 2, 4} << 3;
    QList<int> all;
    for (int c = 1; c <= 99; ++c)
        all.append(c);
    QTest::newRow("all used") << all << 0;
}

void TestCatalogue::nextCode()
{
    QFETCH(QList<int>, codes);
    QFETCH(int, next);
    QList<CatalogueEntry> entries;
    for (int c : codes)
        entries.append({c, "x"});
    QCOMPARE(catalogue::nextCode(entries), next);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
