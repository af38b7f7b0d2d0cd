#include "store/Leftovers.h"

#include "platform/RaisedError.h"
#include "platform/TextFile.h"
#include "store/Catalogue.h"
#include "store/RecoveryCopy.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace store::leftovers {

namespace {

// "<prefix><code><extension>" of the type, the code captured.
QRegularExpression recordName(FormType type)
{
    return QRegularExpression(QStringLiteral("^%1([1-9][0-9]?)%2$")
                                  .arg(QRegularExpression::escape(type->recordPrefix),
                                       QRegularExpression::escape(type->extension)));
}

// Whether a file name is one of the data files the program writes.
bool isDataFile(const QString &name, bool inRecoveryFolder, const FormTypes &types)
{
    if (inRecoveryFolder)
        return name.endsWith(QLatin1String(".rec"));
    for (FormType t : types)
        if (name == t->catalogueFile || recordName(t).match(name).hasMatch())
            return true;
    return false;
}

int removeIn(const QString &folder, bool inRecoveryFolder, const FormTypes &types)
{
    static const QRegularExpression temporary(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    const QDateTime now = QDateTime::currentDateTime();
    int removed = 0;
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        const auto m = temporary.match(file.fileName());
        if (m.hasMatch() && isDataFile(m.captured(1), inRecoveryFolder, types)
            && file.lastModified().msecsTo(now) >= kTemporaryAgeMs && QFile::remove(file.filePath()))
            ++removed;
    }
    return removed;
}

} // namespace

int removeTemporaryFiles(const QString &dataFolder, const FormTypes &types)
{
    return removeIn(dataFolder, false, types) + removeIn(recovery::folder(dataFolder), true, types);
}

QList<Orphan> orphanRecords(const QString &dataFolder, const FormTypes &types)
{
    QList<Orphan> orphans;
    const QFileInfoList files = QDir(dataFolder).entryInfoList(QDir::Files, QDir::Name);
    for (FormType t : types) {
        QSet<int> listed;
        try {
            const QString list = catalogueFilePath(dataFolder, t);
            if (platform::textfile::exists(list))
                for (const CatalogueEntry &e : catalogue::read(list))
                    listed.insert(e.code);
        } catch (const platform::RaisedError &) {
            continue;
        }
        const QRegularExpression name = recordName(t);
        QList<Orphan> ofType;
        for (const QFileInfo &file : files) {
            const auto m = name.match(file.fileName());
            const int code = m.hasMatch() ? m.captured(1).toInt() : 0;
            if (code >= 1 && !listed.contains(code))
                ofType.append({t, code, file.filePath(), file.lastModified()});
        }
        std::sort(ofType.begin(), ofType.end(), [](const Orphan &a, const Orphan &b) { return a.code < b.code; });
        orphans += ofType;
    }
    return orphans;
}

} // namespace store::leftovers
