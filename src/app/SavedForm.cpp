#include "app/SavedForm.h"

#include "app/HandOver.h"
#include "editors/EditorFactory.h"
#include "editors/common/EditorBase.h"
#include "editors/common/FormDescription.h"
#include "editors/common/FormState.h"
#include "platform/Messages.h"
#include "printing/PrintRun.h"
#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"
#include "store/Catalogue.h"

#include <QCoreApplication>
#include <QTextStream>

namespace app {

QString parseFormArgs(QStringList args, const QStringList &restNames, FormArgs *out)
{
    const QString pasta = takePastaOption(args, &out->pasta);
    if (!pasta.isEmpty())
        return pasta;
    for (const QString &a : args)
        if (a.startsWith(QLatin1String("--")))
            return QStringLiteral("opção desconhecida: %1").arg(a);
    if (args.size() != 2 + restNames.size()) {
        const QStringList words = QStringList{QStringLiteral("TIPO"), QStringLiteral("CODIGO")} + restNames;
        return QStringLiteral("são precisos %1 e %2").arg(words.mid(0, words.size() - 1).join(QStringLiteral(", ")),
                                                         words.last());
    }
    out->type = editors::formTypes().named(args[0]);
    if (!out->type)
        return QStringLiteral("tipo desconhecido: %1").arg(args[0]);
    bool ok = false;
    out->code = args[1].toInt(&ok);
    if (!ok || out->code < 0)
        return QStringLiteral("código inválido: %1").arg(args[1]);
    out->rest = args.mid(2);
    return {};
}

StderrMessages::StderrMessages(QTextStream &err, QString command) : m_err(err), m_command(std::move(command))
{
    m_previous = platform::Messages::install(this);
}

StderrMessages::~StderrMessages() { platform::Messages::install(m_previous); }

platform::MsgAnswer StderrMessages::show(QWidget *, const platform::Message &m)
{
    QString text = m.text;
    m_err << "fichas " << m_command << ": " << text.replace(QLatin1Char('\r'), QLatin1Char('\n')) << Qt::endl;
    return m.buttons == platform::MsgButtons::Ok ? platform::MsgAnswer::Ok : platform::MsgAnswer::Cancel;
}

SavedForm::SavedForm() = default;
SavedForm::~SavedForm() = default;

QString SavedForm::open(const FormArgs &args, Reading reading)
{
    platform::ProgramFolder::setCurrent(
        platform::ProgramFolder::resolve(args.pasta, QCoreApplication::applicationDirPath()));
    platform::setApplicationTitle(kApplicationTitle);
    platform::installFontSubstitutions();

    const QString dados = platform::ProgramFolder::dataFolder();
    m_catalogue = store::catalogueFilePath(dados, args.type);
    m_record = store::recordFilePath(dados, args.type, args.code);
    bool listed = false;
    bool recordThere = false;
    try {
        // textfile::exists, not QFileInfo::exists: a folder without permission is no
        // missing catalogue.
        if (platform::textfile::exists(m_catalogue))
            for (const auto &e : store::catalogue::read(m_catalogue))
                listed = listed || e.code == args.code;
        recordThere = listed && platform::textfile::exists(m_record);
    } catch (const platform::RaisedError &e) {
        return e.message();
    }
    if (!listed)
        return QStringLiteral("a ficha %1 %2 não está na lista de fichas salvas (%3)")
            .arg(args.type->shortName)
            .arg(args.code)
            .arg(m_catalogue);
    if (!recordThere)
        return QStringLiteral("o arquivo da ficha não existe: %1").arg(m_record);

    editors::EditorFactory factory;
    editors::registerEditors(factory);
    m_description = factory.description(args.type);
    if (!m_description)
        return QStringLiteral("a %1 ainda não está disponível").arg(args.type->shortName);
    if (reading == Reading::WithoutWindow)
        return readWithoutWindow();
    m_owner.reset(factory.create(args.type, nullptr, m_funcoes));
    m_editor = qobject_cast<editors::EditorBase *>(m_owner.get());
    m_editor->setAttribute(Qt::WA_DeleteOnClose, false);
    handOver(*m_editor, args.type, args.code, false, dados);
    try {
        m_editor->applyRecordFile(m_record);
    } catch (const platform::RaisedError &e) {
        return QStringLiteral("a ficha salva não pôde ser lida: %1").arg(e.message());
    }
    return {};
}

QString SavedForm::readWithoutWindow()
{
    m_state = std::make_unique<editors::FormState>(*m_description);
    try {
        m_state->load(platform::textfile::readLines(m_record));
    } catch (const platform::RaisedError &e) {
        return QStringLiteral("a ficha salva não pôde ser lida: %1").arg(e.message());
    }
    return {};
}

editors::FilledForm SavedForm::filled() const
{
    if (!m_state)
        return m_editor->filledForm();
    const editors::FormDescription &d = *m_description;
    return {d.rows, *m_state, m_funcoes, d.printProblems ? d.printProblems(*m_state, m_funcoes) : editors::PrintProblems{},
            {d.printLayouts(), d.printCopyValues ? d.printCopyValues(*m_state, m_state->printValues())
                                                 : m_state->printValues()}};
}

bool SavedForm::printable() const { return !(m_state ? m_description->printLayouts() : m_editor->printLayouts()).isEmpty(); }

bool SavedForm::printToPdf(const QString &pdfPath, QString *error)
{
    if (!m_state)
        return m_editor->printToPdf(pdfPath, error);
    if (error)
        error->clear();
    const editors::FilledForm form = filled();
    // As the window's print does: the first check that fails is told, and nothing printed.
    if (!form.printProblems.isEmpty()) {
        platform::Messages::show(nullptr, platform::kCaptionFichas, form.printProblems.first().message,
                                 platform::MsgIcon::Warning);
        return false;
    }
    return printing::renderToPdf(form.printCopy, pdfPath, error);
}

} // namespace app
