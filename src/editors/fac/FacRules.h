#pragma once

#include "editors/common/FormDescription.h"

#include <functional>

namespace editors {

class FormFields;

namespace fac {

// The FAC's field rules, on its fields in its window or without one: how the request
// nature, Central Vorda, the legal form, the second person and the partner lists tie the
// fields together. What only the window shows goes through `Window`, empty without one.
class FacRules final : public FormRules {
public:
    struct Window {
        std::function<void(const QString &)> button1Caption; // the include button's caption
        std::function<void(bool)> showSecondPage;            // page "Sócio : 02" in its tabs
    };
    explicit FacRules(FormFields &form, Window window = {});

    QStringList lists() const override;
    void changed(const QString &list) override;
    // Central Vorda's "SIM" closes the dependent fields of block 02.
    void created() override;
    void afterLine(int tag, const QString &value) override;

    // A second partner or responsible person is included (page "Sócio : 02" in use).
    bool Socio2Incluido = false;
    // The legal form's index when the user last entered the list or pressed a key in it.
    int FormaJurAnterior = 0;

    // The rules, by number.
    void Inc_PedidoChange();              // 1, request nature
    void IncCombo2Change();               // 3, Central Vorda
    void IncCombo8Change();               // 4, block 02's dependencies
    void IncCombo6Change();
    void IncCombo7Change();
    void Inc_FormaJurChange();            // 5, legal form
    void rebuildOutros();                 // 7, item 16 and the list read "OUTROS - " and the other form
    void presetResponsavel();             // 8, an entrepreneur's responsible person
    void inc_estabChange();               // 9, establishment type
    void Inc_Trata_SocioChange(int page); // 10, treatment
    void ParticipacaoChange(int page);    // 11, participation condition
    void Cmb_TpRegChange(int page);       // 12, type of registration
    void UfPaisChange(int page);          // 13, UF or country
    // Rule 13's code: the chosen item's first two characters, the item kept.
    void showUfCode(const QString &uf);

private:
    void showOwnerPages();
    void showPartnerPages();
    void captionButton1(const QString &caption) const;

    FormFields &m_form;
    Window m_window;
    bool m_rebuildingOutros = false;
};

} // namespace fac
} // namespace editors
