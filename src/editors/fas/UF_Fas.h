#pragma once

#include "editors/common/EditorBase.h"
#include "editors/common/FieldTable.h"

class QGroupBox;
class QPushButton;
class QTabWidget;

namespace validation {
class TFm_Funcoes;
}
namespace widgets {
class TIncCombo;
}

namespace editors {

// The FAS editor: the partners and responsible persons of a taxpayer, three to a sheet.
// Its fields are made from its field table and found by name (fields()).
class TFm_Fas : public EditorBase {
    Q_OBJECT
public:
    TFm_Fas(const validation::TFm_Funcoes &funcoes, QWidget *parent = nullptr);

    QGroupBox *GrB_Empresa = nullptr;
    QGroupBox *GrB_Socios = nullptr;
    QTabWidget *PC_Socios = nullptr;
    // The taxpayer's registration type: not stored, told by the stored number's length.
    widgets::TIncCombo *Cmb_TpReg_Emp = nullptr;

    // What the FAS is apart from its window: its rules, the partners' missing Junta
    // Comercial dates that stop the print, and the copies by the taxpayer's type.
    static const FormDescription &description();
    // The field table, the tags in record-line order and in keyboard order.
    static QList<FieldRow> fieldRows();
    static const QList<int> &recordOrder();
    static QList<int> tabOrder();

private:
    void FormCreate();

    const validation::TFm_Funcoes &m_funcoes;
};

} // namespace editors
