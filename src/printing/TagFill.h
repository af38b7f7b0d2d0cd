#pragma once

#include "printing/LayoutModel.h"

#include <functional>
#include <optional>

namespace printing {

// The value an editor gives for a Tag: that of its first control with the Tag, or
// nothing when no control has it or the control is of a kind that prints nothing of
// its own (the label then keeps its layout text).
using TagValues = std::function<std::optional<QString>(int tag)>;

// Copies the editor's values into a layout, walking every band in order and then the
// page elements: a shape tagged -1 gets the heavy pen (2), one tagged -2 the thin pen
// (1); a text label with a positive Tag takes the value for its Tag, unchanged.
void tagFill(Layout &layout, const TagValues &values);

} // namespace printing
