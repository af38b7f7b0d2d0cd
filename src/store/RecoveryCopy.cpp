#include "store/RecoveryCopy.h"

#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace store {

namespace {

const QString kMagic = QStringLiteral("Fichas - cópia de recuperação 1");
const QString kDateFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

// Field 22 of /proc/<pid>/stat, counted after the command name, which may hold blanks.
qint64 processStart(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? fields.at(19).toLongLong() : 0;
}

// A host name as it may stand in a file name.
QString fileSafe(QString text)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_-]"));
    return text.replace(unsafe, QStringLiteral("_"));
}

[[noreturn]] void raiseForeign(const QString &path)
{
    throw platform::RaisedError(
        QStringLiteral("O arquivo \"%1\" não é uma cópia de recuperação").arg(QDir::toNativeSeparators(path)));
}

} // namespace

RecoveryOwner RecoveryOwner::thisProcess()
{
    static const RecoveryOwner self{QSysInfo::machineHostName(), qint64(::getpid()), processStart(::getpid())};
    return self;
}

bool RecoveryOwner::running(const QDateTime &touched) const
{
    if (host != thisProcess().host)
        return touched.msecsTo(QDateTime::currentDateTime()) < recovery::kOtherHostStaleMs;
    if (pid <= 0 || (::kill(pid_t(pid), 0) != 0 && errno == ESRCH))
        return false;
    return started == 0 || processStart(pid) == started;
}

void RecoveryCopy::save(const QString &path) const
{
    QStringList out{kMagic,
                    QStringLiteral("Tipo=") + type->shortName,
                    QStringLiteral("Codigo=%1").arg(code),
                    QStringLiteral("Nova=%1").arg(nova ? 1 : 0),
                    QStringLiteral("Descricao=") + descricao,
                    QStringLiteral("Gravada=") + written.toString(kDateFormat),
                    QStringLiteral("Dono=%1 %2 %3").arg(owner.host).arg(owner.pid).arg(owner.started),
                    QString()};
    out += lines;
    platform::textfile::writeLines(path, out);
}

RecoveryCopy RecoveryCopy::load(const QString &path, const FormTypes &types)
{
    const QStringList text = platform::textfile::readLines(path);
    if (text.isEmpty() || text.first() != kMagic)
        raiseForeign(path);
    const qsizetype blank = text.indexOf(QString());
    if (blank < 0)
        raiseForeign(path);
    QHash<QString, QString> header;
    for (qsizetype i = 1; i < blank; ++i) {
        const qsizetype eq = text.at(i).indexOf(QLatin1Char('='));
        if (eq > 0)
            header.insert(text.at(i).left(eq), text.at(i).mid(eq + 1));
    }
    RecoveryCopy copy;
    const FormType type = types.named(header.value(QStringLiteral("Tipo")));
    bool codeOk = false;
    copy.code = header.value(QStringLiteral("Codigo")).toInt(&codeOk);
    copy.written = QDateTime::fromString(header.value(QStringLiteral("Gravada")), kDateFormat);
    const QStringList owner = header.value(QStringLiteral("Dono")).split(QLatin1Char(' '));
    if (!type || !codeOk || !copy.written.isValid() || owner.size() != 3)
        raiseForeign(path);
    copy.type = type;
    copy.nova = header.value(QStringLiteral("Nova")) == QLatin1String("1");
    copy.descricao = header.value(QStringLiteral("Descricao"));
    copy.owner = {owner.at(0), owner.at(1).toLongLong(), owner.at(2).toLongLong()};
    copy.lines = text.mid(blank + 1);
    return copy;
}

namespace recovery {

QString folder(const QString &dataFolder)
{
    return platform::ProgramFolder::join(dataFolder, QString::fromLatin1(kFolderName));
}

QString copyPath(const QString &dataFolder, FormType type, int code)
{
    const RecoveryOwner &self = RecoveryOwner::thisProcess();
    const QString record = QFileInfo(recordFilePath(dataFolder, type, code)).completeBaseName();
    return platform::ProgramFolder::join(
        folder(dataFolder), QStringLiteral("%1-%2-%3.rec").arg(record, fileSafe(self.host)).arg(self.pid));
}

QList<Abandoned> abandoned(const QString &dataFolder, const FormTypes &types)
{
    QList<Abandoned> found;
    const QDir dir(folder(dataFolder));
    for (const QFileInfo &file : dir.entryInfoList({QStringLiteral("*.rec")}, QDir::Files)) {
        try {
            Abandoned a{file.filePath(), RecoveryCopy::load(file.filePath(), types)};
            if (!a.copy.owner.running(file.lastModified()))
                found.append(a);
        } catch (const platform::RaisedError &) {
            // Not a copy of ours (or half a disk block): nothing that can be offered.
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Abandoned &a, const Abandoned &b) { return a.copy.written < b.copy.written; });
    return found;
}

} // namespace recovery
} // namespace store
