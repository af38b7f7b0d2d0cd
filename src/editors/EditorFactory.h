#pragma once

#include "store/FormType.h"

#include <QList>

#include <functional>
#include <map>

class QWidget;

namespace validation {
class TFm_Funcoes;
}

namespace editors {

class FichaEditor;
struct FormDescription;

// Creates the editor of a form type. registerEditors() adds every type's own; a type
// without an editor is simply not added.
class EditorFactory {
public:
    using Creator = std::function<editors::FichaEditor *(QWidget *parent, const validation::TFm_Funcoes &funcoes)>;

    // The type's editor as its description makes it.
    void add(const FormDescription &description);
    // Another editor for the description's type: a saved form of the type is still read,
    // checked and printed from the description without a window.
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

// Every form type the program has, in the main window's order.
const QList<const FormDescription *> &formDescriptions();
// Their types, for the main window's list, the commands and the leftovers of a data folder.
const store::FormTypes &formTypes();

// Adds the editor of every form type.
void registerEditors(EditorFactory &factory);

} // namespace editors
