#include "printing/ReportFactory.h"

#include "printing/LayoutLoader.h"
#include "printing/Margins.h"

#include <QHash>

namespace printing {

namespace {
QHash<QString, LayoutSteps> &stepsByLayout()
{
    static QHash<QString, LayoutSteps> steps;
    return steps;
}
} // namespace

void registerLayoutSteps(const QString &layoutName, LayoutSteps steps)
{
    stepsByLayout().insert(layoutName, std::move(steps));
}

Layout createLayout(const QString &layoutName, const TagValues &values, const QString &settingsFile)
{
    return createLayout(LayoutLoader::load(layoutName), values, settingsFile);
}

Layout createLayout(Layout layout, const TagValues &values, const QString &settingsFile)
{
    const LayoutSteps steps = stepsByLayout().value(layout.name);
    if (steps.beforeFill)
        steps.beforeFill(layout, values);
    tagFill(layout, values);
    applyMargins(layout, settingsFile);
    if (steps.afterFill)
        steps.afterFill(layout, values);
    return layout;
}

} // namespace printing
