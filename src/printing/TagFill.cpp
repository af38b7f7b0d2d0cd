#include "printing/TagFill.h"

namespace printing {

void tagFill(Layout &layout, const TagValues &values)
{
    layout.forEachElement([&](Element &element) {
        if (auto *shape = std::get_if<Shape>(&element)) {
            if (shape->tag == -1)
                shape->penWidth = 2;
            else if (shape->tag == -2)
                shape->penWidth = 1;
        } else if (auto *label = std::get_if<TextLabel>(&element)) {
            if (label->tag > 0) {
                if (const std::optional<QString> value = values(label->tag))
                    label->text = *value;
            }
        }
    });
}

} // namespace printing
