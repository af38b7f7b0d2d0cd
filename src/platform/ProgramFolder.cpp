#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {
QString g_current;
}

QString ProgramFolder::resolve(const QString &option, const QString &executableDir)
{
    if (!option.isEmpty())
        return QDir::cleanPath(QDir(option).absolutePath());
    const QFileInfo exe(executableDir);
    if (exe.isDir() && exe.isWritable())
        return QDir::cleanPath(exe.absoluteFilePath());
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
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

} // namespace platform
