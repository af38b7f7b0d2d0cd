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
struct FormDescription;

// Creates the editor of a form type. Each editor registers itself in registerEditors();
// a type without an editor is simply not registered.
class EditorFactory {
public:
    using Creator = std::function<editors::FichaEditor *(QWidget *parent, const validation::TFm_Funcoes &funcoes)>;

    // The editor of a form type, with the type's description: a saved form of the type is
    // read, checked and printed from it without a window.
    void add(store::FormType type, Creator creator, const FormDescription &description);
    bool has(store::FormType type) const;
    // The type's description; nullptr when the type has no editor.
    const FormDescription *description(store::FormType type) const;
    // A new editor owned by parent, or nullptr when the type has none.
    editors::FichaEditor *create(store::FormType type, QWidget *parent,
                               const validation::TFm_Funcoes &funcoes) const;

private:
    std::map<store::FormType, Creator> m_creators;
    std::map<store::FormType, const FormDescription *> m_descriptions;
};

// Registers every editor that exists.
void registerEditors(EditorFactory &factory);

} // namespace editors
