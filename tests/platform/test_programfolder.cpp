#include "TestSupport.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using platform::ProgramFolder;

class TestProgramFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choice_data();
    void choice();
    void userFolderIsNamedAfterTheProgram();
    void installedLocation_data();
    void installedLocation();
    void helpLookup();
};

void TestProgramFolder::choice_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("exeDir");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("expected");
    const QString user = "/home/u/.local/share/fichas";
    QTest::newRow("writable executable folder") << "" << "/opt/fichas" << true << false << "/opt/fichas";
    QTest::newRow("unwritable executable folder") << "" << "/opt/fichas" << false << false << user;
    QTest::newRow("installed, run by root") << "" << "/usr/bin" << true << true << user;
    QTest::newRow("installed, run by a user") << "" << "/usr/bin" << false << true << user;
    QTest::newRow("--pasta beats a writable folder") << "/srv/f/" << "/opt/fichas" << true << false << "/srv/f";
    QTest::newRow("--pasta beats the installed folder") << "/srv/f" << "/usr/bin" << false << true << "/srv/f";
    QTest::newRow("relative --pasta") << "rel/../x" << "/opt/fichas" << true << false
                                      << QDir::cleanPath(QDir::current().absoluteFilePath("x"));
    QTest::newRow("no executable folder") << "" << "" << true << false << user;
}

void TestProgramFolder::choice()
{
    QFETCH(QString, option);
    QFETCH(QString, exeDir);
    QFETCH(bool, writable);
    QFETCH(bool, installed);
    QFETCH(QString, expected);
    ProgramFolder::Candidates c;
    c.option = option;
    c.executableDir = exeDir;
    c.executableDirWritable = writable;
    c.installed = installed;
    c.userDataDir = "/home/u/.local/share/fichas";
    QCOMPARE(ProgramFolder::choose(c), expected);
}

void TestProgramFolder::userFolderIsNamedAfterTheProgram()
{
    // Whatever the executable is called, and before any application object exists.
    QTemporaryDir home;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QCOMPARE(ProgramFolder::userDataFolder(), home.filePath("fichas"));
    // The installed executable's folder, writable or not (root), sends the data there too.
    const QString chosen = ProgramFolder::resolve({}, QStringLiteral(FICHAS_INSTALL_BINDIR));
    QCOMPARE(chosen, home.filePath("fichas"));
    if (saved.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
}

void TestProgramFolder::installedLocation_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<bool>("installed");
    QTest::newRow("install folder") << QStringLiteral(FICHAS_INSTALL_BINDIR) << true;
    QTest::newRow("install folder, trailing slash") << QStringLiteral(FICHAS_INSTALL_BINDIR "/") << true;
    QTest::newRow("build folder") << QDir::currentPath() << false;
    QTest::newRow("scratch root copy") << QStringLiteral("/tmp/root" FICHAS_INSTALL_BINDIR) << false;
    QTest::newRow("empty") << QString() << false;
}

void TestProgramFolder::installedLocation()
{
    QFETCH(QString, dir);
    QFETCH(bool, installed);
    QCOMPARE(ProgramFolder::isInstalledLocation(dir), installed);
}

void TestProgramFolder::helpLookup()
{
    QTemporaryDir dir;
    ProgramFolder::setCurrent(dir.path());
    const QStringList folders = ProgramFolder::helpFolders();
    QCOMPARE(folders.size(), 2);
    QCOMPARE(QDir::fromNativeSeparators(folders[0]), dir.filePath("help"));
    QCOMPARE(QDir::fromNativeSeparators(folders[1]), QStringLiteral(FICHAS_INSTALL_DATADIR "/fichas/help"));

    QCOMPARE(ProgramFolder::helpFile("Nenhum.HLP"), QString());
    testsupport::writeBytes(dir.filePath("help/FACA.HLP"), "x");
    QCOMPARE(QDir::fromNativeSeparators(ProgramFolder::helpFile("FACA.HLP")), dir.filePath("help/FACA.HLP"));
    QCOMPARE(ProgramFolder::helpFile("help"), QString());  // a folder is not a help file
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "test_programfolder.moc"
