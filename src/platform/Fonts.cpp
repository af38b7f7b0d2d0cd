#include "platform/Fonts.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace platform {

void installFontSubstitutions()
{
    static const struct {
        const char *windows;
        const char *free;
    } kMap[] = {
        {"Courier New", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
        {"Arial", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"},
        {"Verdana", "DejaVu Sans"},
    };
    for (const auto &m : kMap) {
        const QString windows = QString::fromLatin1(m.windows);
        const QString free = QString::fromLatin1(m.free);
        if (!QFont::substitutes(windows).contains(free))
            QFont::insertSubstitution(windows, free);
    }
}

} // namespace platform
