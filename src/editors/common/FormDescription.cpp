#include "editors/common/FormDescription.h"

#include "editors/common/FormFields.h"

namespace editors {

namespace {

class ListRules final : public FormRules {
public:
    ListRules(FormFields &form, QList<ChangeRule> rules,
              std::function<void(FormFields &, int, const QString &)> before)
        : m_form(form), m_rules(std::move(rules)), m_before(std::move(before))
    {
    }
    QStringList lists() const override
    {
        QStringList lists;
        for (const ChangeRule &rule : m_rules)
            if (!lists.contains(rule.list))
                lists.append(rule.list);
        return lists;
    }
    void changed(const QString &list) override
    {
        for (const ChangeRule &rule : m_rules)
            if (rule.list == list)
                rule.apply(m_form);
    }
    void beforeLine(int tag, const QString &value) override
    {
        if (m_before)
            m_before(m_form, tag, value);
    }

private:
    FormFields &m_form;
    const QList<ChangeRule> m_rules;
    const std::function<void(FormFields &, int, const QString &)> m_before;
};

} // namespace

RulesMaker changeRules(QList<ChangeRule> rules, std::function<void(FormFields &, int, const QString &)> beforeLine)
{
    return [rules = std::move(rules), beforeLine = std::move(beforeLine)](FormFields &form) {
        return std::make_unique<ListRules>(form, rules, beforeLine);
    };
}

QList<printing::PrintLayout> FormDescription::printLayouts() const
{
    QList<printing::PrintLayout> layouts;
    for (const QString &name : type->layouts)
        layouts.append(printLayout ? printLayout(name) : printing::PrintLayout{name, {}});
    return layouts;
}

void FormDescription::addPages(const QList<TabPage> &tabPages)
{
    for (const TabPage &page : tabPages)
        pages.insert(page.box, page.title);
}

} // namespace editors
