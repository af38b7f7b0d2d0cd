#include "app/RecoveryOffer.h"

#include "app/HandOver.h"
#include "editors/EditorFactory.h"
#include "platform/FolderLock.h"
#include "platform/Messages.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"
#include "platform/Trash.h"
#include "store/Catalogue.h"
#include "editors/common/FichaEditor.h"
#include "store/Leftovers.h"
#include "store/RecoveryCopy.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace app {

using platform::MsgAnswer;

namespace {

QString when(const QDateTime &time) { return time.toString(QStringLiteral("dd/MM/yyyy HH:mm")); }

MsgAnswer ask(QWidget *parent, const QString &what, const QString &yes, const QString &no)
{
    return platform::Messages::show(parent, platform::kCaptionFichas,
                                    QStringLiteral("%1\n\nSim: %2\nNão: %3\nCancelar: decidir depois.")
                                        .arg(what, yes, no),
                                    platform::MsgIcon::Question, platform::MsgButtons::YesNoCancel);
}

// A recovered new form takes the code a new form would get now: the one it had may have
// gone to another form since.
int codeForNewForm(const QString &dataFolder, const store::RecoveryCopy &copy)
{
    try {
        const QString list = store::catalogueFilePath(dataFolder, copy.type);
        const int next = store::catalogue::nextCode(
            QFileInfo::exists(list) ? store::catalogue::read(list) : QList<store::CatalogueEntry>());
        return next > 0 ? next : copy.code;
    } catch (const platform::RaisedError &) {
        return copy.code;
    }
}

struct Offer {
    QWidget *parent;
    QString dataFolder;
    const editors::EditorFactory &factory;
    const validation::TFm_Funcoes &funcoes;

    void open(store::FormType type, int code, bool nova, const QString &copyPath, const QStringList &lines) const
    {
        editors::FichaEditor *editor = factory.create(type, parent, funcoes);
        if (!editor)
            return;
        handOver(*editor, type, code, nova, dataFolder);
        if (!copyPath.isEmpty())
            editor->recoverFrom(lines, copyPath);
        editor->setAttribute(Qt::WA_DeleteOnClose);
        editor->exec();
    }

    void discard(const QString &path) const
    {
        platform::guard(parent, [&] { platform::trash::discard(path, dataFolder); });
    }

    // False when the user chose to decide later.
    bool copy(const store::recovery::Abandoned &a) const
    {
        const store::RecoveryCopy &c = a.copy;
        const QString shortName = c.type->shortName;
        const QString form = c.nova ? QStringLiteral("Uma ficha %1 nova").arg(shortName)
                             : c.descricao.isEmpty()
                                 ? QStringLiteral("A ficha %1 de código %2").arg(shortName).arg(c.code)
                                 : QStringLiteral("A ficha %1 \"%2\"").arg(shortName, c.descricao);
        switch (ask(parent, QStringLiteral("%1 tinha alterações não salvas em %2.").arg(form, when(c.written)),
                    QStringLiteral("reabrir a ficha com essas alterações."),
                    QStringLiteral("descartar as alterações (vão para a lixeira)."))) {
        case MsgAnswer::Yes:
            open(c.type, c.nova ? codeForNewForm(dataFolder, c) : c.code, c.nova, a.path, c.lines);
            return true;
        case MsgAnswer::No: discard(a.path); return true;
        default: return false;
        }
    }

    bool orphan(const store::leftovers::Orphan &o) const
    {
        const QString descricao = QStringLiteral("Recuperada em %1").arg(o.written.toString(QStringLiteral("dd/MM/yyyy")));
        switch (ask(parent,
                    QStringLiteral("O arquivo \"%1\", de uma ficha %2 gravada em %3, não está na lista de fichas.")
                        .arg(QFileInfo(o.path).fileName(), o.type->shortName, when(o.written)),
                    QStringLiteral("incluir a ficha na lista como \"%1\" e abri-la.").arg(descricao),
                    QStringLiteral("mover o arquivo para a lixeira."))) {
        case MsgAnswer::Yes:
            if (platform::guard(parent, [&] {
                    // Under the folder's lock, and only while no other instance has listed it meanwhile.
                    platform::FolderLock lock(dataFolder);
                    const QString list = store::catalogueFilePath(dataFolder, o.type);
                    const auto entries = platform::textfile::exists(list) ? store::catalogue::read(list)
                                                                          : QList<store::CatalogueEntry>{};
                    if (std::none_of(entries.begin(), entries.end(), [&](const auto &e) { return e.code == o.code; }))
                        store::catalogue::append(list, o.code, descricao);
                }))
                open(o.type, o.code, false, {}, {});
            return true;
        case MsgAnswer::No: discard(o.path); return true;
        default: return false;
        }
    }
};

} // namespace

void offerRecovery(QWidget *parent, const QString &dataFolder, const editors::EditorFactory &factory,
                   const validation::TFm_Funcoes &funcoes)
{
    if (dataFolder.isEmpty())
        return;
    store::leftovers::removeTemporaryFiles(dataFolder, editors::formTypes());
    const Offer offer{parent, dataFolder, factory, funcoes};
    for (const auto &a : store::recovery::abandoned(dataFolder, editors::formTypes()))
        if (factory.has(a.copy.type) && !offer.copy(a))
            return;
    // Looked for once the copies are settled: a reopened new form may have been saved.
    for (const auto &o : store::leftovers::orphanRecords(dataFolder, editors::formTypes()))
        if (factory.has(o.type) && !offer.orphan(o))
            return;
}

} // namespace app
