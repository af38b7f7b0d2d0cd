#include "editors/EditorFactory.h"

#include "editors/fac/UF_Fac.h"
#include "editors/faca/UF_Faca.h"
#include "editors/fas/UF_Fas.h"
#include "editors/fca/UF_Fca.h"
#include "editors/common/FichaEditor.h"

namespace editors {

void EditorFactory::add(store::FormType type, Creator creator, const FormDescription &description)
{
    m_creators[type] = std::move(creator);
    m_descriptions[type] = &description;
}

const FormDescription *EditorFactory::description(store::FormType type) const
{
    const auto it = m_descriptions.find(type);
    return it == m_descriptions.end() ? nullptr : it->second;
}

bool EditorFactory::has(store::FormType type) const { return m_creators.count(type) > 0; }

editors::FichaEditor *EditorFactory::create(store::FormType type, QWidget *parent,
                                          const validation::TFm_Funcoes &funcoes) const
{
    const auto it = m_creators.find(type);
    return it == m_creators.end() ? nullptr : it->second(parent, funcoes);
}

namespace {
template <typename Editor>
void addEditor(EditorFactory &factory, store::FormType type)
{
    factory.add(
        type, [](QWidget *parent, const validation::TFm_Funcoes &funcoes) { return new Editor(funcoes, parent); },
        Editor::description());
}
} // namespace

void registerEditors(EditorFactory &factory)
{
    addEditor<TFm_Fac>(factory, store::FormType::FAC);
    addEditor<TFm_Faca>(factory, store::FormType::FACA);
    addEditor<TFm_Fas>(factory, store::FormType::FAS);
    addEditor<TFm_Fca>(factory, store::FormType::FCA);
}

} // namespace editors
