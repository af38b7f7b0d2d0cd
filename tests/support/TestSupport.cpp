#include "TestSupport.h"

#include "editors/EditorFactory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace testsupport {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

store::FormType formType(const char *shortName)
{
    return editors::formTypes().named(QString::fromLatin1(shortName));
}

QStringList goldenLines(const QString &golden)
{
    const QString path = QDir::cleanPath(QStringLiteral(FICHAS_SOURCE_DIR "/tests/editors/data/%1.golden").arg(golden));
    return QString(QStringDecoder("windows-1252")(readBytes(path))).split(QStringLiteral("\r\n"));
}

void writeSavedForm(const QString &pasta, const QString &form, const QStringList &lines)
{
    const QString dados = pasta + QStringLiteral("/Dados");
    const store::FormType type = editors::formTypes().named(form);
    writeBytes(store::catalogueFilePath(dados, type), "01 Ficha\r\n");
    writeBytes(store::recordFilePath(dados, type, 1),
               QByteArray(QStringEncoder("windows-1252").encode(lines.join(QStringLiteral("\r\n")))));
}

QProcessEnvironment headlessEnvironment(const QString &epoch)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    if (!epoch.isEmpty())
        env.insert("SOURCE_DATE_EPOCH", epoch);
    return env;
}

} // namespace testsupport
