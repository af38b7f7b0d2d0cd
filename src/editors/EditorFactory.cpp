#include "editors/EditorFactory.h"

#include "editors/common/FormDescription.h"
#include "editors/fac/UF_Fac.h"
#include "editors/faca/UF_Faca.h"
#include "editors/fas/UF_Fas.h"
#include "editors/fca/UF_Fca.h"

namespace editors {

void EditorFactory::add(const FormDescription &description)
{
    add(description.type, description.create, description);
}

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

const QList<const FormDescription *> &formDescriptions()
{
    // A new form type is its own folder and one line here.
    static const QList<const FormDescription *> all{
        &TFm_Fac::description(),
        &TFm_Faca::description(),
        &TFm_Fas::description(),
        &TFm_Fca::description(),
    };
    return all;
}

const store::FormTypes &formTypes()
{
    static const store::FormTypes types = [] {
        QList<store::FormType> list;
        for (const FormDescription *d : formDescriptions())
            list.append(d->type);
        return store::FormTypes(list);
    }();
    return types;
}

void registerEditors(EditorFactory &factory)
{
    for (const FormDescription *d : formDescriptions())
        factory.add(*d);
}

} // namespace editors
