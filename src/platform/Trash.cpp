#include "platform/Trash.h"

#include "platform/RaisedError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform::trash {

QString discard(const QString &path, const QString &dataFolder)
{
    QFile file(path);
    if (file.moveToTrash())
        return file.fileName();
    return keepAside(path, dataFolder);
}

QString keepAside(const QString &path, const QString &dataFolder)
{
    const QFileInfo info(path);
    const QDir folder(dataFolder);
    const QString name = QString::fromLatin1(kFolderName);
    if (!folder.mkpath(name))
        throw RaisedError(QStringLiteral("Não foi possível criar a pasta \"%1\"")
                              .arg(QDir::toNativeSeparators(folder.filePath(name))));
    const QDir keep(folder.filePath(name));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString target = keep.filePath(info.fileName());
    for (int n = 2; QFileInfo(target).exists() || QFileInfo(target).isSymLink(); ++n)
        target = keep.filePath(QStringLiteral("%1-%2%3").arg(info.completeBaseName()).arg(n).arg(suffix));
    // rename() never replaces an existing file, so two deletions racing keep both.
    if (!QFile::rename(path, target))
        throw RaisedError(QStringLiteral("Não foi possível excluir o arquivo \"%1\"")
                              .arg(QDir::toNativeSeparators(path)));
    return target;
}

} // namespace platform::trash
