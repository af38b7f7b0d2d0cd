#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace editors {

// The save prompt of a new form: Sim with a description, Não, or Cancelar.
class TFm_Salvar : public QDialog {
    Q_OBJECT
public:
    enum Result { Cancel = QDialog::Rejected, Yes = QDialog::Accepted, No = 2 };

    explicit TFm_Salvar(const QString &caption, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Lab_TIT_Descricao = nullptr;
    QLineEdit *Edi_Descricao = nullptr;
    QPushButton *Btn_Sim = nullptr;
    QPushButton *Btn_Nao = nullptr;
    QPushButton *Btn_Cancelar = nullptr;

    // The description, trimmed of blanks.
    QString descricao() const;

    void Edi_DescricaoChange();
};

} // namespace editors
