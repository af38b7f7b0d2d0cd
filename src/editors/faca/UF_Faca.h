#pragma once

#include "editors/common/FieldTable.h"
#include "editors/faca/FACARules.h"
#include "editors/common/EditorBase.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace validation {
class TFm_Funcoes;
}
namespace widgets {
class TIncCombo;
class TMaskEdit;
}

namespace editors {

// The FACA editor: the registration update of a rural producer, the producer's property
// and its owner, and the declaration. Its fields are made from its field table and found
// by name (fields()); the rules that hang on them are in FACARules.
class TFm_Faca : public EditorBase {
    Q_OBJECT
public:
    TFm_Faca(const validation::TFm_Funcoes &funcoes, QWidget *parent = nullptr);

    QGroupBox *GrB_Cabecalho = nullptr;
    QTabWidget *PC_Faca = nullptr;
    QLabel *Lab_TIT_Inscricao = nullptr;

    widgets::TMaskEdit *Mae_Inscricao = nullptr;
    widgets::TIncCombo *Inc_Pedido = nullptr;
    widgets::TIncCombo *incCmb_Condicao = nullptr;
    widgets::TIncCombo *incCmb_Prazo = nullptr;
    widgets::TMaskEdit *MaskEdit3 = nullptr;

    QPushButton *Button1 = nullptr; // Ajuda

    void Button1Click();

    // What the FACA is apart from its window: its rules, its checks before printing and
    // its layout's place-and-date line.
    static const FormDescription &description();
    // The field table, the tags in record-line order and in keyboard order.
    static QList<FieldRow> fieldRows();
    static const QList<int> &recordOrder();
    static const QList<int> &tabOrder();

    // The manual page that stands for FACA.HLP; empty when the manual is missing.
    static QString helpFile();

private:
    void FormCreate();
    void buildPages();

    const validation::TFm_Funcoes &m_funcoes;
};

} // namespace editors
