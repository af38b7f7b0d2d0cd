#include "app/UF_Abrir.h"

#include "platform/DialogKeys.h"
#include "platform/FolderLock.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"
#include "platform/Trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace app {

using namespace store;

using platform::Messages;
using platform::MsgIcon;

TFm_Abrir::TFm_Abrir(FormType type, const QString &dataFolder, QWidget *parent)
    : QDialog(parent), m_type(type), m_dataFolder(dataFolder)
{
    platform::installHelpKey(this, QStringLiteral("Fichas.html#abrir"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_DialogOpenButton).pixmap(32, 32));
    Lab_Texto_App = new QLabel(QStringLiteral("Selecione a Ficha que deseja abrir, ou clique no "
                                              "Botão Novo para criar uma nova Ficha."), this);
    Lab_Texto_App->setWordWrap(true);
    Lista_txt = new QListWidget(this);
    Lista_txt->setSelectionMode(QAbstractItemView::SingleSelection);
    Lista_txt->setMinimumSize(325, 97);
    Lab_Texto_App->setBuddy(Lista_txt);
    Lista_txt->setAccessibleName(QStringLiteral("Fichas"));

    Btn_Ok = new QPushButton(QStringLiteral("OK"), this);
    Btn_Novo = new QPushButton(QStringLiteral("Novo"), this);
    Btn_Excluir = new QPushButton(QStringLiteral("Excluir"), this);
    Btn_Cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    for (auto *b : {Btn_Ok, Btn_Novo, Btn_Excluir, Btn_Cancelar})
        b->setFixedSize(75, 25);
    platform::DialogKeys::install(this, Btn_Ok, Btn_Cancelar);

    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(Lab_Texto_App, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Btn_Ok);
    buttons->addWidget(Btn_Novo);
    buttons->addWidget(Btn_Excluir);
    buttons->addWidget(Btn_Cancelar);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 6);
    layout->addLayout(top);
    layout->addWidget(Lista_txt, 1);
    layout->addLayout(buttons);
    setFixedSize(333, 175);

    connect(Btn_Ok, &QPushButton::clicked, this, &TFm_Abrir::Btn_OkClick);
    connect(Btn_Novo, &QPushButton::clicked, this, &TFm_Abrir::Btn_NovoClick);
    connect(Btn_Excluir, &QPushButton::clicked, this, &TFm_Abrir::Btn_ExcluirClick);
    connect(Btn_Cancelar, &QPushButton::clicked, this, &TFm_Abrir::Btn_CancelarClick);
    connect(Lista_txt, &QListWidget::itemDoubleClicked, this, &TFm_Abrir::Btn_OkClick);

    FormCreate();
}

void TFm_Abrir::FormCreate()
{
    setWindowTitle(m_type->openCaption);
    TipoFicha = m_type->shortName;
    ArqLista = catalogueFilePath(m_dataFolder, m_type);
    PrefixoFicha = platform::ProgramFolder::join(m_dataFolder, m_type->recordPrefix);
    bool present = false;
    // A folder that may not be searched is a permission problem, not a missing catalogue.
    if (!platform::guard(this, [&] { present = platform::textfile::exists(ArqLista); })) {
        showEntries();
        return;
    }
    if (present) {
        CarregaLista(ArqLista);
    } else {
        platform::guard(this, [&] { platform::textfile::createEmpty(ArqLista); });
        showEntries();
    }
}

void TFm_Abrir::CarregaLista(const QString &path)
{
    try {
        m_entries = catalogue::read(path);
    } catch (const platform::RaisedError &e) {
        // An unreadable catalogue behaves as an empty one; its lines stay in the file
        // set aside beside it, and the user learns where.
        m_entries.clear();
        recoverUnreadable(e.message());
    }
    showEntries();
}

void TFm_Abrir::recoverUnreadable(const QString &reason)
{
    if (QFileInfo(ArqLista).exists() || QFileInfo(ArqLista).isSymLink())
        m_setAside = platform::textfile::setAside(ArqLista);
    try {
        platform::textfile::createEmpty(ArqLista);
    } catch (const platform::RaisedError &) {
        // The first save will report the folder's problem.
    }
    const QString where = m_setAside.isEmpty()
                              ? QStringLiteral("O arquivo não pôde ser guardado à parte.")
                              : QStringLiteral("O arquivo foi guardado como \"%1\".")
                                    .arg(QDir::toNativeSeparators(m_setAside));
    Messages::show(this, platform::kCaptionFichas,
                   QStringLiteral("A lista de fichas salvas não pôde ser lida e foi aberta vazia.\n%1.\n%2")
                       .arg(reason, where),
                   MsgIcon::Warning);
}

