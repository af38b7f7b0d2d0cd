#include "platform/Settings.h"

#include "platform/RaisedError.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QSettings>

namespace platform {

namespace {
// QSettings reads whatever the path holds, and waits forever on a FIFO: the file is
// looked at first, with the same rules as every other data file.
const QString &checked(const QString &path)
{
    if (textfile::exists(path))
        textfile::checkReadable(path);
    return path;
}
} // namespace

IniFile::IniFile(const QString &path)
    : m_path(path), m_settings(std::make_unique<QSettings>(checked(path), QSettings::IniFormat))
{
}

IniFile::~IniFile() = default;

std::optional<int> IniFile::readInteger(const QString &section, const QString &key) const
{
    const QVariant value = m_settings->value(section + QLatin1Char('/') + key);
    if (!value.isValid())
        return std::nullopt;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

int IniFile::readInteger(const QString &section, const QString &key, int fallback) const
{
    return readInteger(section, key).value_or(fallback);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    m_settings->setValue(section + QLatin1Char('/') + key, QString::number(value));
}

void IniFile::save()
{
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw RaisedError(QStringLiteral("Não foi possível gravar o arquivo %1")
                              .arg(QDir::toNativeSeparators(m_path)));
}

} // namespace platform
