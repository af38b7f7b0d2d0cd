#pragma once

#include "printing/LayoutModel.h"
#include "printing/PrintRequest.h"

namespace printing {

// Creates a layout for one print: the layout as designed, its own first steps, the tag
// fill from the editor's values, the margins read anew from the settings file, its own
// further steps. Raises platform::RaisedError when the layout cannot be loaded.
Layout createLayout(const PrintLayout &layout, const TagValues &values, const QString &settingsFile);

// The layout exactly as a print lays it out: created with the program folder's margins,
// the print fonts' substitutions installed for the measuring and drawing to come.
Layout createLayoutForPrint(const PrintLayout &layout, const TagValues &values);

} // namespace printing
