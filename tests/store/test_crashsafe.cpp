#include "TestSupport.h"

#include <QDir>
#include <algorithm>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <signal.h>

// A save killed at any moment leaves the record file and the catalogue each complete:
// the old contents or the new ones, never a part, never nothing, never a line twice.
class TestCrashSafe : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killedSavesLoseNothing();
};

void TestCrashSafe::killedSavesLoseNothing()
{
    QTemporaryDir dir;
    const QString record = dir.filePath("Fca_1.fca"), list = dir.filePath("Lista_Fca.fca");
    const int kills = qEnvironmentVariableIntValue("FICHAS_KILLS") > 0 ? qEnvironmentVariableIntValue("FICHAS_KILLS") : 120;
    QRandomGenerator random(QRandomGenerator::global()->generate());
    QSet<QByteArray> records, lists;
    int midWrite = 0;
    QSet<QByteArray> statesSeen;
    QElapsedTimer clock;
    clock.start();
    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start(QStringLiteral(SAVE_LOOP_BINARY), {dir.path()});
    QVERIFY(helper.waitForStarted());
    const auto nextLine = [&helper]() -> QByteArray {
        while (!helper.canReadLine())
            if (!helper.waitForReadyRead(20000))
                return {};
        return helper.readLine().trimmed();
    };
    const QByteArray ready = nextLine();
    QVERIFY2(ready.startsWith("ready "), ready.constData());
    // Kills spread over the first dozen writes of a saver, however long a write takes here.
    const int writeUs = std::clamp(ready.mid(6).toInt(), 50, 200000);
    for (int v = 0; v < 2; ++v) {
        records.insert(testsupport::readBytes(dir.filePath(QStringLiteral("expected/record-%1").arg(v))));
        lists.insert(testsupport::readBytes(dir.filePath(QStringLiteral("expected/list-%1").arg(v))));
        lists.insert(testsupport::readBytes(dir.filePath(QStringLiteral("expected/list-%1-added").arg(v))));
    }
    QCOMPARE(records.size(), 2);
    QCOMPARE(lists.size(), 4);

    for (int k = 0; k < kills; ++k) {
        // Start at a record write or a catalogue rewrite, of either version (an append
        // comes only after its rewrite, as in a real save).
        const int first = 3 * random.bounded(4) + random.bounded(2);
        helper.write("go " + QByteArray::number(first) + "\n");
        pid_t saver = 0;
        for (bool saving = false; !saving || saver == 0;) {
            const QByteArray said = nextLine();
            QVERIFY2(!said.isEmpty(), "the helper did not start a saver");
            saving = saving || said == "saving";
            if (said != "saving")
                saver = pid_t(said.toInt());
        }
        QThread::usleep(random.bounded(writeUs / 4, writeUs * 12));
        QCOMPARE(::kill(saver, SIGKILL), 0);
        QCOMPARE(nextLine(), QByteArray("dead ") + QByteArray::number(SIGKILL));

        const QByteArray r = testsupport::readBytes(record), l = testsupport::readBytes(list);
        QVERIFY2(records.contains(r), qPrintable(QStringLiteral("kill %1: record of %2 bytes is no complete version").arg(k).arg(r.size())));
        QVERIFY2(lists.contains(l), qPrintable(QStringLiteral("kill %1: catalogue of %2 bytes is no complete version").arg(k).arg(l.size())));
        statesSeen.insert(QByteArray::number(qHash(r)) + '/' + QByteArray::number(qHash(l)));
        // A temporary file left behind shows the kill landed in the middle of a write.
        const QStringList leftovers = QDir(dir.path()).entryList({"*.fca.*"}, QDir::Files);
        midWrite += int(leftovers.size());
        for (const QString &f : leftovers)
            QFile::remove(dir.filePath(f));
    }
    helper.closeWriteChannel();
    QVERIFY(helper.waitForFinished(10000));
    qInfo("%d kills survived in %lld ms (a write takes %d us); %d of 8 combined states seen; %d temporary files left behind",
          kills, clock.elapsed(), writeUs, int(statesSeen.size()), midWrite);
    // Kills that all land at one point of the loop would prove nothing.
    QVERIFY2(statesSeen.size() >= 3, "the kills never landed at different points of the saves");
}

QTEST_GUILESS_MAIN(TestCrashSafe)
#include "test_crashsafe.moc"
