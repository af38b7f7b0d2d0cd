#include "printing/PaperFit.h"

#include "printing/LayoutEngine.h"
#include "printing/ReportFactory.h"
#include "printing/TextMeasurer.h"

#include <QHash>

#include <algorithm>
#include <tuple>

namespace printing {

namespace {

// One place where a Tag's value prints short, and where that place comes in the request.
struct Cut {
    int layoutIndex = 0;
    int elementIndex = 0;
    CutValue value;
};

} // namespace

QList<CutValue> cutValues(const PrintRequest &request)
{
    const FontMeasurer measurer;
    const LayoutEngine engine(measurer);
    QHash<int, Cut> byTag;   // the least shown of each Tag
    auto note = [&byTag](const Cut &cut) {
        const auto it = byTag.constFind(cut.value.tag);
        if (it == byTag.constEnd() || cut.value.shown < it->value.shown)
            byTag.insert(cut.value.tag, cut);
    };

    for (int l = 0; l < request.layouts.size(); ++l) {
        const PrintLayout &printLayout = request.layouts.at(l);
        Layout layout = createLayoutForPrint(printLayout, request.values);
        int elementIndex = 0;
        layout.forEachElement([&](Element &element) {
            const int index = elementIndex++;
            const auto *label = std::get_if<TextLabel>(&element);
            if (!label)
                return;
            const auto joined = printLayout.joinedLabels.constFind(label->name);
            const int tag = joined != printLayout.joinedLabels.constEnd() ? *joined : label->tag;
            if (tag <= 0)
                return;
            const std::optional<QString> value = request.values(tag);
            if (!value)
                return;
            const TextFit fit = engine.fit(*label, layout.bandWidth);
            if (fit.whole())
                return;
            CutValue cut{printLayout.name, tag, fit.shown, fit.total};
            if (joined != printLayout.joinedLabels.constEnd()) {
                // The rest of the line (the date after the place, say) must print whole,
                // so what the line loses is counted against the value.
                cut.total = fitLength(*value);
                cut.shown = std::clamp(fit.shown - (fit.total - cut.total), 0, cut.total);
                if (cut.shown >= cut.total)
                    return;
            }
            note(Cut{l, index, cut});
        });
    }

    QList<Cut> cuts = byTag.values();
    std::sort(cuts.begin(), cuts.end(), [](const Cut &a, const Cut &b) {
        return std::tie(a.layoutIndex, a.elementIndex) < std::tie(b.layoutIndex, b.elementIndex);
    });
    QList<CutValue> result;
    for (const Cut &cut : cuts)
        result.append(cut.value);
    return result;
}

} // namespace printing
