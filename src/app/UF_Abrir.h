#pragma once

#include "store/Catalogue.h"
#include "store/FormType.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace app {

// The open dialog of a form type: lists the saved forms of its catalogue and lets the
// user open one, start a new one or delete one.
class TFm_Abrir : public QDialog {
    Q_OBJECT
public:
    // Creating the dialog already reads the type's catalogue (creating an empty one when
    // missing, setting an unreadable one aside).
    TFm_Abrir(store::FormType type, const QString &dataFolder, QWidget *parent = nullptr);

    QLabel *Lab_Texto_App = nullptr;
    QListWidget *Lista_txt = nullptr;
    QStringList Lista_cod;          // codes parallel to Lista_txt, decimal without zeros
    QPushButton *Btn_Ok = nullptr;
    QPushButton *Btn_Novo = nullptr;
    QPushButton *Btn_Excluir = nullptr;
    QPushButton *Btn_Cancelar = nullptr;

    QString ArqLista;
    QString PrefixoFicha;
    QString TipoFicha;
    int MaiorCodigo = 0;
    int QtdFichas = 0;
    int CodFicha = 0;
    bool FichaNova = false;

    void CarregaLista(const QString &path);
    void Btn_OkClick();
    void Btn_NovoClick();
    void Btn_ExcluirClick();
    void Btn_CancelarClick();

    // Where an unreadable catalogue was set aside, empty when none was.
    QString setAsidePath() const { return m_setAside; }

    void done(int result) override;  // FormCloseQuery

private:
    void FormCreate();
    void showEntries();
    void recoverUnreadable(const QString &reason);
    // Removes the entry at the row from the catalogue, under the data folder's lock, and
    // sends its record file to the trash; raises platform::RaisedError on failure.
    void deleteEntry(int row);

    store::FormType m_type;
    QString m_dataFolder;
    QList<store::CatalogueEntry> m_entries;
    QString m_setAside;
};

} // namespace app
