#include "TestSupport.h"
#include "platform/FolderLock.h"
#include "store/Catalogue.h"
#include "store/FormType.h"
#include "store/OpenMark.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

#include <signal.h>

using namespace store;

// Several instances of the program on one data folder, and instances killed mid-work.
class TestInstances : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newFormsSavedAtOnceKeepEveryLine();
    void killedHolderBlocksNothing();
    void killedSaveNeverListsAMissingRecord();
};

namespace {

std::unique_ptr<QProcess> start(const QStringList &args)
{
    auto p = std::make_unique<QProcess>();
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QStringLiteral(NEW_FORMS_BINARY), args);
    if (!p->waitForStarted() || !p->waitForReadyRead(20000))
        return nullptr;
    return p;
}

// Every catalogue line of both types opens a record holding its own description;
// returns the descriptions, failing the test on a code given twice.
QStringList listed(const QString &dir)
{
    QStringList names;
    for (FormType type : {FormType::FCA, FormType::FAS}) {
        const QString list = catalogueFilePath(dir, type);
        if (!QFile::exists(list))
            continue;
        QSet<int> codes;
        for (const auto &e : catalogue::read(list)) {
            if (codes.contains(e.code))
                qWarning("code %d given twice", e.code);
            codes.insert(e.code);
            if (!testsupport::readBytes(recordFilePath(dir, type, e.code)).contains(e.description.toLatin1()))
                qWarning("line \"%s\" without its record", qPrintable(e.description));
            else
                names.append(e.description);
        }
        if (codes.size() != catalogue::read(list).size())
            return {};
    }
    return names;
}

} // namespace

void TestInstances::newFormsSavedAtOnceKeepEveryLine()
{
    QTemporaryDir dir;
    QElapsedTimer clock;
    clock.start();
    auto a = start({dir.path(), "50"}), b = start({dir.path(), "50"});
    QVERIFY(a && b);
    const qint64 pids[] = {a->processId(), b->processId()};
    QVERIFY(a->waitForFinished(30000) && b->waitForFinished(30000));
    QCOMPARE(a->exitCode() + b->exitCode(), 0);
    const QByteArray moved = a->readAll() + b->readAll();
    QStringList expected;
    for (qint64 pid : pids)
        for (int n = 0; n < 50; ++n)
            expected << QStringLiteral("%1-%2").arg(pid).arg(n);
    QStringList names = listed(dir.path());
    names.sort();
    expected.sort();
    QCOMPARE(names, expected);
    qInfo("100 forms saved by two instances in %lld ms, none lost, no code twice; %s",
          clock.elapsed(), moved.simplified().constData());
}

void TestInstances::killedHolderBlocksNothing()
{
    QTemporaryDir dir;
    const QString record = recordFilePath(dir.path(), FormType::FCA, 1);
    auto holder = start({dir.path(), "hold", record});
    QVERIFY(holder);
    // While it lives, another instance learns who has the form open.
    OpenMark mine;
    const auto other = mine.take(record);
    QVERIFY(other && other->pid == holder->processId() && other->host == OpenMark::self().host);
    mine.release();
    QCOMPARE(::kill(pid_t(holder->processId()), SIGKILL), 0);
    QVERIFY(holder->waitForFinished());
    QVERIFY(QFile::exists(platform::FolderLock::lockPath(dir.path())));
    QElapsedTimer clock;
    clock.start();
    { platform::FolderLock lock(dir.path()); }
    QVERIFY(clock.elapsed() < platform::FolderLock::kStaleMs / 2);
    QVERIFY(!mine.take(record));
    QCOMPARE(QDir(dir.filePath(OpenMark::folderName())).entryList(QDir::Files).size(), 1);  // this one
}

void TestInstances::killedSaveNeverListsAMissingRecord()
{
    QTemporaryDir dir;
    QRandomGenerator random(QRandomGenerator::global()->generate());
    const int kills = 20;
    int forms = 0, before = 0;
    for (int k = 0; k < kills; ++k) {
        auto saver = start({dir.path(), "0"});
        QVERIFY(saver);
        QThread::usleep(random.bounded(10000, 120000));
        QCOMPARE(::kill(pid_t(saver->processId()), SIGKILL), 0);
        QVERIFY(saver->waitForFinished());
        const QStringList names = listed(dir.path());
        int lines = 0;
        for (FormType type : {FormType::FCA, FormType::FAS})
            if (QFile::exists(catalogueFilePath(dir.path(), type)))
                lines += int(catalogue::read(catalogueFilePath(dir.path(), type)).size());
        QCOMPARE(int(names.size()), lines);
        forms += lines - before;
        before = lines;
        // Room for the next saver: the catalogues hold 99 codes.
        if (lines > 100) {
            before = 0;
            for (const QString &f : QDir(dir.path()).entryList(QDir::Files))
                QFile::remove(dir.filePath(f));
        }
    }
    QVERIFY2(forms > 0, "every saver was killed before its first save");
    qInfo("%d kills survived, no lock left behind blocked the next; %d forms saved, no line without its record",
          kills, forms);
}

QTEST_GUILESS_MAIN(TestInstances)
#include "test_instances.moc"
