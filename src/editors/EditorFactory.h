#pragma once

#include "store/FormType.h"

#include <functional>
#include <map>

class QWidget;

namespace validation {
class TFm_Funcoes;
}

namespace editors {

class FichaEditor;

// Creates the editor of a form type. Each editor registers itself in registerEditors();
// a type without an editor is simply not registered.
class EditorFactory {
public:
    using Creator = std::function<editors::FichaEditor *(QWidget *parent, const validation::TFm_Funcoes &funcoes)>;

    void add(store::FormType type, Creator creator);
    bool has(store::FormType type) const;
    // A new editor owned by parent, or nullptr when the type has none.
    editors::FichaEditor *create(store::FormType type, QWidget *parent,
                               const validation::TFm_Funcoes &funcoes) const;

private:
    std::map<store::FormType, Creator> m_creators;
};

// Registers every editor that exists.
void registerEditors(EditorFactory &factory);

} // namespace editors
