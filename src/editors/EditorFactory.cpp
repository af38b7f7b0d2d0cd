#include "editors/EditorFactory.h"

#include "editors/fac/UF_Fac.h"
#include "editors/faca/UF_Faca.h"
#include "editors/fas/UF_Fas.h"
#include "editors/fca/UF_Fca.h"
#include "editors/common/FichaEditor.h"

namespace editors {

void EditorFactory::add(store::FormType type, Creator creator) { m_creators[type] = std::move(creator); }

bool EditorFactory::has(store::FormType type) const { return m_creators.count(type) > 0; }

editors::FichaEditor *EditorFactory::create(store::FormType type, QWidget *parent,
                                          const validation::TFm_Funcoes &funcoes) const
{
    const auto it = m_creators.find(type);
    return it == m_creators.end() ? nullptr : it->second(parent, funcoes);
}

void registerEditors(EditorFactory &factory)
{
    factory.add(store::FormType::FAC, [](QWidget *parent, const validation::TFm_Funcoes &funcoes) {
        return new TFm_Fac(funcoes, parent);
    });
    factory.add(store::FormType::FACA, [](QWidget *parent, const validation::TFm_Funcoes &funcoes) {
        return new TFm_Faca(funcoes, parent);
    });
    factory.add(store::FormType::FAS, [](QWidget *parent, const validation::TFm_Funcoes &funcoes) {
        return new TFm_Fas(funcoes, parent);
    });
    factory.add(store::FormType::FCA, [](QWidget *parent, const validation::TFm_Funcoes &funcoes) {
        return new TFm_Fca(funcoes, parent);
    });
}

} // namespace editors
