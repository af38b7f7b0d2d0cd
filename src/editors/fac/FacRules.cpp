// The FAC's field rules: how the request nature, Central Vorda, the legal form, the
// second person, the partner lists and the buttons tie the fields together.
#include "editors/common/FieldBehaviour.h"
#include "editors/fac/UF_Fac.h"
#include "platform/FocusExit.h"
#include "platform/Messages.h"
#include "platform/PageSwitch.h"
#include "platform/RaisedError.h"
#include "widgets/FieldValue.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace editors {

namespace {

constexpr int kInscricao = 0;
constexpr int kReativacao = 2;
constexpr int kNao = 0;
constexpr int kSim = 1;
constexpr int kEmpresario = 0;
constexpr int kOutros = 16;
const QString kOutrosItem = QStringLiteral("OUTROS");

void greyField(QWidget *w) { setFieldState(w, FieldState::Grey); }
void openField(QWidget *w) { setFieldState(w, FieldState::Enabled); }
void clear(widgets::TIncCombo *list) { list->SetItemIndex(-1); }

} // namespace

void TFm_Fac::bindRules()
{
    auto onChange = [this](widgets::TIncCombo *list, auto handler) {
        connect(list, &widgets::TIncCombo::OnChange, this, handler);
    };
    onChange(Inc_Pedido, &TFm_Fac::Inc_PedidoChange);
    onChange(IncCombo2, &TFm_Fac::IncCombo2Change);
    onChange(IncCombo8, &TFm_Fac::IncCombo8Change);
    onChange(IncCombo6, &TFm_Fac::IncCombo6Change);
    onChange(IncCombo7, &TFm_Fac::IncCombo7Change);
    onChange(Inc_FormaJur, &TFm_Fac::Inc_FormaJurChange);
    onChange(inc_estab, &TFm_Fac::inc_estabChange);
    onChange(Inc_Trata_Socio_1, [this] { Inc_Trata_SocioChange(1); });
    onChange(Inc_Trata_Socio_2, [this] { Inc_Trata_SocioChange(2); });
    onChange(IncCombo3, [this] { ParticipacaoChange(1); });
    onChange(Cmb_Parti_1, [this] { ParticipacaoChange(2); });
    onChange(Cmb_TpReg_1, [this] { Cmb_TpRegChange(1); });
    onChange(Cmb_TpReg_2, [this] { Cmb_TpRegChange(2); });
    onChange(IncCombo5, [this] { UfPaisChange(1); });
    onChange(Cmb_Uf_1, [this] { UfPaisChange(2); });
    // Rule 13's code replaces the item's text once it is chosen: when the list is closed
    // or left, not while the user types its beginning.
    for (auto *uf : {IncCombo5, Cmb_Uf_1}) {
        connect(uf, &widgets::TIncCombo::OnCloseUp, this, [uf] { showUfCode(uf); });
        platform::FocusExit::bind(uf, [uf] { showUfCode(uf); });
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

// Rule 1: a first registration has no Inscrição Estadual and always includes the first
// partner; every other request asks for it and leaves the treatments to the user.
void TFm_Fac::Inc_PedidoChange()
{
    const int pedido = Inc_Pedido->ItemIndex();
    openField(Edit29);
    greyField(IncCombo2);
    IncCombo2->SetItemIndex(kNao);
    if (pedido == kInscricao) {
        Mae_Inscricao->Clear();
        Inc_Trata_Socio_1->SetItemIndex(0); // INCLUIR
        Label29->setEnabled(true);
        Lab_TIT_Inscricao->setEnabled(false);
        greyField(Mae_Inscricao);
        inc_estabChange();
    } else {
        clear(Inc_Trata_Socio_1);
        clear(Inc_Trata_Socio_2);
        Label29->setEnabled(false);
        Lab_TIT_Inscricao->setEnabled(true);
        openField(Mae_Inscricao);
        openField(IncCombo1);
    }
    PC_Socios->setTabVisible(1, IncCombo4->ItemIndex() == kSim);
    const bool asksInscricao = pedido != kInscricao;
    for (QWidget *w : {static_cast<QWidget *>(Lab_TIT_Inscricao), static_cast<QWidget *>(Mae_Inscricao),
                       static_cast<QWidget *>(Inc_Trata_Socio_1), static_cast<QWidget *>(Inc_Trata_Socio_2)})
        w->setEnabled(asksInscricao);
}

// Rule 2: no page but "Anexo" before the request nature is chosen.
void TFm_Fac::PC_FacChange()
{
    if (Inc_Pedido->ItemIndex() >= 0) {
        openField(Edit29);
        return;
    }
    PC_Fac->setCurrentWidget(TabSheet7);
    Inc_Pedido->setFocus();
    greyField(Edit29);
    platform::Messages::show(this, platform::applicationTitle(), QStringLiteral("PREENCHA O CAMPO NATUREZA DO PEDIDO!"),
                             platform::MsgIcon::None);
}

// Rule 3: under Central Vorda the block 02 questions 06, 08 and 09 are "NÃO" and closed.
void TFm_Fac::IncCombo2Change()
{
    if (IncCombo2->ItemIndex() == kSim) {
        for (auto *list : {IncCombo6, IncCombo7, IncCombo8})
            list->SetItemIndex(kNao);
        MaskEdit4->Clear();
        MaskEdit7->Clear();
        for (QWidget *w : {static_cast<QWidget *>(IncCombo8), static_cast<QWidget *>(IncCombo6),
                           static_cast<QWidget *>(IncCombo7), static_cast<QWidget *>(MaskEdit4),
                           static_cast<QWidget *>(MaskEdit7)})
            w->setEnabled(false);
    } else {
        for (auto *list : {IncCombo6, IncCombo7, IncCombo8})
            list->setEnabled(true);
    }
}

// Rule 4: the dates and numbers that only a "SIM" asks for.
void TFm_Fac::IncCombo8Change()
{
    const bool especial = IncCombo8->ItemIndex() == kSim;
    MaskEdit7->setEnabled(especial);
    if (!especial)
        MaskEdit7->Clear();
}

void TFm_Fac::IncCombo6Change()
{
    if (IncCombo6->ItemIndex() == kSim) {
        IncCombo7->SetItemIndex(kNao);
        IncCombo7->setEnabled(false);
        MaskEdit4->Clear();
        MaskEdit4->setEnabled(false);
    } else {
        IncCombo7->setEnabled(true);
    }
}

void TFm_Fac::IncCombo7Change()
{
    const bool satelite = IncCombo7->ItemIndex() == kSim;
    MaskEdit4->setEnabled(satelite);
    if (!satelite)
        MaskEdit4->Clear();
}

// Rule 5: an individual entrepreneur's first registration or reactivation turns the
// partner pages into the owner's page and the responsible person's page.
void TFm_Fac::Inc_FormaJurChange()
{
    // The "OUTROS - " rebuild changes the list's text, not the legal form: nothing to
    // recompute, and the partner fields the user filled in must stay.
    if (m_rebuildingOutros)
        return;
    const int forma = Inc_FormaJur->ItemIndex();
    const int pedido = Inc_Pedido->ItemIndex();
    if (forma == kEmpresario && (pedido == kInscricao || pedido == kReativacao))
        showOwnerPages();
    else
        showPartnerPages();

    if (FormaJurAnterior == kEmpresario) {
        clear(IncCombo3);
        Edit8->clear();
        Edi_Perce_1->clear();
        clear(Cmb_Parti_1);
        Edi_Cargo_1->clear();
        Edi_Perce_2->clear();
    }

    if (forma == kOutros) {
        openField(Edi_FormaJur_Outros);
    } else {
        setFieldState(Edi_FormaJur_Outros, FieldState::Silver);
        Edi_FormaJur_Outros->clear();
        QStringList items = Inc_FormaJur->Items();
        items[kOutros] = kOutrosItem;
        Inc_FormaJur->SetItems(items);
    }
}

// The partner pages as the owner's page and the responsible person's page.
void TFm_Fac::showOwnerPages()
{
    PC_Socios->setTabText(0, QStringLiteral("EMPRESARIO"));
    QStringList items = IncCombo3->Items();
    if (items.size() == 4)
        items.insert(4, QStringLiteral("TITULAR"));
    IncCombo3->SetItems(items);
    IncCombo3->SetItemIndex(4);
    IncCombo3->setEnabled(false);
    widgets::setTextKeepingLength(Edi_Perce_1, QStringLiteral("100,0"));
    Edi_Perce_1->setEnabled(false);
    Edit8->setText(QStringLiteral("EMPRESARIO"));
    Edit8->setEnabled(false);
    PC_Socios->setTabText(1, QStringLiteral("RESPONSÁVEL"));
    if (Socio2Incluido) {
        Button1->setText(QStringLiteral("Excluir Resposável"));
        presetResponsavel();
    } else {
        Button1->setText(QStringLiteral("Incluir Resposável"));
    }
}

// The partner pages as the two partners' pages.
void TFm_Fac::showPartnerPages()
{
    PC_Socios->setTabText(0, QStringLiteral("Sócio: 01"));
    Edi_Perce_1->setEnabled(true);
    Edit8->setEnabled(true);
    if (IncCombo3->Count() == 5) {
        QStringList items = IncCombo3->Items();
        items.removeAt(4);
        IncCombo3->SetItems(items);
        IncCombo3->SetItemIndex(0); // SÓCIO
    }
    IncCombo3->setEnabled(true);
    PC_Socios->setTabText(1, QStringLiteral("Sócio: 02"));
    for (QWidget *w : {static_cast<QWidget *>(Edi_Cargo_1), static_cast<QWidget *>(Edi_Perce_2),
                       static_cast<QWidget *>(Cmb_Parti_1)})
        w->setEnabled(true);
    Button1->setText(Socio2Incluido ? QStringLiteral("Excluir Socio: 02") : QStringLiteral("Incluir Socio: 02"));
}

// The responsible person of an individual entrepreneur: "RESPONS.", no share of the
// company, and "PROCURADOR" as office.
void TFm_Fac::presetResponsavel()
{
    Cmb_Parti_1->SetItemIndex(1); // RESPONS.
    Cmb_Parti_1->setEnabled(false);
    Edi_Perce_2->clear();
    Edi_Perce_2->setEnabled(false);
    Edi_Cargo_1->setText(QStringLiteral("PROCURADOR"));
    Edi_Cargo_1->setEnabled(false);
}

// Rule 6.
void TFm_Fac::Inc_FormaJurEnter() { FormaJurAnterior = Inc_FormaJur->ItemIndex(); }

// Rule 7.
void TFm_Fac::Edi_FormaJur_OutrosExit() { rebuildOutros(); }

void TFm_Fac::rebuildOutros()
{
    const QString outros = QStringLiteral("OUTROS - ") + Edi_FormaJur_Outros->text();
    QStringList items = Inc_FormaJur->Items();
    items[kOutros] = outros;
    m_rebuildingOutros = true;
    Inc_FormaJur->SetItems(items);
    Inc_FormaJur->SetText(outros);
    m_rebuildingOutros = false;
}

void TFm_Fac::afterRecordLine(int, const QString &)
{
    if (Inc_FormaJur->ItemIndex() == kOutros)
        rebuildOutros();
}

// Rule 8: the second partner, or the responsible person of an individual entrepreneur,
// lives on page "Sócio : 02".
void TFm_Fac::Button1Click()
{
    if (IncCombo4->ItemIndex() == kNao)
        Socio2Incluido = false;
    else if (IncCombo4->ItemIndex() == kSim)
        Socio2Incluido = true;
    Socio2Incluido = !Socio2Incluido;
    const bool empresario = Inc_FormaJur->ItemIndex() == kEmpresario;
    const QString question = empresario ? QStringLiteral("Você tem certeza de que quer apagar o Responsável?")
                                        : QStringLiteral("Você tem certeza de que quer apagar o Sócio: 2?");
    if (Socio2Incluido) {
        Inc_Trata_Socio_2->SetItemIndex(0); // INCLUIR
        IncCombo4->SetItemIndex(kSim);
        if (empresario) {
            Button1->setText(QStringLiteral("Excluir Responsável"));
            PC_Socios->setTabText(1, QStringLiteral("RESPONSÁVEL"));
            presetResponsavel();
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
        Socio2Incluido = !Socio2Incluido;
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
        clear(list);
    }
    for (auto *masked : {Mae_DtJnt_Socio2, Mae_NrReg_2, Mae_Cep_1, Mae_Tel_1})
        masked->Clear();
    // The type list was emptied before its selection went: its rule has not yet seen
    // "no type", which greys the number and takes its mask away.
    Cmb_TpRegChange(2);
}

// Rule 9: an auxiliary unit is asked of a branch, or of a request other than a first
// registration or a reactivation.
void TFm_Fac::inc_estabChange()
{
    const int pedido = Inc_Pedido->ItemIndex();
    if (inc_estab->ItemIndex() != 2 && (pedido == kInscricao || pedido == kReativacao)) {
        clear(IncCombo1);
        greyField(IncCombo1);
    } else {
        openField(IncCombo1);
    }
}

// Rule 10: a change of a partner has no registration date.
void TFm_Fac::Inc_Trata_SocioChange(int page)
{
    auto *treatment = page == 1 ? Inc_Trata_Socio_1 : Inc_Trata_Socio_2;
    auto *date = page == 1 ? Mae_DtJnt_Socio1 : Mae_DtJnt_Socio2;
    if (treatment->ItemIndex() == 1) { // ALTERAR
        greyField(date);
        date->Clear();
    } else {
        openField(date);
    }
}

// Rule 11: a responsible person has no share.
void TFm_Fac::ParticipacaoChange(int page)
{
    auto *condition = page == 1 ? IncCombo3 : Cmb_Parti_1;
    QLineEdit *share = page == 1 ? Edi_Perce_1 : Edi_Perce_2;
    if (condition->ItemIndex() == 1) { // RESPONS.
        share->clear();
        greyField(share);
    } else {
        openField(share);
    }
}

// Rule 12: the number field takes the mask of its type and holds digits only.
void TFm_Fac::Cmb_TpRegChange(int page)
{
    auto *type = page == 1 ? Cmb_TpReg_1 : Cmb_TpReg_2;
    auto *number = page == 1 ? Mae_NrReg_1 : Mae_NrReg_2;
    switch (type->ItemIndex()) {
    case 0:
        number->SetEditMask(QStringLiteral("!999.999.999-99;0; "));
        openField(number);
        break;
    case 1:
        number->SetEditMask(QStringLiteral("!99.999.999/9999-99;0; "));
        openField(number);
        break;
    default:
        greyField(number);
        number->Clear();
        number->SetEditMask(QString());
        break;
    }
}

// Rule 13: the list shows the state's code, or "EX" for abroad, whose country is asked.
void TFm_Fac::UfPaisChange(int page)
{
    auto *uf = page == 1 ? IncCombo5 : Cmb_Uf_1;
    QLineEdit *pais = page == 1 ? Edit1 : Edit2;
    // While the user types, the text stays the search's completion, so that the next
    // key goes on searching ("sp" reaches SP, "ex" EX - EXTERIOR).
    if (!uf->hasFocus() && !uf->DroppedDown())
        showUfCode(uf);
    if (uf->ItemIndex() == 27) { // EX - EXTERIOR
        openField(pais);
    } else {
        greyField(pais);
        pais->clear();
    }
}

// The chosen item's first two characters; the list stays matched to the item. A list
// whose text was emptied stays empty.
void TFm_Fac::showUfCode(widgets::TIncCombo *uf)
{
    if (uf->ItemIndex() >= 0 && !uf->Text().isEmpty())
        uf->SetText(uf->Items().at(uf->ItemIndex()).left(2));
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
    greyField(Edit29);
    greyField(Mae_Inscricao);
    if (Socio2Incluido) {
        Socio2Incluido = false;
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
