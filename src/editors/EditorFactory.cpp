#include "editors/EditorFactory.h"

#include "store/FichaEditor.h"

namespace editors {

void EditorFactory::add(store::FormType type, Creator creator) { m_creators[type] = std::move(creator); }

bool EditorFactory::has(store::FormType type) const { return m_creators.count(type) > 0; }

store::FichaEditor *EditorFactory::create(store::FormType type, QWidget *parent,
                                          const validation::TFm_Funcoes &funcoes) const
{
    const auto it = m_creators.find(type);
    return it == m_creators.end() ? nullptr : it->second(parent, funcoes);
}

void registerEditors(EditorFactory &)
{
    // Each form editor adds its line here.
}

} // namespace editors
