#pragma once

#include "printing/LayoutModel.h"
#include "validation/TFm_Funcoes.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QFrame;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace editors {

class UpDown;

// "Configurar Margens": the four page margins of every printed form, in millimetres,
// kept in Forms.ini (section Margens) for the next prints.
class TFm_Margens : public QDialog {
    Q_OBJECT
public:
    // settingsFile: the Forms.ini to read and write (the program folder's by default).
    explicit TFm_Margens(QWidget *parent = nullptr, const QString &settingsFile = QString());

    QLabel *Lab_Texto_App;
    QLineEdit *Edi_Superior;
    QLineEdit *Edi_Inferior;
    QLineEdit *Edi_Esquerda;
    QLineEdit *Edi_Direita;
    UpDown *UpD_Superior;
    UpDown *UpD_Inferior;
    UpDown *UpD_Esquerda;
    UpDown *UpD_Direita;
    QPushButton *Btn_Ok;
    QPushButton *Btn_Padrao;
    QPushButton *Btn_Cancelar;

    void FormCreate();
    // Shared by the four fields: checks the field being left.
    void Edi_SuperiorExit(QLineEdit *field);
    void Btn_PadraoClick();
    void Btn_OkClick();

protected:
    // Edi_SuperiorKeyPress, shared by the four fields, and their arrow keys.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *marginField(QWidget *parent);
    QFrame *buildPanel();
    QHBoxLayout *buildButtons();
    UpDown *upDownFor(QLineEdit *field) const;
    void setFields(const printing::MarginValues &values);

    QString m_settingsFile;
    validation::TFm_Funcoes m_funcoes;
    // The field whose value the last exit refused, until it changes: Ok does not store
    // a value the user has just been told is invalid.
    QPointer<QLineEdit> m_refused;
};

// "&Margens": shows the margins dialog modally, owned by the editor.
void showMarginsDialog(QWidget *editor);

} // namespace editors
