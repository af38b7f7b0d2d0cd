#include "app/Commands.h"
#include "app/HandOver.h"

#include "editors/EditorFactory.h"
#include "editors/common/EditorBase.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"
#include "store/Catalogue.h"
#include "store/FormType.h"
#include "validation/TFm_Funcoes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <memory>

#include <sys/stat.h>

namespace app {

namespace {

const char *const kPdfUsage = "Uso: fichas pdf FAC|FACA|FAS|FCA CODIGO SAIDA.pdf [--pasta PASTA]\n";

// Without a screen, whatever an editor would say in a box goes to stderr, unanswered.
class StderrMessages final : public platform::MessageSink {
public:
    explicit StderrMessages(QTextStream &err) : m_err(err) { m_previous = platform::Messages::install(this); }
    ~StderrMessages() override { platform::Messages::install(m_previous); }
    platform::MsgAnswer show(QWidget *, const platform::Message &m) override
    {
        QString text = m.text;
        m_err << "fichas pdf: " << text.replace(QLatin1Char('\r'), QLatin1Char('\n')) << Qt::endl;
        return m.buttons == platform::MsgButtons::Ok ? platform::MsgAnswer::Ok : platform::MsgAnswer::Cancel;
    }

private:
    QTextStream &m_err;
    platform::MessageSink *m_previous = nullptr;
};

struct PdfRequest {
    const store::FormTypeInfo *type = nullptr;
    int code = 0;
    QString output;
    QString pasta;
};

// Returns an empty string when the words make a request, else what is wrong.
QString parse(QStringList args, PdfRequest *r)
{
    const QString pasta = takePastaOption(args, &r->pasta);
    if (!pasta.isEmpty())
        return pasta;
    for (const QString &a : args)
        if (a.startsWith(QLatin1String("--")))
            return QStringLiteral("opção desconhecida: %1").arg(a);
    if (args.size() != 3)
        return QStringLiteral("são precisos TIPO, CODIGO e SAIDA.pdf");
    r->type = store::formTypeNamed(args[0]);
    if (!r->type)
        return QStringLiteral("tipo desconhecido: %1").arg(args[0]);
    bool ok = false;
    r->code = args[1].toInt(&ok);
    if (!ok || r->code < 0)
        return QStringLiteral("código inválido: %1").arg(args[1]);
    r->output = args[2];
    return {};
}

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
    PdfRequest req;
    const QString problem = parse(args, &req);
    if (!problem.isEmpty()) {
        err << "fichas pdf: " << problem << Qt::endl << kPdfUsage;
        return 2;
    }

    platform::ProgramFolder::setCurrent(
        platform::ProgramFolder::resolve(req.pasta, QCoreApplication::applicationDirPath()));
    platform::setApplicationTitle(kApplicationTitle);
    platform::installFontSubstitutions();
    StderrMessages messages(err);

    const QString dados = platform::ProgramFolder::dataFolder();
    const QString lista = store::catalogueFilePath(dados, req.type->type);
    bool listed = false;
    bool recordThere = false;
    const QString ficha = store::recordFilePath(dados, req.type->type, req.code);
    try {
        // textfile::exists, not QFileInfo::exists: a folder without permission is no
        // missing catalogue.
        if (platform::textfile::exists(lista))
            for (const auto &e : store::catalogue::read(lista))
                listed = listed || e.code == req.code;
        recordThere = listed && platform::textfile::exists(ficha);
    } catch (const platform::RaisedError &e) {
        return fail(err, e.message());
    }
    if (!listed)
        return fail(err, QStringLiteral("a ficha %1 %2 não está na lista de fichas salvas (%3)")
                             .arg(req.type->shortName)
                             .arg(req.code)
                             .arg(lista));
    if (!recordThere)
        return fail(err, QStringLiteral("o arquivo da ficha não existe: %1").arg(ficha));

    // The PDF must never take the place of the form it is made from.
    for (const QString &input : {lista, ficha})
        if (sameFile(req.output, input))
            return fail(err, QStringLiteral("a saída %1 é o arquivo da própria ficha; nada foi gravado")
                                 .arg(QDir::toNativeSeparators(req.output)));

    editors::EditorFactory factory;
    editors::registerEditors(factory);
    validation::TFm_Funcoes funcoes;
    std::unique_ptr<store::FichaEditor> created(factory.create(req.type->type, nullptr, funcoes));
    auto *editor = qobject_cast<editors::EditorBase *>(created.get());
    if (!editor || editor->printLayouts().isEmpty())
        return fail(err, QStringLiteral("a impressão da %1 ainda não está disponível").arg(req.type->shortName));
    editor->setAttribute(Qt::WA_DeleteOnClose, false);
    handOver(*editor, req.type->type, req.code, false, dados);

    // The saved form is only read: an unreadable one is reported, never set aside.
    try {
        editor->applyRecordFile(ficha);
    } catch (const platform::RaisedError &e) {
        return fail(err, QStringLiteral("a ficha salva não pôde ser lida: %1").arg(e.message()));
    }

    QString error;
    if (!editor->printToPdf(req.output, &error))
        return error.isEmpty() ? 1 : fail(err, error);
    return 0;
}

} // namespace app
