#pragma once

#include <QWidget>

class QButtonGroup;
class QLabel;
class QPushButton;
class QGroupBox;

namespace app {

// The main window: the user picks a form type and OK hands over to the open dialog
// and the editor of that type.
class TFm_Principal : public QWidget {
    Q_OBJECT
public:
    explicit TFm_Principal(QWidget *parent = nullptr);
    ~TFm_Principal() override;

    QString PastaDados;

    QLabel *Lab_Texto_App = nullptr;
    QGroupBox *RdGrp_TipoDoc = nullptr;
    QButtonGroup *RdGrp_TipoDoc_Itens = nullptr;
    QPushButton *Btn_Ok = nullptr;
    QPushButton *Btn_Cancelar = nullptr;
    QPushButton *Btn_Sobre = nullptr;

    int itemIndex() const;
    void setItemIndex(int index);

    void RdGrp_TipoDocClick();
    void Btn_OkClick();
    void Btn_CancelarClick();
    void Btn_SobreClick();

private:
    void FormCreate();
};

} // namespace app
