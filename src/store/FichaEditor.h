#pragma once

#include "store/FormType.h"

#include <QDialog>

namespace store {

// What every form editor is to the main window: a modal window that receives the
// hand-over members before it is shown.
class FichaEditor : public QDialog {
    Q_OBJECT
public:
    FichaEditor(FormType type, QWidget *parent = nullptr);

    FormType formType() const { return m_type; }

    QString ArqLista;       // full path of the catalogue file
    QString ArqFicha;       // full path of the record file
    bool FichaNova = false; // no catalogue line yet
    int CodFicha = 0;

private:
    FormType m_type;
};

} // namespace store
