#include "printing/LayoutModel.h"

namespace printing {

TextLabel *Layout::label(const QString &labelName)
{
    TextLabel *found = nullptr;
    forEachElement([&](Element &e) {
        if (auto *l = std::get_if<TextLabel>(&e); l && !found && l->name == labelName)
            found = l;
    });
    return found;
}

void Layout::forEachElement(const std::function<void(Element &)> &fn)
{
    for (Band &band : bands)
        for (Element &e : band.elements)
            fn(e);
    for (Element &e : pageElements)
        fn(e);
}

} // namespace printing
