#pragma once

#include "editors/common/PrintProblem.h"
#include "printing/PrintRequest.h"

#include <QList>
#include <QString>

class QWidget;

namespace validation {
class TFm_Funcoes;
}

namespace editors {

struct FieldRow;
class FormFields;

// One thing that stands between a form and a clean print.
struct Pendencia {
    enum class Kind {
        Exit,    // the field's check would refuse it as the user leaves it
        Print,   // a check before printing fails on it
        Paper,   // the printed page cuts its value
    };
    Kind kind = Kind::Exit;
    QString control;   // the field's control name
    QString field;     // its number and title: "03 - Nº CNPJ"
    QString page;      // the pages it stands on, outermost first ("Sócios > Sócio : 01"); empty: none
    QString message;
};
using Pendencias = QList<Pendencia>;

// A filled form as the whole-form check reads it, in its window or without one: its
// field table, its fields, the checks before printing it fails and its printed copy.
struct FilledForm {
    const QList<FieldRow> &rows;
    const FormFields &fields;
    const validation::TFm_Funcoes &funcoes;
    PrintProblems printProblems;
    printing::PrintRequest printCopy;
};

// The whole-form check: every problem of the form at once, in the order of its field
// table and, for one field, its exit check, then the print checks, then the paper.
// Fields the user cannot reach (disabled) are not judged on exit, as their exit never
// runs. Reads the form only: no field, message or focus changes. Raises
// platform::RaisedError when a print layout cannot be loaded.
Pendencias checkWholeForm(const FilledForm &form);

// Only the values the printed page cuts, as checkWholeForm lists them.
Pendencias checkPaper(const FilledForm &form);

// "cabem 46 de 58 caracteres no papel", in a sentence of its own.
QString paperMessage(int shown, int total);

// The titles of the tab pages the widget stands on, outermost first, joined by " > ".
QString pageOf(const QWidget *widget);

// Gives the innermost tab page the widget stands on its title.
void setPageTitle(QWidget *widget, const QString &title);

// Takes the user to a field: each page it stands on is brought to the front, outermost
// first, and the field gets the focus when it can take it.
void goToField(QWidget *field);

} // namespace editors
