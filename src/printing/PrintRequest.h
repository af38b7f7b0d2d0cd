#pragma once

#include "printing/LayoutModel.h"
#include "printing/TagFill.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>

namespace printing {

// Steps of one layout of its own, around the tag fill: before it (labels that depend
// on an editor's choice, say) and after it and the margins (texts joined from labels).
struct LayoutSteps {
    std::function<void(Layout &, const TagValues &)> beforeFill;
    std::function<void(Layout &, const TagValues &)> afterFill;
};

// One page kind to print, with the steps of its own that the editor gives it.
struct PrintLayout {
    QString name;
    LayoutSteps steps;
    // Labels that the layout's steps fill with a field's value among other text (a place
    // and date joined on one line, say): label name -> the Tag of the field whose value it shows.
    QHash<QString, int> joinedLabels = {};
};

// What an editor hands to a print: its layouts in printing order and the values of
// its fields by Tag. Printing never sees the editor's controls.
struct PrintRequest {
    QList<PrintLayout> layouts;
    TagValues values;
};

} // namespace printing
