#include "TestSupport.h"
#include "platform/RaisedError.h"
#include "store/RecordFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace store;

namespace {

// A text, a date as its mask gives it, an empty text and a list of five items.
FormModel sample(bool filled)
{
    FormModel form({{1, ValueKind::Text}, {2, ValueKind::Text}, {13, ValueKind::Text}, {4, ValueKind::Index, 5}});
    form.setText(1, QStringLiteral("  /  /    "));
    if (filled) {
        form.setText(0, QString::fromUtf8("José da Conceição  "));
        form.setText(1, QStringLiteral("01/02/2024"));
        form.setText(2, QStringLiteral("12345678909"));
        form.setIndex(3, 3);
    }
    return form;
}

} // namespace

// The record engine on the form model alone: every byte of each form type's lines, and
// what reading a record takes from each line.
class TestRecordFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesEachFormat_data();
    void writesEachFormat();
    void readsLineByLine_data();
    void readsLineByLine();
};

void TestRecordFile::writesEachFormat_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray nome = "Jos\xe9 da Concei\xe7\xe3o  ";
    QTest::newRow("FAC") << QStringLiteral("FAC") << true
                         << "00001 " + nome + "\r\n00002 01/02/2024\r\n00013 12345678909\r\n00004 00003\r\n";
    QTest::newRow("FACA") << QStringLiteral("FACA") << true
                          << "01 " + nome + "\r\n02 01/02/2024\r\n13 12345678909\r\n04 3\r\n";
    QTest::newRow("FAS") << QStringLiteral("FAS") << true
                         << "01 " + nome + "\r\n02 01/02/2024\r\n13 12345678909\r\n04 03\r\n";
    QTest::newRow("FCA") << QStringLiteral("FCA") << true
                         << "001 " + nome + "\r\n002 01/02/2024\r\n013 12345678909\r\n004 003\r\n";
    QTest::newRow("FAC empty") << QStringLiteral("FAC") << false
                               << QByteArray("00001 \r\n00002   /  /    \r\n00013 \r\n00004 -00001\r\n");
    QTest::newRow("FACA empty") << QStringLiteral("FACA") << false
                                << QByteArray("01 \r\n02   /  /    \r\n13 \r\n04 -1\r\n");
    QTest::newRow("FAS empty") << QStringLiteral("FAS") << false
                               << QByteArray("01 \r\n02   /  /    \r\n13 \r\n04 -01\r\n");
    QTest::newRow("FCA empty") << QStringLiteral("FCA") << false
                               << QByteArray("001 \r\n002   /  /    \r\n013 \r\n004 -001\r\n");
}

void TestRecordFile::writesEachFormat()
{
    QFETCH(QString, type);
    QFETCH(bool, filled);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const RecordFile record(testsupport::formType(qPrintable(type))->record);
    const QString path = dir.filePath(QStringLiteral("ficha"));
    record.save(path, sample(filled));
    QCOMPARE(testsupport::readBytes(path), bytes);
    // Read back into an empty form, the record writes the same bytes again.
    FormModel again = sample(false);
    again.clear();
    record.load(path, again);
    record.save(path, again);
    QCOMPARE(testsupport::readBytes(path), bytes);
}

void TestRecordFile::readsLineByLine_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected"); // the form's lines afterwards, or the error
    const QStringList filled = RecordFile(testsupport::formType("FCA")->record).lines(sample(true));
    QTest::newRow("unknown tags and blank lines skipped")
        << QStringList{"999 unknown", "", "001 a", "  "} << QStringList{"001 a", filled[1], filled[2], filled[3]};
    QTest::newRow("index beyond the items or no number: the list keeps its choice")
        << QStringList{"004 005", "004 x1", "004 1.5"} << filled;
    QTest::newRow("index below 0: no choice") << QStringList{"004 -7"}
                                              << QStringList{filled[0], filled[1], filled[2], "004 -001"};
    QTest::newRow("a value never splits its line")
        << QStringList{QString::fromUtf8("001 linha 1\nlinha 2\r\nfim")}
        << QStringList{"001 linha 1 linha 2 fim", filled[1], filled[2], filled[3]};
    QTest::newRow("bad tag: raised, the lines before kept")
        << QStringList{"001 kept", "0x2 bad tag", "013 not reached"}
        << QStringList{QString::fromUtf8("Linha de ficha inválida: \"0x2 bad tag\""), "001 kept", filled[1], filled[2],
                       filled[3]};
}

void TestRecordFile::readsLineByLine()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    const RecordFile record(testsupport::formType("FCA")->record);
    FormModel form = sample(true);
    QStringList got;
    try {
        record.apply(lines, form);
    } catch (const platform::RaisedError &e) {
        got.append(e.message());
    }
    QCOMPARE(got + record.lines(form), expected);
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "test_recordfile.moc"
