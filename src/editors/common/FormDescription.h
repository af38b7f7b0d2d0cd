#pragma once

#include "editors/common/FieldTable.h"
#include "editors/common/PrintProblem.h"
#include "printing/PrintRequest.h"
#include "store/FormType.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace validation {
class TFm_Funcoes;
}

class QWidget;

namespace editors {

class FichaEditor;
class FormFields;

// A tab page of a form: its title, and the box key its rows name.
struct TabPage {
    QString title;
    QString box;
};

// The rules of one filled form, bound to its fields (in its window or not), with what
// they remember between two changes.
class FormRules {
public:
    virtual ~FormRules() = default;
    // The lists whose change runs a rule.
    virtual QStringList lists() const = 0;
    // The list changed the item it shows.
    virtual void changed(const QString &list) = 0;
    // What the rules do as the form is made, before anything is read into it.
    virtual void created() {}
    // Run as each record line is read, before and after its value goes in.
    virtual void beforeLine(int, const QString &) {}
    virtual void afterLine(int, const QString &) {}
};
using RulesMaker = std::function<std::unique_ptr<FormRules>(FormFields &)>;

// What a list's change does to the other fields of its form.
struct ChangeRule {
    QString list;   // the list whose chosen item changes
    std::function<void(FormFields &)> apply;
};
// Rules that remember nothing: each a function of the fields, run on its list's change,
// and one run before each record line.
RulesMaker changeRules(QList<ChangeRule> rules,
                       std::function<void(FormFields &, int tag, const QString &value)> beforeLine = {});

// The editor of a form type as its description makes it: the editor class's own.
template <typename Editor>
FichaEditor *makeEditor(QWidget *parent, const validation::TFm_Funcoes &funcoes)
{
    return new Editor(funcoes, parent);
}

// Everything a form type is: its captions and files, its field table, the pages its boxes
// stand on, the rules that hang on its lists, its checks before printing and its print
// steps. Its editor builds its window from it, and a saved form of the type is read,
// checked and printed from it without one.
struct FormDescription {
    store::FormType type;
    // A new editor of the type, owned by parent.
    std::function<FichaEditor *(QWidget *parent, const validation::TFm_Funcoes &)> create;
    QList<FieldRow> rows;
    // The tab pages a box stands on, outermost first; a box not listed stands on none.
    QHash<QString, QString> pages;
    RulesMaker rules;   // may be empty: no rules
    // Every check before printing that the form fails, in the order they run; may be empty.
    std::function<PrintProblems(const FormFields &, const validation::TFm_Funcoes &)> printProblems;
    // The values as the printed copy has them, from the fields' print values; empty: those.
    std::function<printing::TagValues(const FormFields &, const printing::TagValues &)> printCopyValues;
    // The copies the print dialog proposes; empty: the first layout's own preset.
    std::function<int(const FormFields &)> copiesPreset;
    // One of the type's layouts with its own steps; empty: none.
    std::function<printing::PrintLayout(const QString &name)> printLayout;

    // The type's layouts in printing order, each with its steps.
    QList<printing::PrintLayout> printLayouts() const;
    // Each page's box standing on its page, by the page's title.
    void addPages(const QList<TabPage> &tabPages);
};

} // namespace editors
