#pragma once

#include "printing/LayoutModel.h"
#include "printing/PrintRequest.h"

namespace printing {

// Creates a layout for one print: the layout as designed, its own first steps, the tag
// fill from the editor's values, the margins read anew from the settings file, its own
// further steps. Raises platform::RaisedError when the layout cannot be loaded.
Layout createLayout(const PrintLayout &layout, const TagValues &values, const QString &settingsFile);

} // namespace printing
