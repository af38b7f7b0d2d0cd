#include "app/Commands.h"

#include "editors/EditorFactory.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"
#include "printing/PrintRun.h"
#include "store/Catalogue.h"
#include "store/FichaEditor.h"
#include "store/FormType.h"
#include "validation/TFm_Funcoes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <memory>

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
QString parse(const QStringList &args, PdfRequest *r)
{
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--pasta")) {
            if (i + 1 >= args.size())
                return QStringLiteral("falta a pasta depois de --pasta");
            r->pasta = args[++i];
        } else if (args[i].startsWith(QLatin1String("--pasta="))) {
            r->pasta = args[i].mid(8);
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return QStringLiteral("opção desconhecida: %1").arg(args[i]);
        } else {
            positional.append(args[i]);
        }
    }
    if (positional.size() != 3)
        return QStringLiteral("são precisos TIPO, CODIGO e SAIDA.pdf");
    r->type = store::formTypeNamed(positional[0]);
    if (!r->type)
        return QStringLiteral("tipo desconhecido: %1").arg(positional[0]);
    bool ok = false;
    r->code = positional[1].toInt(&ok);
    if (!ok || r->code < 0)
        return QStringLiteral("código inválido: %1").arg(positional[1]);
    r->output = positional[2];
    return {};
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
    platform::setApplicationTitle(QStringLiteral("Morvetia 3.1"));
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

    editors::EditorFactory factory;
    editors::registerEditors(factory);
    validation::TFm_Funcoes funcoes;
    std::unique_ptr<store::FichaEditor> editor(factory.create(req.type->type, nullptr, funcoes));
    if (!editor || editor->printLayouts().isEmpty())
        return fail(err, QStringLiteral("a impressão da %1 ainda não está disponível").arg(req.type->shortName));
    editor->setAttribute(Qt::WA_DeleteOnClose, false);
    editor->ArqLista = lista;
    editor->ArqFicha = ficha;
    editor->CodFicha = req.code;
    editor->FichaNova = false;

    // The saved form is only read: an unreadable one is reported, never set aside.
    try {
        editor->applyRecordFile(ficha);
    } catch (const platform::RaisedError &e) {
        return fail(err, QStringLiteral("a ficha salva não pôde ser lida: %1").arg(e.message()));
    }

    editor->preparePrintCopy();
    QString error;
    const bool ok = printing::renderToPdf(editor->printLayouts(), editor->recordFields(), req.output, &error);
    editor->restoreAfterPrint();
    if (!ok)
        return fail(err, error);
    return 0;
}

} // namespace app
