#include "printing/Margins.h"

#include "platform/Settings.h"

namespace printing {

MarginValues readMargins(const QString &iniPath, const MarginValues &defaults)
{
    const platform::IniFile ini(iniPath);
    // A margin the dialog could not have stored (outside 0 to 200) would push the page
    // off the sheet: it counts as no value at all.
    const auto margin = [&ini](const QString &key, int fallback) {
        const std::optional<int> value = ini.readInteger(kMarginsSection, key);
        return value && *value >= kMarginMinimum && *value <= kMarginMaximum ? *value : fallback;
    };
    return MarginValues{margin(kKeyTop, defaults.top), margin(kKeyBottom, defaults.bottom),
                        margin(kKeyLeft, defaults.left), margin(kKeyRight, defaults.right)};
}

void writeMargins(const QString &iniPath, const MarginValues &values)
{
    platform::IniFile ini(iniPath);
    ini.writeInteger(kMarginsSection, kKeyTop, values.top);
    ini.writeInteger(kMarginsSection, kKeyBottom, values.bottom);
    ini.writeInteger(kMarginsSection, kKeyLeft, values.left);
    ini.writeInteger(kMarginsSection, kKeyRight, values.right);
    ini.save();
}

PageMargins toMillimetres(const MarginValues &values, LayoutUnit unit)
{
    const double scale = unit == LayoutUnit::TenthsOfMillimetre ? 0.1 : 1.0;
    return PageMargins{values.top * scale, values.bottom * scale, values.left * scale, values.right * scale};
}

void applyMargins(Layout &layout, const QString &iniPath)
{
    layout.margins = toMillimetres(readMargins(iniPath, layout.marginDefaults), layout.unit);
}

} // namespace printing
