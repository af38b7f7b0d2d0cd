#pragma once

#include "editors/common/EditorBase.h"

#include <array>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace validation {
class TFm_Funcoes;
}
namespace widgets {
class TIncCombo;
class TMaskEdit;
}

namespace editors {

// The FCA editor: the holder of a rural property and up to three other producers.
class TFm_Fca : public EditorBase {
    Q_OBJECT
public:
    TFm_Fca(const validation::TFm_Funcoes &funcoes, QWidget *parent = nullptr);

    // The fifteen items of a producer page, in item order.
    struct Produtor {
        widgets::TIncCombo *tratamento;   // 01 - Tratamento
        widgets::TMaskEdit *cpf;          // 02 - CPF
        QLineEdit *identidade;            // 03 - C. Identidade
        widgets::TIncCombo *ufIdentidade; // 04 - Uf - CI
        QLineEdit *nome;                  // 05 - Nome/Razão Social
        QLineEdit *tipoLog;               // 06 - Tipo Log.
        QLineEdit *logradouro;            // 07 - Nome do Logradouro
        QLineEdit *numero;                // 08 - Nº Imóvel
        QLineEdit *complemento;           // 09 - Complemento
        QLineEdit *bairro;                // 10 - Nome do Bairro
        widgets::TMaskEdit *cep;          // 11 - Nº CEP
        widgets::TMaskEdit *telefone;     // 12 - Telefone
        QLineEdit *distrito;              // 13 - Nome do Distrito
        QLineEdit *municipio;             // 14 - Nome do Município
        widgets::TIncCombo *uf;           // 15 - UF
        QWidget *item(int j) const;       // item 1..15
    };

    QGroupBox *GrB_Empresa = nullptr;
    QLineEdit *Edi_Razao_Empresa = nullptr;
    widgets::TMaskEdit *Mae_NrReg_Emp = nullptr;
    QLineEdit *Edit1 = nullptr;
    widgets::TMaskEdit *MaskEdit1 = nullptr;

    QGroupBox *GrB_Socios = nullptr;
    QTabWidget *PC_Produtor = nullptr;
    std::array<Produtor, 3> produtores{};

    // The named controls of the producer pages.
    widgets::TIncCombo *i_trataProdutor_1, *icb_tramento_2, *inc_tratamento_3;
    widgets::TMaskEdit *edm_NrReg_1, *edm_cpf_2, *edm_cpf_3;
    QLineEdit *ed_identidade_1, *ed_id_2, *ed_id_3;
    widgets::TIncCombo *inc_uf_id_1, *inc_uf_id_2, *inc_uf_id_3;
    QLineEdit *ed_nomeRazSocial_1, *ed_nomeRazSocial, *ed_nomeRazSoc_3;
    QLineEdit *ed_tipoLog_1, *ed_tpLog_2, *ed_tpLog_3;
    QLineEdit *Edi_NmLog_1, *ed_logradouro_2, *ed_logradouro_3;
    QLineEdit *ed_numero_1, *ed_numero_2, *ed_numero_3;
    QLineEdit *ed_complemento_1, *ed_complemento_2, *ed_complemento_3;
    QLineEdit *Edi_Bairr_1, *ed_bairro_2, *ed_bairro_3;
    widgets::TMaskEdit *edm_cep_1, *edm_cep_2, *edm_cep_3;
    widgets::TMaskEdit *edm_tel_1, *ecm_telefone_2, *edm_telefone_3;
    QLineEdit *ed_distrito_1, *ed_distrito_2, *ed_distrito_3;
    QLineEdit *ed_municipio_1, *ed_municipio_2, *ed_municipio_3;
    widgets::TIncCombo *cmb_uf_1, *inc_uf_2, *inc_uf_3;

    QPushButton *Btn_Imprimir = nullptr;
    QPushButton *Btn_Margens = nullptr;
    QPushButton *Btn_Limpar = nullptr;
    QPushButton *Btn_Fechar = nullptr;

    void Btn_LimparClick();
    void Btn_ImprimirClick();
    void Btn_MargensClick();
    void Btn_FecharClick();

    QList<printing::PrintLayout> printLayouts() const override;

    // Tags in the order of the record file's lines.
    static const std::array<int, 49> &recordOrder();

private:
    void FormCreate();
    QWidget *buildHolder();
    QWidget *buildProdutorPage(int k);
    void nameProducerControls();
    void setTabOrder();
    widgets::TaggedFields fieldsInRecordOrder() const;

    const validation::TFm_Funcoes &m_funcoes;
};

} // namespace editors
