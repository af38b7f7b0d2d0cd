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

// How many characters of the value a joined label holds with the rest of its line (the
// date after the place, say) printing whole: the longest start of the value that lets
// the whole line print.
int joinedRoom(const LayoutEngine &engine, const TextLabel &label, double bandWidth, const QString &value,
               const TextFit &fit)
{
    const int total = fitLength(value);
    const qsizetype at = label.text.indexOf(value);
    if (at < 0)   // the steps changed the value on the way: count what the line loses
        return std::clamp(fit.shown - (fit.total - total), 0, total);
    auto printsWhole = [&](int n) {
        TextLabel shorter = label;
        shorter.text = label.text.left(at) + value.left(n) + label.text.mid(at + value.size());
        return engine.fit(shorter, bandWidth).whole();
    };
    int low = 0;   // prints whole, or nothing of the value does
    int high = total;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (printsWhole(mid))
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

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
                cut.total = fitLength(*value);
                cut.shown = joinedRoom(engine, *label, layout.bandWidth, *value, fit);
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
