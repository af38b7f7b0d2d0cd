#include "app/Commands.h"
#include "app/SavedForm.h"

#include "editors/EditorFactory.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <sys/stat.h>

namespace app {

namespace {

const char *const kPdfUsage = "Uso: fichas pdf %1 CODIGO SAIDA.pdf [--pasta PASTA]\n";

// True when both paths name one existing file, through links too.
bool sameFile(const QString &a, const QString &b)
{
    struct stat sa {}, sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

int fail(QTextStream &err, const QString &message)
{
    err << "fichas pdf: " << message << Qt::endl;
    return 1;
}

} // namespace

int runPdf(const QStringList &args, QTextStream &, QTextStream &err)
{
    FormArgs req;
    const QString problem = parseFormArgs(args, {QStringLiteral("SAIDA.pdf")}, &req);
    if (!problem.isEmpty()) {
        err << "fichas pdf: " << problem << Qt::endl << QString::fromUtf8(kPdfUsage).arg(editors::formTypes().choice());
        return 2;
    }
    const QString output = req.rest.first();

    StderrMessages messages(err, QStringLiteral("pdf"));
    SavedForm form;
    if (const QString error = form.open(req); !error.isEmpty())
        return fail(err, error);
    // The PDF must never take the place of the form it is made from.
    for (const QString &input : {form.catalogueFile(), form.recordFile()})
        if (sameFile(output, input))
            return fail(err, QStringLiteral("a saída %1 é o arquivo da própria ficha; nada foi gravado")
                                 .arg(QDir::toNativeSeparators(output)));
    if (!form.printable())
        return fail(err, QStringLiteral("a impressão da %1 ainda não está disponível").arg(req.type->shortName));

    QString error;
    if (!form.printToPdf(output, &error))
        return error.isEmpty() ? 1 : fail(err, error);
    return 0;
}

} // namespace app
