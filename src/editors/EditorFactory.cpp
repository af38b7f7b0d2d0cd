#include "editors/EditorFactory.h"

#include "editors/fca/UF_Fca.h"
#include "store/FichaEditor.h"

namespace editors {

void EditorFactory::add(store::FormType type, Creator creator, QStringList printLayouts)
{
    m_entries[type] = Entry{std::move(creator), std::move(printLayouts)};
}

bool EditorFactory::has(store::FormType type) const { return m_entries.count(type) > 0; }

QStringList EditorFactory::printLayouts(store::FormType type) const
{
    const auto it = m_entries.find(type);
    return it == m_entries.end() ? QStringList() : it->second.printLayouts;
}

store::FichaEditor *EditorFactory::create(store::FormType type, QWidget *parent,
                                          const validation::TFm_Funcoes &funcoes) const
{
    const auto it = m_entries.find(type);
    return it == m_entries.end() ? nullptr : it->second.creator(parent, funcoes);
}

void registerEditors(EditorFactory &factory)
{
    factory.add(store::FormType::FCA, [](QWidget *parent, const validation::TFm_Funcoes &funcoes) {
        return new TFm_Fca(funcoes, parent);
    }, TFm_Fca::printLayoutNames());
}

} // namespace editors
