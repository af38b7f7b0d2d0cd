#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// The build names the folders the package installs into; a build that is never
// installed still gets sensible ones.
#ifndef FICHAS_INSTALL_BINDIR
#define FICHAS_INSTALL_BINDIR "/usr/bin"
#endif
#ifndef FICHAS_INSTALL_DATADIR
#define FICHAS_INSTALL_DATADIR "/usr/share"
#endif

namespace platform {

namespace {
QString g_current;

const QString kProgramName = QStringLiteral("fichas");

QString canonicalOrClean(const QString &dir)
{
    const QString canonical = QFileInfo(dir).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(dir).absolutePath()) : canonical;
}
} // namespace

QString ProgramFolder::choose(const Candidates &c)
{
    if (!c.option.isEmpty())
        return QDir::cleanPath(QDir(c.option).absolutePath());
    // An installed program keeps no data beside its executable, even when run by root,
    // for whom /usr/bin is writable.
    if (!c.installed && c.executableDirWritable && !c.executableDir.isEmpty())
        return QDir::cleanPath(QDir(c.executableDir).absolutePath());
    return QDir::cleanPath(c.userDataDir);
}

QString ProgramFolder::resolve(const QString &option, const QString &executableDir)
{
    const QFileInfo exe(executableDir);
    Candidates c;
    c.option = option;
    c.executableDir = executableDir;
    c.executableDirWritable = exe.isDir() && exe.isWritable();
    c.installed = isInstalledLocation(executableDir);
    c.userDataDir = userDataFolder();
    return choose(c);
}

QString ProgramFolder::userDataFolder()
{
    // Not AppDataLocation: before the application object exists it has no name, and the
    // folder would be ~/.local/share itself.
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QLatin1Char('/') + kProgramName);
}

bool ProgramFolder::isInstalledLocation(const QString &executableDir)
{
    if (executableDir.isEmpty())
        return false;
    return canonicalOrClean(executableDir) == canonicalOrClean(QStringLiteral(FICHAS_INSTALL_BINDIR));
}

QString ProgramFolder::current() { return g_current; }
void ProgramFolder::setCurrent(const QString &folder) { g_current = folder; }

QString ProgramFolder::join(const QString &folder, const QString &name)
{
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + name);
}

QString ProgramFolder::dataFolder() { return join(g_current, QStringLiteral("Dados")); }
QString ProgramFolder::settingsFile() { return join(g_current, QStringLiteral("Forms.ini")); }
QString ProgramFolder::helpFolder() { return join(g_current, QStringLiteral("help")); }

QStringList ProgramFolder::helpFolders()
{
    QStringList folders{helpFolder()};
    const QString installed = join(QStringLiteral(FICHAS_INSTALL_DATADIR), kProgramName + QStringLiteral("/help"));
    if (QDir::cleanPath(QDir::fromNativeSeparators(installed)) != QDir::cleanPath(QDir::fromNativeSeparators(folders[0])))
        folders.append(installed);
    return folders;
}

QString ProgramFolder::helpFile(const QString &name)
{
    for (const QString &folder : helpFolders()) {
        const QString path = join(folder, name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace platform
