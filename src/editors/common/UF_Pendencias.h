#pragma once

#include "editors/common/Pendencias.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace editors {

// F5 in an editor: what the whole-form check found, one row a problem (field, page,
// problem). Enter or a double-click on a row closes the window and takes the user to
// that field; Esc and "&Fechar" just close it. With nothing to report it says so in one
// line.
class TFm_Pendencias : public QDialog {
    Q_OBJECT
public:
    TFm_Pendencias(const Pendencias &pendencias, QWidget *editor);

    QLabel *Lab_Resumo = nullptr;
    QTreeWidget *Lst_Pendencias = nullptr;   // absent when there is nothing to report
    QPushButton *Btn_IrParaCampo = nullptr;  // absent when there is nothing to report
    QPushButton *Btn_Fechar = nullptr;

    // "&Ir para o campo": the chosen row's field.
    void Btn_IrParaCampoClick();

Q_SIGNALS:
    // The user chose to go to the field of that control.
    void fieldChosen(const QString &control);

private:
    Pendencias m_pendencias;
};

// "Nenhuma pendência encontrada.", "1 pendência.", "3 pendências."
QString resumoPendencias(qsizetype count);

} // namespace editors
