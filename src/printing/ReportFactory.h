#pragma once

#include "printing/LayoutModel.h"
#include "printing/TagFill.h"

namespace printing {

// Steps of one layout of its own, around the tag fill: before it (labels that depend
// on an editor's choice, say) and after it and the margins (texts joined from labels).
struct LayoutSteps {
    std::function<void(Layout &, const TagValues &)> beforeFill;
    std::function<void(Layout &, const TagValues &)> afterFill;
};

// Gives a layout its own steps (replacing any it had).
void registerLayoutSteps(const QString &layoutName, LayoutSteps steps);

// Creates a layout for one print: the layout as designed, its own first steps, the tag
// fill from the editor's values, the margins read anew from the settings file, its own
// further steps. Raises platform::RaisedError when the layout cannot be loaded.
Layout createLayout(const QString &layoutName, const TagValues &values, const QString &settingsFile);

} // namespace printing
