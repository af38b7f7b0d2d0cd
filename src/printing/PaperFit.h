#pragma once

#include "printing/PrintRequest.h"

#include <QList>
#include <QString>

namespace printing {

// A field value that the printed page does not show whole.
struct CutValue {
    QString layout;   // the layout's name (TRl_Fac_1, ...)
    int tag = 0;      // the field's Tag
    int shown = 0;    // characters of the value that print
    int total = 0;    // characters of the value
    friend bool operator==(const CutValue &, const CutValue &) = default;
};

// Lays each layout of the request out as a print does, with the print fonts, and lists
// every field value the paper cuts: the labels with a positive Tag that show a value of
// the request, and the layout's joined labels. For a joined label the counts are the
// field value's: shown is the longest start of the value with which the whole line
// prints, the rest of the line included. A Tag printed in several places is listed once,
// where the least of it shows. Order: by layout, then by the labels' fill order.
// Raises platform::RaisedError when a layout cannot be loaded.
QList<CutValue> cutValues(const PrintRequest &request);

} // namespace printing
