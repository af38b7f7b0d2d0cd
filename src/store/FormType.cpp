#include "store/FormType.h"

#include "platform/ProgramFolder.h"

namespace store {

FormType FormTypes::named(const QString &shortName) const
{
    for (FormType t : m_types)
        if (t->shortName.compare(shortName, Qt::CaseInsensitive) == 0)
            return t;
    return {};
}

QString FormTypes::choice() const
{
    QStringList names;
    for (FormType t : m_types)
        names.append(t->shortName);
    return names.join(QLatin1Char('|'));
}

QString catalogueFilePath(const QString &dataFolder, FormType type)
{
    return platform::ProgramFolder::join(dataFolder, type->catalogueFile);
}

QString recordFilePath(const QString &dataFolder, FormType type, int code)
{
    return platform::ProgramFolder::join(dataFolder, type->recordPrefix + QString::number(code) + type->extension);
}

} // namespace store
