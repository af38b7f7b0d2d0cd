#include "printing/Margins.h"

#include "platform/Settings.h"

namespace printing {

MarginValues readMargins(const QString &iniPath, const MarginValues &defaults)
{
    const platform::IniFile ini(iniPath);
    return MarginValues{ini.readInteger(kMarginsSection, kKeyTop, defaults.top),
                        ini.readInteger(kMarginsSection, kKeyBottom, defaults.bottom),
                        ini.readInteger(kMarginsSection, kKeyLeft, defaults.left),
                        ini.readInteger(kMarginsSection, kKeyRight, defaults.right)};
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
