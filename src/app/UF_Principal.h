#pragma once

#include "editors/EditorFactory.h"

#include <QWidget>

#include <memory>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

namespace validation {
class TFm_Funcoes;
}

namespace app {

// The main window: the user picks a form type, and OK hands over to the open dialog
// and to the editor of that type.
class TFm_Principal : public QWidget {
    Q_OBJECT
public:
    // Without a factory, the program's own editors are used.
    explicit TFm_Principal(QWidget *parent = nullptr, const editors::EditorFactory *factory = nullptr);
    ~TFm_Principal() override;

    QString PastaDados;

    QLabel *Lab_Texto_App = nullptr;
    QGroupBox *RdGrp_TipoDoc = nullptr;
    QPushButton *Btn_Ok = nullptr;
    QPushButton *Btn_Cancelar = nullptr;
    QPushButton *Btn_Sobre = nullptr;

    // The radio group's item index, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);

    void RdGrp_TipoDocClick();
    void Btn_OkClick();
    void Btn_CancelarClick();
    void Btn_SobreClick();

    static QString aboutText();

    // Offers back what a crash kept from being saved; run once the window is up.
    void offerRecovery();

private:
    void FormCreate();
    void buildWindow();

    QButtonGroup *m_items = nullptr;
    editors::EditorFactory m_ownFactory;
    const editors::EditorFactory *m_factory = nullptr;
    std::unique_ptr<validation::TFm_Funcoes> m_funcoes;
};

} // namespace app
