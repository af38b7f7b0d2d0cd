#pragma once

// The FAC's own part of printing, apart from the window: the two checks before printing,
// the raised case of the printed copy, and the steps of its two page layouts.

#include "printing/PrintRequest.h"
#include "widgets/TaggedField.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace editors {
struct FieldRow;
class FormFields;
}

namespace editors::facprint {

// The FAC's two page layouts, in printing order.
inline const QString kLayoutPage1 = QStringLiteral("TRl_Fac_1");
inline const QString kLayoutPage2 = QStringLiteral("TRl_Fac_2");

// The checks before printing, in their order: a request nature must be chosen, then the
// declarant's name must be given (blanks count as given). Returns the controls of the
// fields that fail (Inc_Pedido, Edit16), in that order.
QStringList printCheckFailures(int naturezaIndex, const QString &declarante);

// The text with every letter whose capital Windows-1252 holds raised to it, accented
// letters too ("comércio" -> "COMÉRCIO", "ç" -> "Ç", "ÿ" -> "Ÿ"). A letter whose capital
// is not one Windows-1252 character ("ß", "µ") and every other character stay as they are.
QString raisedCase(const QString &text);

// What raising the case of the fields changed: each field with its text before.
struct RaisedField {
    widgets::TaggedField field;
    QString before;
};
using RaisedFields = QList<RaisedField>;

// Raises the case of every single-line text and masked field, in the given order, writing
// the result back into the field; multi-line fields and lists are left as they are.
// Returns the fields that changed.
RaisedFields raiseCase(const widgets::TaggedFields &fields);
// Puts back the texts that raiseCase changed.
void restoreCase(const RaisedFields &raised);
// The print values as raiseCase would leave the fields of the table, without touching them.
printing::TagValues raisedValues(const QList<FieldRow> &rows, const FormFields &fields, const printing::TagValues &values);

// The page's "CENTRAL VORDA" caption prints only when the Central Vorda list reads "SIM".
void showCentralVorda(printing::Layout &layout, const QString &labelName, const printing::TagValues &values);

// Lab_DataImpressaoPrint: the date label prints the day of printing, whatever its text.
QString Lab_DataImpressaoPrint(const QString &text, const QDate &today);

// The steps of each page: the Central Vorda caption before the tag fill; on page 2 also
// the date hook, which reads the program's clock as the page is drawn.
printing::LayoutSteps pageSteps(const QString &layoutName);

} // namespace editors::facprint