void TFm_Abrir::showEntries()
{
    Lista_txt->clear();
    Lista_cod.clear();
    for (const auto &e : std::as_const(m_entries)) {
        Lista_txt->addItem(e.description);
        Lista_cod.append(QString::number(e.code));
    }
    MaiorCodigo = catalogue::highestCode(m_entries);
    QtdFichas = int(m_entries.size());
    Btn_Ok->setEnabled(QtdFichas > 0);
    Btn_Excluir->setEnabled(QtdFichas > 0);
}

void TFm_Abrir::Btn_OkClick()
{
    const int row = Lista_txt->currentRow();
    if (row < 0 || !Lista_txt->currentItem()->isSelected()) {
        Messages::show(this, platform::kCaptionFichas,
                       QStringLiteral("Selecione a Ficha que deseja abrir."), MsgIcon::Warning);
        return;
    }
    CodFicha = Lista_cod.at(row).toInt();
    FichaNova = false;
    accept();
}

void TFm_Abrir::Btn_NovoClick()
{
    const int code = catalogue::nextCode(m_entries);
    if (code == 0) {
        Messages::show(this, platform::kCaptionFichas,
                       QStringLiteral("Limite de 99 fichas atingido. Exclua uma ficha para criar outra."),
                       MsgIcon::Warning);
        return;
    }
    CodFicha = code;
    FichaNova = true;
    accept();
}

void TFm_Abrir::Btn_ExcluirClick()
{
    const int row = Lista_txt->currentRow();
    if (row < 0 || !Lista_txt->currentItem()->isSelected()) {
        Messages::show(this, platform::kCaptionFichas,
                       QStringLiteral("Selecione a Ficha que deseja excluir."), MsgIcon::Warning);
        return;
    }
    // Enter keeps everything: Não is the default answer.
    const platform::Message question{platform::kCaptionFichas,
                                     QStringLiteral("Excluir a ficha \"%1\"?").arg(m_entries.at(row).description.trimmed()),
                                     MsgIcon::Question, platform::MsgButtons::YesNo, platform::MsgAnswer::No};
    if (Messages::show(this, question) != platform::MsgAnswer::Yes)
        return;
    platform::guard(this, [&] { deleteEntry(row); });
    if (QFileInfo::exists(ArqLista))
        CarregaLista(ArqLista);
}

void TFm_Abrir::deleteEntry(int row)
{
    const CatalogueEntry chosen = m_entries.at(row);
    const auto same = [&chosen](const CatalogueEntry &e) {
        return e.code == chosen.code && e.description == chosen.description;
    };
    // The n-th of the lines equal to the chosen one, in the catalogue as it is now: lines
    // another instance appended or removed since it was read are kept as they are.
    int nth = 0;
    for (int i = 0; i < row; ++i)
        nth += same(m_entries.at(i)) ? 1 : 0;
    platform::FolderLock lock(m_dataFolder);
    QList<CatalogueEntry> now = platform::textfile::exists(ArqLista) ? catalogue::read(ArqLista)
                                                                      : QList<CatalogueEntry>{};
    qsizetype at = -1;
    int seen = 0;
    for (qsizetype i = 0; i < now.size() && seen <= nth; ++i)
        if (same(now.at(i))) {
            at = i;
            ++seen;
        }
    if (at < 0)
        return;  // already deleted by another instance
    now.removeAt(at);
    // The catalogue is rewritten first: when that fails, nothing has been deleted.
    catalogue::rewrite(ArqLista, now);
    // Two lines may carry the same code (a save that failed half-way and was retried):
    // their record file stays while another line still opens it.
    for (const auto &e : std::as_const(now))
        if (e.code == chosen.code)
            return;
    const QString record = PrefixoFicha + QString::number(chosen.code) + m_type->extension;
    if (QFileInfo::exists(record))
        platform::trash::discard(record, m_dataFolder);
}

void TFm_Abrir::Btn_CancelarClick() { reject(); }

void TFm_Abrir::done(int result)
{
    const int row = Lista_txt->currentRow();
    const bool selected = row >= 0 && Lista_txt->currentItem()->isSelected();
    if (result == QDialog::Accepted && !FichaNova && !selected)
        return;
    QDialog::done(result);
}

} // namespace app
