#include "printing/PdfObjectWriter.h"

#include <QtEndian>
#include <QtTest>

using namespace printing;

namespace {

// The offset the cross-reference table gives for `object`, or -1.
qint64 offsetOf(const QByteArray &file, int object)
{
    const qsizetype startxref = file.lastIndexOf("startxref\n");
    const qsizetype xref = file.mid(startxref + 10).split('\n').first().toLongLong();
    if (startxref < 0 || !file.mid(xref).startsWith("xref\n0 "))
        return -1;
    const qsizetype entries = file.indexOf('\n', xref + 7) + 1;
    const QByteArray entry = file.mid(entries + object * 20, 20);
    return entry.endsWith(" 00000 n \n") ? entry.left(10).toLongLong() : -1;
}

// The data of the stream object at `offset`, inflated when filtered.
QByteArray streamAt(const QByteArray &file, qint64 offset, bool *filtered)
{
    const qsizetype dict = file.indexOf("<< /Length ", offset);
    const qsizetype start = file.indexOf(">>\nstream\n", dict) + 10;
    const qsizetype length = file.mid(dict + 11).split(' ').first().toLongLong();
    *filtered = file.mid(dict, start - dict).contains("/Filter /FlateDecode");
    if (file.mid(start + length, 10) != "\nendstream")
        return "bad length";
    const QByteArray data = file.mid(start, length);
    if (!*filtered)
        return data;
    QByteArray sized(4, '\0');
    qToBigEndian<quint32>(1 << 20, sized.data());   // an upper bound is enough for qUncompress
    return qUncompress(sized + data);
}

} // namespace

class TestPdfObjectWriter : public QObject {
    Q_OBJECT
private slots:
    void objectsFoundByNumberWhateverTheOrder();
    void streamsCompressedUnlessEmpty();
};

void TestPdfObjectWriter::objectsFoundByNumberWhateverTheOrder()
{
    PdfObjectWriter writer(2);
    const int first = writer.newObject();
    const int second = writer.newObject();
    QCOMPARE(first, 3);
    QCOMPARE(second, 4);
    writer.writeObject(second, "(second)");
    writer.writeObject(first, "[" + QByteArray::number(second) + " 0 R]");
    writer.writeObject(2, "<< /Type /Pages /Kids [] /Count 0 >>");
    writer.writeObject(1, "<< /Type /Catalog /Pages 2 0 R >>");
    const QByteArray file = writer.finish(1, first);

    QVERIFY(file.startsWith("%PDF-1.4\n%"));
    QVERIFY(file.endsWith("%%EOF\n"));
    const QByteArray table = "xref\n0 5\n0000000000 65535 f \n";
    QCOMPARE(file.mid(file.indexOf("xref\n"), table.size()), table);
    for (int n = 1; n <= 4; ++n) {
        const qint64 offset = offsetOf(file, n);
        QVERIFY2(offset > 0 && file.mid(offset).startsWith(QByteArray::number(n) + " 0 obj\n"), QByteArray::number(n));
    }
    QVERIFY(file.mid(offsetOf(file, second)).startsWith("4 0 obj\n(second)\nendobj\n"));
    QVERIFY(file.contains("trailer\n<< /Size 5 /Root 1 0 R /Info 3 0 R >>\nstartxref\n"));
}

void TestPdfObjectWriter::streamsCompressedUnlessEmpty()
{
    PdfObjectWriter writer(1);
    const QByteArray content = QByteArray("0 0 m 100 100 l S\n").repeated(50);
    const int packed = writer.newObject();
    const int empty = writer.newObject();
    writer.writeStream(packed, " /Type /XObject", content);
    writer.writeStream(empty, QByteArray(), QByteArray());
    writer.writeObject(1, "<< >>");
    const QByteArray file = writer.finish(1, 1);

    bool filtered = false;
    QCOMPARE(streamAt(file, offsetOf(file, packed), &filtered), content);
    QVERIFY(filtered);
    QVERIFY(file.mid(offsetOf(file, packed)).contains(" /Filter /FlateDecode /Type /XObject >>\nstream\n"));
    QCOMPARE(streamAt(file, offsetOf(file, empty), &filtered), QByteArray());
    QVERIFY(!filtered);
}

QTEST_MAIN(TestPdfObjectWriter)
#include "test_pdfobjectwriter.moc"
