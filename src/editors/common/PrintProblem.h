#pragma once

#include <QList>
#include <QString>

namespace editors {

// A check before printing that the form fails: the field to fix, by its control's name,
// and what the user is told.
struct PrintProblem {
    QString control;
    QString message;
    friend bool operator==(const PrintProblem &, const PrintProblem &) = default;
};
using PrintProblems = QList<PrintProblem>;

} // namespace editors
