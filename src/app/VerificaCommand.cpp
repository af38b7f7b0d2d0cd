#include "app/Commands.h"
#include "app/SavedForm.h"

#include "editors/common/Pendencias.h"
#include "platform/RaisedError.h"

#include "editors/EditorFactory.h"

#include <QTextStream>

namespace app {

namespace {

const char *const kVerificaUsage = "Uso: fichas verifica %1 CODIGO [--pasta PASTA]\n";

// One column of a line: a tab or a line break inside it would break the line apart.
QString column(QString text)
{
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text;
}

int fail(QTextStream &err, const QString &message)
{
    err << "fichas verifica: " << message << Qt::endl;
    return 2;
}

} // namespace

int runVerifica(const QStringList &args, QTextStream &out, QTextStream &err)
{
    FormArgs req;
    const QString problem = parseFormArgs(args, {}, &req);
    if (!problem.isEmpty()) {
        err << "fichas verifica: " << problem << Qt::endl << QString::fromUtf8(kVerificaUsage).arg(editors::formTypes().choice());
        return 2;
    }

    StderrMessages messages(err, QStringLiteral("verifica"));
    SavedForm form;
    if (const QString error = form.open(req); !error.isEmpty())
        return fail(err, error);

    editors::Pendencias found;
    try {
        found = editors::checkWholeForm(form.filled());
    } catch (const platform::RaisedError &e) {
        return fail(err, e.message());
    }
    for (const editors::Pendencia &p : found)
        out << column(p.field) << '\t' << column(p.page) << '\t' << column(p.message) << '\n';
    out.flush();
    if (out.status() != QTextStream::Ok)
        return fail(err, QStringLiteral("não foi possível escrever a lista"));
    return found.isEmpty() ? 0 : 1;
}

} // namespace app
