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
    Layout layout = LayoutLoader::load(layoutName);
    const LayoutSteps steps = stepsByLayout().value(layoutName);
    if (steps.beforeFill)
        steps.beforeFill(layout, values);
    tagFill(layout, values);
    applyMargins(layout, settingsFile);
    if (steps.afterFill)
        steps.afterFill(layout, values);
    return layout;
}

} // namespace printing
