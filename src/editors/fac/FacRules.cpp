#include "editors/fac/FacRules.h"

#include "editors/common/FieldTable.h"
#include "editors/common/FormFields.h"

namespace editors::fac {

namespace {

constexpr int kInscricao = 0;
constexpr int kReativacao = 2;
constexpr int kNao = 0;
constexpr int kSim = 1;
constexpr int kEmpresario = 0;
constexpr int kOutros = 16;
constexpr int kExterior = 27; // "EX - EXTERIOR"
const QString kOutrosItem = QStringLiteral("OUTROS");

QString onPage(const char *control, int page) { return QString::fromLatin1(control).arg(page); }

} // namespace

FacRules::FacRules(FormFields &form, Window window) : m_form(form), m_window(std::move(window)) {}

QStringList FacRules::lists() const
{
    return {"Inc_Pedido",        "IncCombo2",         "IncCombo8",  "IncCombo6",   "IncCombo7",
            "Inc_FormaJur",      "inc_estab",         "Inc_Trata_Socio_1", "Inc_Trata_Socio_2", "IncCombo3",
            "Cmb_Parti_1",       "Cmb_TpReg_1",       "Cmb_TpReg_2", "IncCombo5",  "Cmb_Uf_1"};
}

void FacRules::changed(const QString &list)
{
    static const QHash<QString, std::function<void(FacRules &)>> rules{
        {"Inc_Pedido", &FacRules::Inc_PedidoChange},
        {"IncCombo2", &FacRules::IncCombo2Change},
        {"IncCombo8", &FacRules::IncCombo8Change},
        {"IncCombo6", &FacRules::IncCombo6Change},
        {"IncCombo7", &FacRules::IncCombo7Change},
        {"Inc_FormaJur", &FacRules::Inc_FormaJurChange},
        {"inc_estab", &FacRules::inc_estabChange},
        {"Inc_Trata_Socio_1", [](FacRules &r) { r.Inc_Trata_SocioChange(1); }},
        {"Inc_Trata_Socio_2", [](FacRules &r) { r.Inc_Trata_SocioChange(2); }},
        {"IncCombo3", [](FacRules &r) { r.ParticipacaoChange(1); }},
        {"Cmb_Parti_1", [](FacRules &r) { r.ParticipacaoChange(2); }},
        {"Cmb_TpReg_1", [](FacRules &r) { r.Cmb_TpRegChange(1); }},
        {"Cmb_TpReg_2", [](FacRules &r) { r.Cmb_TpRegChange(2); }},
        {"IncCombo5", [](FacRules &r) { r.UfPaisChange(1); }},
        {"Cmb_Uf_1", [](FacRules &r) { r.UfPaisChange(2); }},
    };
    if (const auto rule = rules.value(list))
        rule(*this);
}

void FacRules::created() { m_form.choose(QStringLiteral("IncCombo2"), kSim); }

void FacRules::afterLine(int, const QString &)
{
    if (m_form.choiceOf(QStringLiteral("Inc_FormaJur")) == kOutros)
        rebuildOutros();
}

void FacRules::captionButton1(const QString &caption) const
{
    if (m_window.button1Caption)
        m_window.button1Caption(caption);
}

// Rule 1: a first registration has no Inscrição Estadual and always includes the first
// partner; every other request asks for it and leaves the treatments to the user.
void FacRules::Inc_PedidoChange()
{
    FormFields &f = m_form;
    const int pedido = f.choiceOf("Inc_Pedido");
    f.setState("Edit29", FieldState::Enabled);
    f.setState("IncCombo2", FieldState::Grey);
    f.choose("IncCombo2", kNao);
    const bool asksInscricao = pedido != kInscricao;
    if (!asksInscricao) {
        f.empty("Mae_Inscricao");
        f.choose("Inc_Trata_Socio_1", 0); // INCLUIR
        f.setState("Mae_Inscricao", FieldState::Grey);
        inc_estabChange();
    } else {
        f.choose("Inc_Trata_Socio_1", -1);
        f.choose("Inc_Trata_Socio_2", -1);
        f.setState("Mae_Inscricao", FieldState::Enabled);
        f.setState("IncCombo1", FieldState::Enabled);
    }
    // Central Vorda's title opens for a first registration, the Inscrição's for the others.
    f.openTitle("IncCombo2", !asksInscricao);
    if (m_window.showSecondPage)
        m_window.showSecondPage(f.choiceOf("IncCombo4") == kSim);
    f.openTitle("Mae_Inscricao", asksInscricao);
    for (const char *control : {"Mae_Inscricao", "Inc_Trata_Socio_1", "Inc_Trata_Socio_2"})
        f.setOpen(control, asksInscricao);
}

// Rule 3: under Central Vorda the block 02 questions 06, 08 and 09 are "NÃO" and closed.
void FacRules::IncCombo2Change()
{
    FormFields &f = m_form;
    if (f.choiceOf("IncCombo2") == kSim) {
        for (const char *list : {"IncCombo6", "IncCombo7", "IncCombo8"})
            f.choose(list, kNao);
        f.empty("MaskEdit4");
        f.empty("MaskEdit7");
        for (const char *control : {"IncCombo8", "IncCombo6", "IncCombo7", "MaskEdit4", "MaskEdit7"})
            f.setOpen(control, false);
    } else {
        for (const char *list : {"IncCombo6", "IncCombo7", "IncCombo8"})
            f.setOpen(list, true);
    }
}

// Rule 4: the dates and numbers that only a "SIM" asks for.
void FacRules::IncCombo8Change()
{
    const bool especial = m_form.choiceOf("IncCombo8") == kSim;
    m_form.setOpen("MaskEdit7", especial);
    if (!especial)
        m_form.empty("MaskEdit7");
}

void FacRules::IncCombo6Change()
{
    if (m_form.choiceOf("IncCombo6") == kSim) {
        m_form.choose("IncCombo7", kNao);
        m_form.setOpen("IncCombo7", false);
        m_form.empty("MaskEdit4");
        m_form.setOpen("MaskEdit4", false);
    } else {
        m_form.setOpen("IncCombo7", true);
    }
}

void FacRules::IncCombo7Change()
{
    const bool satelite = m_form.choiceOf("IncCombo7") == kSim;
    m_form.setOpen("MaskEdit4", satelite);
    if (!satelite)
        m_form.empty("MaskEdit4");
}

// Rule 5: an individual entrepreneur's first registration or reactivation turns the
// partner pages into the owner's page and the responsible person's page.
void FacRules::Inc_FormaJurChange()
{
    // The "OUTROS - " rebuild changes the list's text, not the legal form: nothing to
    // recompute, and the partner fields the user filled in must stay.
    if (m_rebuildingOutros)
        return;
    FormFields &f = m_form;
    const int forma = f.choiceOf("Inc_FormaJur");
    const int pedido = f.choiceOf("Inc_Pedido");
    if (forma == kEmpresario && (pedido == kInscricao || pedido == kReativacao))
        showOwnerPages();
    else
        showPartnerPages();

    if (FormaJurAnterior == kEmpresario) {
        for (const char *control : {"IncCombo3", "Edit8", "Edi_Perce_1", "Cmb_Parti_1", "Edi_Cargo_1", "Edi_Perce_2"})
            f.empty(control);
    }

    if (forma == kOutros) {
        f.setState("Edi_FormaJur_Outros", FieldState::Enabled);
    } else {
        f.setState("Edi_FormaJur_Outros", FieldState::Silver);
        f.empty("Edi_FormaJur_Outros");
        QStringList items = f.itemsOf("Inc_FormaJur");
        items[kOutros] = kOutrosItem;
        f.setItems("Inc_FormaJur", items);
    }
}

// The partner pages as the owner's page and the responsible person's page.
void FacRules::showOwnerPages()
{
    FormFields &f = m_form;
    f.titlePage("Sócio 1", "EMPRESARIO");
    QStringList items = f.itemsOf("IncCombo3");
    if (items.size() == 4)
        items.insert(4, "TITULAR");
    f.setItems("IncCombo3", items);
    f.choose("IncCombo3", 4);
    f.setOpen("IncCombo3", false);
    f.setText("Edi_Perce_1", "100,0");
    f.setOpen("Edi_Perce_1", false);
    f.setText("Edit8", "EMPRESARIO");
    f.setOpen("Edit8", false);
    f.titlePage("Sócio 2", "RESPONSÁVEL");
    if (Socio2Incluido) {
        captionButton1("Excluir Resposável");
        presetResponsavel();
    } else {
        captionButton1("Incluir Resposável");
    }
}

// The partner pages as the two partners' pages.
void FacRules::showPartnerPages()
{
    FormFields &f = m_form;
    f.titlePage("Sócio 1", "Sócio: 01");
    f.setOpen("Edi_Perce_1", true);
    f.setOpen("Edit8", true);
    if (f.itemsOf("IncCombo3").size() == 5) {
        QStringList items = f.itemsOf("IncCombo3");
        items.removeAt(4);
        f.setItems("IncCombo3", items);
        f.choose("IncCombo3", 0); // SÓCIO
    }
    f.setOpen("IncCombo3", true);
    f.titlePage("Sócio 2", "Sócio: 02");
    for (const char *control : {"Edi_Cargo_1", "Edi_Perce_2", "Cmb_Parti_1"})
        f.setOpen(control, true);
    captionButton1(Socio2Incluido ? "Excluir Socio: 02" : "Incluir Socio: 02");
}

// The responsible person of an individual entrepreneur: "RESPONS.", no share of the
// company, and "PROCURADOR" as office.
void FacRules::presetResponsavel()
{
    m_form.choose("Cmb_Parti_1", 1); // RESPONS.
    m_form.setOpen("Cmb_Parti_1", false);
    m_form.empty("Edi_Perce_2");
    m_form.setOpen("Edi_Perce_2", false);
    m_form.setText("Edi_Cargo_1", "PROCURADOR");
    m_form.setOpen("Edi_Cargo_1", false);
}

void FacRules::rebuildOutros()
{
    const QString outros = QStringLiteral("OUTROS - ") + m_form.shownText("Edi_FormaJur_Outros");
    QStringList items = m_form.itemsOf("Inc_FormaJur");
    items[kOutros] = outros;
    m_rebuildingOutros = true;
    m_form.setItems("Inc_FormaJur", items);
    m_form.setListText("Inc_FormaJur", outros);
    m_rebuildingOutros = false;
}

// Rule 9: an auxiliary unit is asked of a branch, or of a request other than a first
// registration or a reactivation.
void FacRules::inc_estabChange()
{
    const int pedido = m_form.choiceOf("Inc_Pedido");
    if (m_form.choiceOf("inc_estab") != 2 && (pedido == kInscricao || pedido == kReativacao)) {
        m_form.choose("IncCombo1", -1);
        m_form.setState("IncCombo1", FieldState::Grey);
    } else {
        m_form.setState("IncCombo1", FieldState::Enabled);
    }
}

// Rule 10: a change of a partner has no registration date.
void FacRules::Inc_Trata_SocioChange(int page)
{
    const QString date = onPage("Mae_DtJnt_Socio%1", page);
    if (m_form.choiceOf(onPage("Inc_Trata_Socio_%1", page)) == 1) { // ALTERAR
        m_form.setState(date, FieldState::Grey);
        m_form.empty(date);
    } else {
        m_form.setState(date, FieldState::Enabled);
    }
}

// Rule 11: a responsible person has no share.
void FacRules::ParticipacaoChange(int page)
{
    const QString condition = page == 1 ? QStringLiteral("IncCombo3") : QStringLiteral("Cmb_Parti_1");
    const QString share = onPage("Edi_Perce_%1", page);
    if (m_form.choiceOf(condition) == 1) { // RESPONS.
        m_form.empty(share);
        m_form.setState(share, FieldState::Grey);
    } else {
        m_form.setState(share, FieldState::Enabled);
    }
}

// Rule 12: the number field takes the mask of its type and holds digits only.
void FacRules::Cmb_TpRegChange(int page)
{
    const QString number = onPage("Mae_NrReg_%1", page);
    switch (m_form.choiceOf(onPage("Cmb_TpReg_%1", page))) {
    case 0:
        m_form.setMask(number, QStringLiteral("!999.999.999-99;0; "));
        m_form.setState(number, FieldState::Enabled);
        break;
    case 1:
        m_form.setMask(number, QStringLiteral("!99.999.999/9999-99;0; "));
        m_form.setState(number, FieldState::Enabled);
        break;
    default:
        m_form.setState(number, FieldState::Grey);
        m_form.empty(number);
        m_form.setMask(number, QString());
        break;
    }
}

// Rule 13: the list shows the state's code, or "EX" for abroad, whose country is asked.
void FacRules::UfPaisChange(int page)
{
    const QString uf = page == 1 ? QStringLiteral("IncCombo5") : QStringLiteral("Cmb_Uf_1");
    const QString pais = onPage("Edit%1", page);
    // While the user types, the text stays the search's completion, so that the next
    // key goes on searching ("sp" reaches SP, "ex" EX - EXTERIOR).
    if (!m_form.inUse(uf))
        showUfCode(uf);
    if (m_form.choiceOf(uf) == kExterior) {
        m_form.setState(pais, FieldState::Enabled);
    } else {
        m_form.setState(pais, FieldState::Grey);
        m_form.empty(pais);
    }
}

// The list stays matched to the item. A list whose text was emptied stays empty.
void FacRules::showUfCode(const QString &uf)
{
    const int chosen = m_form.choiceOf(uf);
    if (chosen >= 0 && !m_form.shownText(uf).isEmpty())
        m_form.setListText(uf, m_form.itemsOf(uf).at(chosen).left(2));
}

} // namespace editors::fac
