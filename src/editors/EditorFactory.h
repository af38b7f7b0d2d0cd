#pragma once

#include "store/FormType.h"

#include <QStringList>

#include <functional>
#include <map>

class QWidget;

namespace store {
class FichaEditor;
}
namespace validation {
class TFm_Funcoes;
}

namespace editors {

// Creates the editor of a form type. Each editor registers itself in registerEditors();
// a type without an editor is simply not registered.
class EditorFactory {
public:
    using Creator = std::function<store::FichaEditor *(QWidget *parent, const validation::TFm_Funcoes &funcoes)>;

    // printLayouts: what the editor's printLayouts() gives, known before any editor exists
    // so that a print can be prepared while its editor is built.
    void add(store::FormType type, Creator creator, QStringList printLayouts = {});
    bool has(store::FormType type) const;
    QStringList printLayouts(store::FormType type) const;
    // A new editor owned by parent, or nullptr when the type has none.
    store::FichaEditor *create(store::FormType type, QWidget *parent,
                               const validation::TFm_Funcoes &funcoes) const;

private:
    struct Entry {
        Creator creator;
        QStringList printLayouts;
    };
    std::map<store::FormType, Entry> m_entries;
};

// Registers every editor that exists.
void registerEditors(EditorFactory &factory);

} // namespace editors
