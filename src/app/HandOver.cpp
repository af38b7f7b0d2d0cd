#include "app/HandOver.h"

#include "editors/common/FichaEditor.h"

namespace app {

void handOver(editors::FichaEditor &editor, store::FormType type, int code, bool nova, const QString &dataFolder)
{
    editor.ArqLista = store::catalogueFilePath(dataFolder, type);
    editor.ArqFicha = store::recordFilePath(dataFolder, type, code);
    editor.CodFicha = code;
    editor.FichaNova = nova;
}

QString takePastaOption(QStringList &args, QString *pasta)
{
    static const QString option = QStringLiteral("--pasta");
    static const QString withValue = QStringLiteral("--pasta=");
    QStringList rest;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == option) {
            if (i + 1 >= args.size())
                return QStringLiteral("falta a pasta depois de --pasta");
            *pasta = args[++i];
        } else if (args[i].startsWith(withValue)) {
            *pasta = args[i].mid(withValue.size());
        } else {
            rest.append(args[i]);
        }
    }
    args = rest;
    return {};
}

} // namespace app
