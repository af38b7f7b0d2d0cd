#include "platform/FolderLock.h"

#include "platform/RaisedError.h"

#include <QDir>

namespace platform {

QString FolderLock::lockPath(const QString &folder) { return QDir(folder).filePath(QStringLiteral(".fichas.lock")); }

FolderLock::FolderLock(const QString &folder) : m_file(lockPath(folder))
{
    // A holder longer than this is taken for dead even where its process cannot be seen.
    m_file.setStaleLockTime(kStaleMs);
    // tryLock removes the lock of a process of this machine that no longer runs.
    if (m_file.tryLock(kWaitMs))
        return;
    switch (m_file.error()) {
    case QLockFile::LockFailedError:
        throw RaisedError(QStringLiteral("A pasta de dados \"%1\" está sendo alterada por outra instância do "
                                         "programa. Tente novamente em instantes")
                              .arg(QDir::toNativeSeparators(folder)));
    default:
        throw RaisedError(QStringLiteral("Não foi possível criar o arquivo de bloqueio \"%1\"")
                              .arg(QDir::toNativeSeparators(lockPath(folder))));
    }
}

FolderLock::~FolderLock() { m_file.unlock(); }

} // namespace platform
