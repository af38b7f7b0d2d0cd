#pragma once

#include "printing/LayoutModel.h"

#include <QByteArray>
#include <QStringList>

namespace printing {

// Reads the print layouts kept as JSON in the program's resources
// (:/printing/layouts/<name>.json).
class LayoutLoader {
public:
    // The layout of that name, as designed (not filled, no margins applied).
    // Raises platform::RaisedError when there is no such layout or it is damaged.
    static Layout load(const QString &name);

    // Parses a layout description; raises platform::RaisedError naming what is wrong.
    static Layout parse(const QByteArray &json);

    // The names of the layouts the program holds.
    static QStringList names();
};

} // namespace printing
