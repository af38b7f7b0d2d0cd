#include "printing/ReportFactory.h"

#include "printing/LayoutLoader.h"
#include "printing/Margins.h"

#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"

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

Layout createLayoutForPrint(const PrintLayout &layout, const TagValues &values)
{
    platform::installFontSubstitutions();
    return createLayout(layout, values, platform::ProgramFolder::settingsFile());
}

} // namespace printing
