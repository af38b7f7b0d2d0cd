#include "platform/RaisedError.h"
#include "platform/Trash.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestTrash : public QObject {
    Q_OBJECT
private slots:
    // Deleting the same form name again and again keeps every earlier copy.
    void keepAsideNeverOverwrites()
    {
        QTemporaryDir dir;
        const QString record = dir.filePath(QStringLiteral("Fca_3.fca"));
        QStringList kept;
        for (const QByteArray bytes : {"um", "dois", "tres"}) {
            writeFile(record, bytes);
            kept << platform::trash::keepAside(record, dir.path());
            QVERIFY(!QFile::exists(record));
        }
        const QString folder = dir.filePath(QStringLiteral("Excluidas"));
        QCOMPARE(kept, QStringList({folder + "/Fca_3.fca", folder + "/Fca_3-2.fca", folder + "/Fca_3-3.fca"}));
        QCOMPARE(contents(kept.at(0)), QByteArray("um"));
        QCOMPARE(contents(kept.at(2)), QByteArray("tres"));
    }

    void discardUsesTheDesktopTrash()
    {
        QTemporaryDir dir;
        const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("home")).toUtf8());
        QDir().mkpath(dir.filePath(QStringLiteral("home")));
        const QString record = dir.filePath(QStringLiteral("Fac_1.fac"));
        writeFile(record, "ficha");
        const QString where = platform::trash::discard(record, dir.path());
        qputenv("XDG_DATA_HOME", oldHome);
        QVERIFY(!QFile::exists(record));
        QCOMPARE(contents(where), QByteArray("ficha"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Excluidas"))));
    }

    void aMissingFileIsReported()
    {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(platform::RaisedError,
                                 platform::trash::keepAside(dir.filePath(QStringLiteral("nada.fca")), dir.path()));
    }
};

QTEST_GUILESS_MAIN(TestTrash)
#include "test_trash.moc"
