#include "app/UF_Principal.h"

#include "app/HandOver.h"
#include "app/RecoveryOffer.h"
#include "app/Version.h"

#include "platform/DialogKeys.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "platform/WindowPlacement.h"
#include "editors/common/FichaEditor.h"
#include "store/FormType.h"
#include "app/UF_Abrir.h"
#include "validation/TFm_Funcoes.h"

#include <QButtonGroup>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace app {

using platform::Messages;
using platform::MsgIcon;

namespace {
constexpr int kAboutWidth = 59;

QString padded(const QString &text) { return text.leftJustified(kAboutWidth, QLatin1Char(' ')); }
} // namespace

TFm_Principal::TFm_Principal(QWidget *parent, const editors::EditorFactory *factory)
    : QWidget(parent), m_factory(factory ? factory : &m_ownFactory)
{
    if (!factory)
        editors::registerEditors(m_ownFactory);
    buildWindow();
    platform::installHelpKey(this, QStringLiteral("Fichas.html"));
    FormCreate();
}

TFm_Principal::~TFm_Principal() = default;  // FormClose: the one TFm_Funcoes goes with the window

void TFm_Principal::buildWindow()
{
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    Lab_Texto_App = new QLabel(QStringLiteral("Selecione o documento que deseja preencher, e pressione "
                                              "o botão OK para continuar."), this);
    Lab_Texto_App->setWordWrap(true);
    Lab_Texto_App->setFixedHeight(28);

    RdGrp_TipoDoc = new QGroupBox(this);
    m_items = new QButtonGroup(this);
    auto *items = new QVBoxLayout(RdGrp_TipoDoc);
    for (int i = 0; i < editors::formTypes().count(); ++i) {
        auto *radio = new QRadioButton(editors::formTypes().at(i)->radioCaption, RdGrp_TipoDoc);
        m_items->addButton(radio, i);
        items->addWidget(radio);
    }
    RdGrp_TipoDoc->setAccessibleName(QStringLiteral("Tipo de documento"));

    Btn_Ok = new QPushButton(QStringLiteral("OK"), this);
    Btn_Cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    Btn_Sobre = new QPushButton(QStringLiteral("Sobre"), this);
    for (auto *b : {Btn_Ok, Btn_Cancelar, Btn_Sobre})
        b->setFixedSize(75, 25);
    Btn_Ok->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_Ok);
    buttons->addWidget(Btn_Cancelar);
    buttons->addWidget(Btn_Sobre);
    buttons->addStretch();
    auto *panel = new QWidget(this);
    panel->setFixedHeight(44);
    panel->setLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 0);
    layout->setSpacing(2);
    layout->addWidget(Lab_Texto_App);
    layout->addWidget(RdGrp_TipoDoc, 1);
    layout->addWidget(panel);
    // 353 x 196 for the original metrics; wider where this platform's font needs it.
    setFixedSize(sizeHint().expandedTo(QSize(353, 196)));

    connect(m_items, &QButtonGroup::idClicked, this, &TFm_Principal::RdGrp_TipoDocClick);
    connect(m_items, &QButtonGroup::idToggled, this, &TFm_Principal::RdGrp_TipoDocClick);
    connect(Btn_Ok, &QPushButton::clicked, this, &TFm_Principal::Btn_OkClick);
    connect(Btn_Cancelar, &QPushButton::clicked, this, &TFm_Principal::Btn_CancelarClick);
    connect(Btn_Sobre, &QPushButton::clicked, this, &TFm_Principal::Btn_SobreClick);

    // OK is the default button (Enter) and Cancelar the cancel button (Esc).
    platform::DialogKeys::install(this, Btn_Ok, Btn_Cancelar);
    platform::centreOnScreen(this);
}

void TFm_Principal::FormCreate()
{
    // The short date format and the Brazilian number format are set for the whole
    // process at start-up (platform::installBrazilianLocale, platform::kShortDateFormat).
    PastaDados = platform::ProgramFolder::dataFolder();
    if (!PastaDados.isEmpty())
        QDir().mkpath(PastaDados);  // a folder that cannot be made shows up at the first file operation
    m_funcoes = std::make_unique<validation::TFm_Funcoes>();
    platform::setApplicationTitle(kApplicationTitle);
    setWindowTitle(QStringLiteral("Quilvane"));
}

int TFm_Principal::ItemIndex() const { return m_items->checkedId(); }

void TFm_Principal::SetItemIndex(int index)
{
    if (auto *b = m_items->button(index))
        b->setChecked(true);
    RdGrp_TipoDocClick();
}

void TFm_Principal::RdGrp_TipoDocClick()
{
    const int i = ItemIndex();
    Btn_Ok->setEnabled(bool(editors::formTypes().at(i)));
}

void TFm_Principal::Btn_OkClick()
{
    const store::FormType type = editors::formTypes().at(ItemIndex());
    if (!type)
        return;
    if (!m_factory->has(type)) {
        Messages::show(this, platform::kCaptionFichas,
                       QStringLiteral("A ficha %1 ainda não está disponível nesta versão do programa.")
                           .arg(type->shortName),
                       MsgIcon::Information);
        return;
    }

    int code = 1;
    bool nova = true;
    {
        app::TFm_Abrir abrir(type, PastaDados, this);
        if (abrir.QtdFichas > 0) {
            if (abrir.exec() != QDialog::Accepted)
                return;
            code = abrir.CodFicha;
            nova = abrir.FichaNova;
        }
    }

    editors::FichaEditor *editor = m_factory->create(type, this, *m_funcoes);
    if (!editor)
        return;
    handOver(*editor, type, code, nova, PastaDados);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->exec();
}

void TFm_Principal::Btn_CancelarClick() { close(); }

void TFm_Principal::offerRecovery() { app::offerRecovery(this, PastaDados, *m_factory, *m_funcoes); }

QString TFm_Principal::aboutText()
{
    const QString rule(kAboutWidth, QLatin1Char('_'));
    const QString blank(kAboutWidth, QLatin1Char(' '));
    const QStringList lines{
        padded(QStringLiteral("Secretaria de Estado da Fazenda")),
        padded(QStringLiteral("Coordenação da Receita Estadual")),
        padded(QStringLiteral("Divisão de Cadastro de Contribuintes")),
        rule,
        blank,
        QStringLiteral("Fichas Cadastrais - FAC, FACA, FAS e FCA"),
        rule,
        blank,
        QStringLiteral("Versão: 3.1"),
        QStringLiteral("Última Atualização: 13/06/2014"),
        padded(QStringLiteral("Desenvolvido em C++ com Qt")),
    };
    return lines.join(QLatin1Char('\r'));
}

void TFm_Principal::Btn_SobreClick()
{
    // Installed, the forms live in the user's folder rather than beside the program: say where.
    Messages::show(this, platform::kCaptionFichas, aboutText() + QStringLiteral("\rDados: ") + PastaDados + QLatin1Char('\r') + kLicenceText,
                   MsgIcon::Information);
}

} // namespace app
