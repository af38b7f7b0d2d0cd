#include "app/Commands.h"
#include "app/HandOver.h"

#include "platform/Escape.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"
#include "store/Catalogue.h"
#include "editors/EditorFactory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace app {

namespace {

const char *const kListaUsage =
    "Uso: fichas lista %1 [--pasta PASTA]\n"
    "  Saída: uma linha por ficha guardada, CODIGO<TAB>descrição, na ordem da lista;\n"
    "         o CODIGO é o que 'fichas pdf' e 'fichas verifica' pedem.\n";

int usage(QTextStream &err, const QString &problem)
{
    err << "fichas lista: " << problem << '\n' << QString::fromUtf8(kListaUsage).arg(editors::formTypes().choice());
    err.flush();
    return 2;
}

int fail(QTextStream &err, const QString &problem)
{
    err << "fichas lista: " << problem << '\n';
    err.flush();
    return 2;
}

} // namespace

int runLista(const QStringList &words, QTextStream &out, QTextStream &err)
{
    QStringList args = words;
    QString pasta;
    if (const QString problem = takePastaOption(args, &pasta); !problem.isEmpty())
        return usage(err, problem);
    for (const QString &a : args)
        if (a.startsWith(QLatin1String("--")))
            return usage(err, QStringLiteral("opção desconhecida: %1").arg(platform::escapeControls(a)));
    if (args.size() != 1)
        return usage(err, args.isEmpty() ? QStringLiteral("falta o TIPO") : QStringLiteral("só um TIPO"));
    const store::FormType type = editors::formTypes().named(args.first());
    if (!type)
        return usage(err, QStringLiteral("tipo desconhecido: %1").arg(platform::escapeControls(args.first())));

    platform::ProgramFolder::setCurrent(platform::ProgramFolder::resolve(pasta, QCoreApplication::applicationDirPath()));
    const QString dados = platform::ProgramFolder::dataFolder();
    // A mistyped --pasta must not pass for a folder without forms.
    if (!QFileInfo(dados).isDir())
        return fail(err, QStringLiteral("a pasta de dados não existe: %1").arg(QDir::toNativeSeparators(dados)));
    const QString file = store::catalogueFilePath(dados, type);
    QList<store::CatalogueEntry> entries;
    try {
        // No catalogue yet: no form of this type was ever saved.
        if (platform::textfile::exists(file))
            entries = store::catalogue::read(file);
    } catch (const platform::RaisedError &e) {
        return fail(err, e.message());
    }
    for (const store::CatalogueEntry &e : entries)
        out << e.code << '\t' << platform::escapeControls(e.description) << '\n';
    out.flush();
    if (out.status() != QTextStream::Ok) {
        err << "fichas lista: não foi possível escrever a saída\n";
        err.flush();
        return 2;
    }
    return 0;
}

} // namespace app
