#pragma once

#include "printing/LayoutModel.h"

namespace printing {

// Forms.ini, section Margens: the four page margins the user sets in TFm_Margens,
// shared by every form type. The right margin's key is spelled Direitaa.
inline const QString kMarginsSection = QStringLiteral("Margens");
inline const QString kKeyTop = QStringLiteral("Superior");
inline const QString kKeyBottom = QStringLiteral("Inferior");
inline const QString kKeyLeft = QStringLiteral("Esquerda");
inline const QString kKeyRight = QStringLiteral("Direitaa");

// What the dialog shows when the file holds nothing, and what Padrão puts back.
inline constexpr MarginValues kDialogMarginDefaults{6, 5, 6, 5};

// The range of the dialog's up-down arrows: the only margins the program ever stores.
inline constexpr int kMarginMinimum = 0;
inline constexpr int kMarginMaximum = 200;

// Reads the four margins; a key that is missing, not a whole number, or outside the
// dialog's range gives its default. Raises platform::RaisedError when Forms.ini is not a
// readable settings file.
MarginValues readMargins(const QString &iniPath, const MarginValues &defaults);

// Writes the four margins; raises platform::RaisedError when the file cannot be written.
void writeMargins(const QString &iniPath, const MarginValues &values);

// Whole numbers in a layout's unit, as millimetres.
PageMargins toMillimetres(const MarginValues &values, LayoutUnit unit);

// Reads the margins anew with the layout's own defaults and sets them on its page.
void applyMargins(Layout &layout, const QString &iniPath);

} // namespace printing
