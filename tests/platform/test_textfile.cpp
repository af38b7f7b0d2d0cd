#include "platform/TextFile.h"
#include "platform/RaisedError.h"
#include "TestSupport.h"

#include <QTemporaryDir>

#include <sys/stat.h>
#include <QTest>

using namespace platform;

class TestTextFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encodeDecode_data();
    void encodeDecode();
    void writeIsByteExact();
    void everyByteSurvivesReadAndWrite();
    void readToleratesLineEnds();
    void appendKeepsExistingLines();
    void failedWriteKeepsOldFile();
    void createEmptyLeavesExistingFile();
    void setAsideKeepsData();
    void readRefusesWhatNoFormIs_data();
    void readRefusesWhatNoFormIs();
};

void TestTextFile::encodeDecode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("ascii") << "Ficha 1" << QByteArray("Ficha 1") << "Ficha 1";
    QTest::newRow("latin accents") << QString::fromUtf8("Descrição Sócio")
                                   << QByteArray("Descri\xe7\xe3o S\xf3" "cio")
                                   << QString::fromUtf8("Descrição Sócio");
    QTest::newRow("euro and dash in 0x80 block") << QString::fromUtf8("€ – “x”")
                                                 << QByteArray("\x80 \x96 \x93x\x94")
                                                 << QString::fromUtf8("€ – “x”");
    QTest::newRow("letter outside becomes base letter") << QString::fromUtf8("Mészáros Őrs Ștefan")
                                                         << QByteArray("M\xe9sz\xe1ros Ors Stefan")
                                                         << QString::fromUtf8("Mészáros Ors Stefan");
    QTest::newRow("bytes undefined in Windows-1252 kept") << QString::fromUtf8("a\u0081\u008D\u008F\u0090\u009Dz")
                                                         << QByteArray("a\x81\x8d\x8f\x90\x9dz")
                                                         << QString::fromUtf8("a\u0081\u008D\u008F\u0090\u009Dz");
    QTest::newRow("other control codes of the 0x80 block become ?") << QString::fromUtf8("\u0080\u0085\u009F")
                                                                     << QByteArray("???") << "???";
    QTest::newRow("symbol outside becomes ?") << QString::fromUtf8("a≥b 😀")
                                               << QByteArray("a?b ?") << "a?b ?";
}

void TestTextFile::encodeDecode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, readBack);
    QCOMPARE(cp1252::encode(text), bytes);
    QCOMPARE(cp1252::decode(bytes), readBack);
}

void TestTextFile::writeIsByteExact()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lista_Fas.fas");
    textfile::writeLines(path, {QString::fromUtf8("01 Sócio"), "", "02 x"});
    QCOMPARE(testsupport::readBytes(path), QByteArray("01 S\xf3" "cio\r\n\r\n02 x\r\n"));
}

void TestTextFile::everyByteSurvivesReadAndWrite()
{
    QByteArray line;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            line.append(char(b));
    const QByteArray bytes = line + "\r\n" + line + "\r\n";
    QTemporaryDir dir;
    const QString path = dir.filePath("Fca_1.fca");
    testsupport::writeBytes(path, bytes);
    textfile::writeLines(path, textfile::readLines(path));
    QCOMPARE(testsupport::readBytes(path), bytes);
}

void TestTextFile::readToleratesLineEnds()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.txt");
    testsupport::writeBytes(path, "a\r\nb\nc  \r\nlast");
    QCOMPARE(textfile::readLines(path), (QStringList{"a", "b", "c  ", "last"}));
    testsupport::writeBytes(path, "");
    QCOMPARE(textfile::readLines(path), QStringList());
}

void TestTextFile::appendKeepsExistingLines()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("l.fca");
    textfile::appendLine(path, "01 a");
    testsupport::writeBytes(path, testsupport::readBytes(path) + "02 no line end");
    textfile::appendLine(path, "03 c");
    QCOMPARE(testsupport::readBytes(path), QByteArray("01 a\r\n02 no line end\r\n03 c\r\n"));
}

void TestTextFile::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString sub = dir.filePath("ro");
    QVERIFY(QDir().mkpath(sub));
    const QString path = sub + "/Fca_1.fca";
    textfile::writeLines(path, {"001 old"});
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(sub).isWritable())
        QSKIP("running with permissions that ignore a read-only folder");
    QVERIFY_THROWS_EXCEPTION(RaisedError, textfile::writeLines(path, {"001 new"}));
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(testsupport::readBytes(path), QByteArray("001 old\r\n"));
}

void TestTextFile::createEmptyLeavesExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Lista_Fac.fac");
    textfile::createEmpty(path);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    testsupport::writeBytes(path, "01 x\r\n");
    textfile::createEmpty(path);
    QCOMPARE(testsupport::readBytes(path), QByteArray("01 x\r\n"));
    QVERIFY_THROWS_EXCEPTION(RaisedError, textfile::createEmpty(dir.filePath("missing/dir/f")));
}

void TestTextFile::setAsideKeepsData()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Fca_3.fca");
    testsupport::writeBytes(path, "garbage");
    const QString first = textfile::setAside(path);
    QVERIFY(!first.isEmpty());
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(testsupport::readBytes(first), QByteArray("garbage"));
    testsupport::writeBytes(path, "again");
    const QString second = textfile::setAside(path);
    QVERIFY(second != first);
    QCOMPARE(testsupport::readBytes(second), QByteArray("again"));
}

void TestTextFile::readRefusesWhatNoFormIs_data()
{
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("says");  // empty: read as an ordinary file
    QTest::newRow("FIFO, never waited on") << "fifo" << QString::fromUtf8("é um FIFO");
    QTest::newRow("folder") << "folder" << QString::fromUtf8("é uma pasta");
    QTest::newRow("link to /dev/zero") << "zero" << QString::fromUtf8("é um dispositivo");
    QTest::newRow("one byte over the cap") << "over" << QString::fromUtf8("tem mais de 1024 KB");
    QTest::newRow("exactly the cap") << "cap" << QString();
    QTest::newRow("link to a file") << "link" << QString();
    QTest::newRow("missing") << "missing" << QString::fromUtf8("não existe");
}

void TestTextFile::readRefusesWhatNoFormIs()
{
    QFETCH(QString, make);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString path = dir.filePath("Fca_1.fca");
    if (make == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (make == "folder")
        QVERIFY(QDir().mkpath(path));
    else if (make == "zero")
        QVERIFY(QFile::link("/dev/zero", path));
    else if (make == "over" || make == "cap")
        testsupport::writeBytes(path, QByteArray(textfile::kMaxFileSize + (make == "over"), 'a'));
    else if (make == "link") {
        testsupport::writeBytes(dir.filePath("real"), "001 a\r\n");
        QVERIFY(QFile::link(dir.filePath("real"), path));
    }
    if (says.isEmpty()) {
        QVERIFY(textfile::readBytes(path).size() > 0);
        QCOMPARE(textfile::readLines(path).size(), 1);
        return;
    }
    for (const auto &read : {std::function<void()>([&] { textfile::readLines(path); }),
                             std::function<void()>([&] { textfile::checkReadable(path); })}) {
        try {
            read();
            QFAIL("read without complaint");
        } catch (const RaisedError &e) {
            QVERIFY2(e.message().contains(says), qPrintable(e.message()));
            QVERIFY2(e.message().contains(QDir::toNativeSeparators(path)), qPrintable(e.message()));
        }
    }
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_textfile.moc"
