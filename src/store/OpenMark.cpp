#include "store/OpenMark.h"

#include "platform/RaisedError.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

#include <cerrno>
#include <csignal>

namespace store {

namespace {

bool running(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

std::optional<RecordHolder> readMark(const QString &path)
{
    try {
        const QStringList lines = platform::textfile::readLines(path);
        if (lines.size() < 3)
            return std::nullopt;
        bool ok = false;
        RecordHolder h{lines.at(0), lines.at(1), lines.at(2).toLongLong(&ok)};
        return ok ? std::optional(h) : std::nullopt;
    } catch (const platform::RaisedError &) {
        return std::nullopt;
    }
}

} // namespace

RecordHolder OpenMark::self()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return {user, QSysInfo::machineHostName(), QCoreApplication::applicationPid()};
}

std::optional<RecordHolder> OpenMark::take(const QString &recordPath)
{
    release();
    const QFileInfo record(recordPath);
    QDir marks(record.absolutePath());
    if (!marks.mkpath(folderName()) || !marks.cd(folderName()))
        return std::nullopt;
    const RecordHolder me = self();
    std::optional<RecordHolder> other;
    const QString prefix = record.fileName() + QLatin1Char('.');
    for (const QString &name : marks.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden)) {
        const QString path = marks.filePath(name);
        const auto holder = readMark(path);
        const bool here = holder && holder->host == me.host;
        if (!holder || (here && !running(holder->pid))) {
            QFile::remove(path);  // left by a process that died
            continue;
        }
        if (!(here && holder->pid == me.pid) && !other)
            other = holder;
    }
    m_path = marks.filePath(prefix + QString::number(me.pid) + QLatin1Char('.')
                            + QString(me.host).replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]")), QStringLiteral("_")));
    try {
        platform::textfile::writeLines(m_path, {me.user, me.host, QString::number(me.pid)});
    } catch (const platform::RaisedError &) {
        m_path.clear();
    }
    return other;
}

void OpenMark::release()
{
    if (!m_path.isEmpty())
        QFile::remove(m_path);
    m_path.clear();
}

} // namespace store
