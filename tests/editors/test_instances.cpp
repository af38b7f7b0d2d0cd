#include "TestSupport.h"
#include "platform/FolderLock.h"
#include "store/Catalogue.h"
#include "store/FormType.h"
#include "store/OpenMark.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <signal.h>

using namespace store;

// Instances of the program sharing one data folder, some of them killed mid-work.
class TestInstances : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void instancesShareOneFolder();
};

namespace {
struct Instance : QProcess {
    explicit Instance(const QStringList &args)
    {
        start(QStringLiteral(NEW_FORMS_BINARY), args);
        waitForReadyRead(20000);
        pid = processId();
    }
    void killNow() { ::kill(pid_t(pid), SIGKILL), waitForFinished(); }
    qint64 pid;
};

// The descriptions listed; none when a line lacks its record or a code is given twice.
std::optional<QStringList> listed(const QString &dir)
{
    QStringList names;
    for (FormType type : {testsupport::formType("FCA"), testsupport::formType("FAS")}) {
        const QString list = catalogueFilePath(dir, type);
        QSet<int> codes;
        for (const auto &e : QFile::exists(list) ? catalogue::read(list) : QList<CatalogueEntry>{})
            if (codes.contains(e.code) || !testsupport::readBytes(recordFilePath(dir, type, e.code)).contains(e.description.toLatin1()))
                return std::nullopt;
            else
                names << e.description, codes << e.code;
    }
    return names;
}
} // namespace

void TestInstances::instancesShareOneFolder()
{
    QTemporaryDir dir;
    const QString record = recordFilePath(dir.path(), testsupport::formType("FCA"), 1);
    Instance holder({dir.path(), "hold", record});
    OpenMark mark;
    QCOMPARE(mark.take(record)->pid, holder.pid);  // who has it open is known
    holder.killNow();
    QVERIFY(!mark.take(record));  // a dead holder's mark is gone, and its lock blocks nothing
    QRandomGenerator random(QRandomGenerator::global()->generate());
    const int kills = 12;
    QStringList expected;
    for (int k = 0; k < kills; ++k) {
        Instance saver({dir.path(), "0"});
        QTest::qSleep(random.bounded(5, 40));
        saver.killNow();
        QVERIFY(listed(dir.path()));
    }
    const int killedForms = int(listed(dir.path())->size());
    // Room for 100 forms (a catalogue holds 99 codes); the lock left behind stays.
    for (const QString &f : QDir(dir.path()).entryList(QDir::Files))
        QFile::remove(dir.filePath(f));
    Instance a({dir.path(), "50"}), b({dir.path(), "50"});
    QVERIFY(a.waitForFinished(30000) && b.waitForFinished(30000));
    for (qint64 pid : {a.pid, b.pid})
        for (int n = 0; n < 50; ++n)
            expected << QStringLiteral("%1-%2").arg(pid).arg(n);
    QStringList names = listed(dir.path()).value_or(QStringList{});
    names.sort(), expected.sort();
    QCOMPARE(names, expected);
    qInfo("%d kills survived (%d forms), then 100 forms saved by two instances at once; none lost, no code "
          "twice; %s", kills, killedForms, (a.readAll() + b.readAll()).simplified().constData());
}

QTEST_GUILESS_MAIN(TestInstances)
#include "test_instances.moc"
