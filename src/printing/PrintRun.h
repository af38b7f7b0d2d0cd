#pragma once

// What the rest of the program calls to print: the editors' print entry ("&Imprimir"
// and the `pdf` command).

#include "printing/PrintRequest.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QWidget;

namespace platform {
class PrintDialog;
}

namespace printing {


class PrintRun {
public:
    // The print run of "&Imprimir", once the editor's own checks have passed: puts
    // copiesPreset into the print dialog and shows it; unless the user cancels, prints
    // each layout of the request, filled from its values, as one job on the chosen
    // printer with the chosen copies. Cancelling prints nothing and says nothing; a
    // printer that cannot be used is reported. Returns true when every layout printed.
    // Never throws.
    static bool run(QWidget *editor, const PrintRequest &request, int copiesPreset, platform::PrintDialog &dialog);
};

// The copies a layout is usually printed with (TRl_Fca: 2); 1 for an unknown layout.
int copiesPreset(const QString &layoutName);

// Renders every page of the request's layouts, in order, to one A4 portrait PDF with
// its fonts embedded and its text selectable, through the same drawing and the same
// PDF engine as a print to a PDF printer. The margins come from the program folder's
// Forms.ini as for printing. With SOURCE_DATE_EPOCH set, the creation date and every
// printed date are that instant, so the same form always gives the same bytes.
// On failure returns false with a message in Portuguese in *error.
bool renderPdf(const PrintRequest &request, QByteArray *pdf, QString *error);

// renderPdf written to a file. The file is replaced whole or not at all: a write that
// fails leaves no partial file and reports the system's cause. A new file gets the
// user's umask, an existing one keeps its mode.
bool renderToPdf(const PrintRequest &request, const QString &pdfPath, QString *error);

// Puts `when` (as UTC) in the PDF's creation date, which Qt's engine always takes from
// the wall clock. The new date has the length of the old one, so nothing behind it
// moves. A PDF whose date has another shape is returned unchanged.
QByteArray withCreationDate(const QByteArray &pdf, const QDateTime &when);

} // namespace printing
