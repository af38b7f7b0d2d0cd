#pragma once

// What the rest of the program calls to print: the editors' "&Imprimir" and "&Margens",
// and the `pdf` command.

#include "widgets/TaggedField.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace platform {
class PrintDialog;
}

namespace printing {

// The layouts' names: TRl_Fac_1, TRl_Fac_2, TRl_Faca, TRl_Fas, TRl_Fca.
inline const QString kLayoutFaca = QStringLiteral("TRl_Faca");
inline const QString kLayoutFca = QStringLiteral("TRl_Fca");

class PrintRun {
public:
    // The print run of "&Imprimir", once the editor's own checks have passed: puts
    // copiesPreset into the print dialog and shows it; unless the user cancels, prints
    // each named layout, filled from the editor's tagged fields, as one job on the chosen
    // printer with the chosen copies. Cancelling prints nothing and says nothing; a
    // printer that cannot be used is reported. Returns true when every layout printed.
    // Never throws.
    static bool run(QWidget *editor, const QStringList &layoutNames, const widgets::TaggedFields &fields,
                    int copiesPreset, platform::PrintDialog &dialog);

    // The same with the program's print dialog (platform::PrintDialog::instance()).
    static bool run(QWidget *editor, const QStringList &layoutNames, const widgets::TaggedFields &fields,
                    int copiesPreset);
};

// The copies a layout is usually printed with (TRl_Fca: 2); 1 for an unknown layout.
int copiesPreset(const QString &layoutName);

// Renders every page of the named layouts, in order, filled from the fields, to one A4
// portrait PDF with its fonts embedded and its text selectable. The margins come from
// the program folder's Forms.ini as for printing. With SOURCE_DATE_EPOCH set, the PDF's
// creation date and every printed date are that instant, so the same form always gives
// the same bytes. On failure returns false with a message in Portuguese in *error.
bool renderToPdf(const QStringList &layoutNames, const widgets::TaggedFields &fields, const QString &pdfPath,
                 QString *error);

// "&Margens": shows the margins dialog modally, owned by the editor.
void showMarginsDialog(QWidget *editor);

} // namespace printing
