#include "printing/ReportFactory.h"

#include "printing/LayoutLoader.h"
#include "printing/Margins.h"

namespace printing {

Layout createLayout(const PrintLayout &printLayout, const TagValues &values, const QString &settingsFile)
{
    Layout layout = LayoutLoader::load(printLayout.name);
    const LayoutSteps &steps = printLayout.steps;
    if (steps.beforeFill)
        steps.beforeFill(layout, values);
    tagFill(layout, values);
    applyMargins(layout, settingsFile);
    if (steps.afterFill)
        steps.afterFill(layout, values);
    return layout;
}

} // namespace printing
