#pragma once

#include "editors/common/EditorBase.h"
#include "editors/common/FieldTable.h"

class QGroupBox;
class QPushButton;
class QTabWidget;

namespace validation {
class TFm_Funcoes;
}

namespace editors {

// The FCA editor: the holder of a rural property and up to three other producers.
// Its fields are made from its field table and found by name (fields()).
class TFm_Fca : public EditorBase {
    Q_OBJECT
public:
    TFm_Fca(const validation::TFm_Funcoes &funcoes, QWidget *parent = nullptr);

    QGroupBox *GrB_Empresa = nullptr;
    QGroupBox *GrB_Socios = nullptr;
    QTabWidget *PC_Produtor = nullptr;

    // What the FCA is apart from its window.
    static const FormDescription &description();
    // The field table, the tags in record-line order and in keyboard order.
    static QList<FieldRow> fieldRows();
    static const QList<int> &recordOrder();
    static const QList<int> &tabOrder();

private:
    void FormCreate();

    const validation::TFm_Funcoes &m_funcoes;
};

} // namespace editors
