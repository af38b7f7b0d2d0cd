// The FAC window's own rules: the page guard, the remembered legal form, the other legal
// form's exit, the second person's button, the clearing and the help; and the bindings
// that hand the lists' changes to the form's rules.
#include "editors/common/FieldBehaviour.h"
#include "editors/fac/UF_Fac.h"
#include "platform/FocusExit.h"
#include "platform/Messages.h"
#include "platform/PageSwitch.h"
#include "platform/RaisedError.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace editors {

namespace {
constexpr int kNao = 0;
constexpr int kSim = 1;
constexpr int kEmpresario = 0;
} // namespace

void TFm_Fac::bindRules()
{
    useDescription(description(), &m_rules);
    // Rule 13's code replaces the item's text once it is chosen: when the list is closed
    // or left, not while the user types its beginning.
    for (auto *uf : {IncCombo5, Cmb_Uf_1}) {
        const QString name = uf->objectName();
        connect(uf, &widgets::TIncCombo::OnCloseUp, this, [this, name] { m_rules.showUfCode(name); });
        platform::FocusExit::bind(uf, [this, name] { m_rules.showUfCode(name); });
    }
    platform::FocusExit::bind(Edi_FormaJur_Outros, [this] { Edi_FormaJur_OutrosExit(); });

    // Rule 6: entry into the legal form and every key in it remember its index; the
    // key press is seen before the list reacts, the release after.
    hookEvents(Inc_FormaJur, [this](QEvent *e) {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)
            Inc_FormaJurEnter();
        return false;
    });

    // Rule 2 guards the pages the user switches to, by mouse or keyboard, not those
    // the program shows.
    connect(platform::PageSwitch::install(PC_Fac), &platform::PageSwitch::switchedByUser, this,
            [this] { platform::guard(this, [this] { PC_FacChange(); }); });
}

// Rule 2: no page but "Anexo" before the request nature is chosen.
void TFm_Fac::PC_FacChange()
{
    if (Inc_Pedido->ItemIndex() >= 0) {
        setFieldState(Edit29, FieldState::Enabled);
        return;
    }
    PC_Fac->setCurrentWidget(TabSheet7);
    Inc_Pedido->setFocus();
    setFieldState(Edit29, FieldState::Grey);
    platform::Messages::show(this, platform::applicationTitle(), QStringLiteral("PREENCHA O CAMPO NATUREZA DO PEDIDO!"),
                             platform::MsgIcon::None);
}

// Rule 6.
void TFm_Fac::Inc_FormaJurEnter() { m_rules.FormaJurAnterior = Inc_FormaJur->ItemIndex(); }

// Rule 7.
void TFm_Fac::Edi_FormaJur_OutrosExit() { m_rules.rebuildOutros(); }

// Rule 8: the second partner, or the responsible person of an individual entrepreneur,
// lives on page "Sócio : 02".
void TFm_Fac::Button1Click()
{
    bool &incluido = m_rules.Socio2Incluido;
    if (IncCombo4->ItemIndex() == kNao)
        incluido = false;
    else if (IncCombo4->ItemIndex() == kSim)
        incluido = true;
    incluido = !incluido;
    const bool empresario = Inc_FormaJur->ItemIndex() == kEmpresario;
    const QString question = empresario ? QStringLiteral("Você tem certeza de que quer apagar o Responsável?")
                                        : QStringLiteral("Você tem certeza de que quer apagar o Sócio: 2?");
    if (incluido) {
        Inc_Trata_Socio_2->SetItemIndex(0); // INCLUIR
        IncCombo4->SetItemIndex(kSim);
        if (empresario) {
            Button1->setText(QStringLiteral("Excluir Responsável"));
            PC_Socios->setTabText(1, QStringLiteral("RESPONSÁVEL"));
            m_rules.presetResponsavel();
        } else {
            Button1->setText(QStringLiteral("Excluir Socio: 2"));
        }
        PC_Socios->setTabVisible(1, true);
        PC_Socios->setCurrentWidget(TabSheet5);
        return;
    }
    if (platform::Messages::show(this, platform::kCaptionFichas, question, platform::MsgIcon::Question,
                                 platform::MsgButtons::YesNo)
        != platform::MsgAnswer::Yes) {
        incluido = !incluido;
        return;
    }
    IncCombo4->SetItemIndex(kNao);
    Button1->setText(empresario ? QStringLiteral("Incluir Responsável") : QStringLiteral("Incluir Sócio: 2"));
    PC_Socios->setTabVisible(1, false);
    QList<QLineEdit *> texts{Edi_TpLog_1, Edi_NmLog_1, Edi_NrImv_1, Edi_Bairr_1, Edi_Distr_1, Edi_Munic_1};
    if (!empresario)
        texts << Edi_Cargo_1 << Edi_Perce_2;
    for (QLineEdit *t : texts)
        t->clear();
    for (auto *list : {Inc_Trata_Socio_2, Cmb_TpReg_2, Cmb_Parti_1, Cmb_Uf_1}) {
        list->SetText(QString());
        list->SetItemIndex(-1);
    }
    for (auto *masked : {Mae_DtJnt_Socio2, Mae_NrReg_2, Mae_Cep_1, Mae_Tel_1})
        masked->Clear();
    // The type list was emptied before its selection went: its rule has not yet seen
    // "no type", which greys the number and takes its mask away.
    m_rules.Cmb_TpRegChange(2);
}

// Rule 14.
void TFm_Fac::Btn_LimparClick()
{
    if (confirmClearAll())
        limpar();
}

void TFm_Fac::limpar()
{
    LimpaCampos();
    PC_Fac->setCurrentWidget(TabSheet7);
    IncCombo2->SetItemIndex(kSim);
    setFieldState(Edit29, FieldState::Grey);
    setFieldState(Mae_Inscricao, FieldState::Grey);
    if (m_rules.Socio2Incluido) {
        m_rules.Socio2Incluido = false;
        IncCombo4->SetItemIndex(kNao);
        Button1->setText(QStringLiteral("Incluir Sócio: 2"));
        PC_Socios->setTabVisible(1, false);
    }
}

// A record that could not be read leaves nothing to ask about.
void TFm_Fac::clearAfterFailedLoad() { limpar(); }

// Rule 15.
void TFm_Fac::Button2Click()
{
    platform::Messages::show(this, platform::applicationTitle(),
                             QStringLiteral("O manual atualizado da FAC encontra-se disponível\r"
                                            "no site da Tarvoni. http://www.tarvoni.gov.br"),
                             platform::MsgIcon::None);
}

} // namespace editors
