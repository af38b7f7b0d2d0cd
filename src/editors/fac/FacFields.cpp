// The FAC's fields, as the form lists them: request strip, then the pages "Anexo",
// "Contribuinte", "Informações", "Sócios" and "Declarante".
#include "editors/common/CheckBinding.h"
#include "editors/common/FieldFormats.h"
#include "editors/fac/UF_Fac.h"

namespace editors {

namespace {

const QString kMaskCnpj = QStringLiteral("!99.999.999/9999-99;1; ");
const QString kMaskCpf = QStringLiteral("!999.999.999-99;1; ");
const QString kMaskInscricao = QStringLiteral("!999.999.99-9;1; ");
const QStringList kNaoSim{QStringLiteral("NÃO"), QStringLiteral("SIM")};
const QString kBlank = QStringLiteral(" ");

// The checks of single fields as the user leaves them (MaskEdit1Exit, Mae_ContadorCpfExit...).
using namespace validation;
const RowCheck kDate = [](const CheckInput &in) { return checkDate(in.text, msg::kDataInvalidaFac); };
const RowCheck kCnpj = [](const CheckInput &in) { return checkCnpj(in.funcoes, in.text); };
const RowCheck kCpf = [](const CheckInput &in) { return checkCpf(in.funcoes, in.text); };
const RowCheck kIe = [](const CheckInput &in) { return checkIe(in.funcoes, in.text, msg::kIeInvalidaFac); };
const RowCheck kEmail = [](const CheckInput &in) { return checkEmail(in.funcoes, in.text); };
const RowCheck kMoney = [](const CheckInput &in) { return checkMoney(in.funcoes, in.text); };
const RowCheck kPercentage = [](const CheckInput &in) { return checkPercentage(in.funcoes, in.text); };

QStringList withBlank(QStringList items)
{
    items.append(kBlank);
    return items;
}

// One partner page's fields (page 0 or 1): each row names its control and tag on both
// pages; page 2 may start otherwise than page 1.
QList<FieldRow> partnerRows(int page)
{
    const auto pick = [page](auto first, auto second) { return page == 0 ? first : second; };
    const QString box = pick("Sócio 1", "Sócio 2");
    const QString type = pick("Cmb_TpReg_1", "Cmb_TpReg_2");
    const auto grey = FieldState::Grey;
    return {
        list(pick("Inc_Trata_Socio_1", "Inc_Trata_Socio_2"), "01 - Tratamento", pick(7011, 7021),
             withBlank({"INCLUIR", "ALTERAR", "EXCLUIR"})).at(box, 0, 0, 2).blankEntry(),
        masked(pick("Mae_DtJnt_Socio1", "Mae_DtJnt_Socio2"), "02 - Data Reg. Junta Comercial", pick(7012, 7022),
               kMaskData).initially(pick(grey, FieldState::Silver)).at(box, 0, 1, 2).checked(kDate),
        list(type, "03 - Tipo Registro", pick(7013, 7023), withBlank({"CPF", "CNPJ"})).at(box, 0, 2, 2).blankEntry(),
        // Mae_NrReg_1Exit, Mae_NrReg_2Exit: each number by the type chosen on its own page.
        masked(pick("Mae_NrReg_1", "Mae_NrReg_2"), "04 - Nº CPF/CNPJ", pick(7014, 7024), {})
            .initially(grey).at(box, 0, 3, 3).titled(pick("Lab_TIT_NrReg_1", "")).checked(partnerNumberCheck(type)),
        list(pick("IncCombo3", "Cmb_Parti_1"), "05 - Cond. Part.", pick(7015, 7025),
             withBlank({"SÓCIO", "RESPONS.", "AMBOS"})).at(box, 1, 0, 2).blankEntry(),
        multiLine(pick("RichEdit3", "RichEdit2"), "06 - Nome/Razão Social", pick(7016, 7026)).at(box, 1, 1, 7),
        text(pick("Edit8", "Edi_Cargo_1"), "07 - Função:", pick(7017, 7027), 30).at(box, 2, 0, 4),
        text(pick("Edi_Perce_1", "Edi_Perce_2"), "08- % Partic. Sociedade:", pick(7018, 7028), 4)
            .initially(grey).at(box, 2, 1, 1).money(kPercentage),
        text(pick("Edit9", "Edi_TpLog_1"), "09 - Tipo Log.", pick(7019, 7029), 7).at(box, 2, 2, 1),
        text(pick("Edit10", "Edi_NmLog_1"), "10 - Nome do Logradouro", pick(70110, 70210), 40).at(box, 3, 0, 5),
        text(pick("Edit11", "Edi_NrImv_1"), "11 - Nº Imóvel", pick(70111, 70211), 5).at(box, 3, 1, 1),
        multiLine(pick("RichEdit5", "RichEdit4"), "12 - Complemento", pick(70113, 70213)).at(box, 4, 0, 3),
        text(pick("Edit13", "Edi_Bairr_1"), "13 - Nome do Bairro", pick(70114, 70214), 40).at(box, 4, 1, 3),
        masked(pick("MaskEdit5", "Mae_Cep_1"), "14 - Nº CEP", pick(70116, 70216), kMaskCep).at(box, 5, 0, 1),
        masked(pick("MaskEdit6", "Mae_Tel_1"), "15 - Telefone", pick(70117, 70217), kMaskTelefone).at(box, 5, 1, 1),
        text(pick("Edit14", "Edi_Distr_1"), "16 - Nome do Distrito", pick(70118, 70218), 35).at(box, 5, 2, 3),
        text(pick("Edit15", "Edi_Munic_1"), "17 - Nome do Município", pick(70120, 70220), 50).at(box, 6, 0, 4),
        list(pick("IncCombo5", "Cmb_Uf_1"), "18 - UF/PAÍS", pick(70122, 70222),
             withBlank(estados() + QStringList{"EX - EXTERIOR"})).at(box, 6, 1, 2).blankEntry(),
        text(pick("Edit1", "Edit2"), "19 - Nome Do País", pick(70123, 70223), 50).initially(grey).at(box, 7, 0, 4),
    };
}

// Group 05's CNAE (7) and description (50) pairs: row 01, then rows 02.1 to 02.9, each
// spoken with the number of its row ("CNAE 01", "Descrição 02.3").
QList<FieldRow> cnaeRows()
{
    const auto code = [](const char *control, int tag, const QString &box, int line, const QString &number) {
        return text(control, {}, tag, 7).at(box, line, 0, 1).spoken("CNAE " + number);
    };
    const auto activity = [](const char *control, int tag, const QString &box, int line, const QString &number) {
        return text(control, {}, tag, 50).at(box, line, 1, 6).spoken("Descrição " + number);
    };
    const QString main = QStringLiteral("05.01");
    const QString others = QStringLiteral("05.02");
    return {
        code("Edit5", 5011, main, 0, "01"),          activity("Edit68", 5012, main, 0, "01"),
        code("Edit69", 5021, others, 0, "02.1"),     activity("Edit30", 5022, others, 0, "02.1"),
        code("Edit71", 5023, others, 1, "02.2"),     activity("Edit70", 5024, others, 1, "02.2"),
        code("Edit3", 5025, others, 2, "02.3"),      activity("Edit72", 5026, others, 2, "02.3"),
        code("Edit7", 5027, others, 3, "02.4"),      activity("Edit17", 5028, others, 3, "02.4"),
        code("Edit20", 5029, others, 4, "02.5"),     activity("Edit18", 50210, others, 4, "02.5"),
        code("Edit21", 50211, others, 5, "02.6"),    activity("Edit22", 50212, others, 5, "02.6"),
        code("Edit26", 50213, others, 6, "02.7"),    activity("Edit23", 50214, others, 6, "02.7"),
        code("Edit27", 50215, others, 7, "02.8"),    activity("Edit25", 50216, others, 7, "02.8"),
        code("Edit28", 50217, others, 8, "02.9"),    activity("Edit24", 50218, others, 8, "02.9"),
    };
}

// The request strip and the pages "Anexo" and "Contribuinte".
QList<FieldRow> requestAndTaxpayerRows()
{
    const auto grey = FieldState::Grey;
    return {
        // A. Request strip.
        list("Inc_Pedido", "01 - Nat. do Pedido :", 1,
             {"INSCRIÇÃO", "ALTERAÇÃO", "REATIVAÇÃO", "CORREÇÃO", "RECADASTRAMENTO"})
            .at("Pedido", 0, 0, 3).beside().prompting(">> PREENCHA O CAMPO 01 - NATUREZA"),
        masked("Mae_Inscricao", "02 - Insc. Est. Nº :", 2, kMaskInscricao)
            .at("Pedido", 0, 1, 2).beside().initially(grey).titled("Lab_TIT_Inscricao").checked(kIe),
        list("IncCombo2", "03 - Central Vorda:", 3, withBlank(kNaoSim))
            .at("Pedido", 0, 2, 1).beside().initially(grey).titled("Label29"),

        // B. Anexo, group 01.
        text("Edit29", "01 - Nº de Ficha Auxiliar de Sócios em Anexo:", 101, 2).at("01", 0).beside().initially(grey),

        // C. Contribuinte, group 02.
        multiLine("RichEdit1", "01 - Razão Social", 201).at("02", 0, 0),
        text("Edit59", "02 - Nome Fantasia", 202, 55).at("02", 1, 0, 3),
        masked("Mae_Cgc_Contribuinte", "03 - Nº CNPJ", 203, kMaskCnpj).at("02", 1, 1, 2).checked(kCnpj),
        masked("MaskEdit2", "04 - Insc. na Junta:", 204, "99999999999;1; ").at("02", 2, 0),
        masked("MaskEdit1", "05 - Dat.Reg.Junta:", 205, kMaskData).at("02", 2, 1).checked(kDate),
        list("IncCombo8", "06 - Contrib. Especial:", 206, kNaoSim).at("02", 2, 2),
        masked("MaskEdit7", "07 - Dat. Fim Contrato:", 207, kMaskData).at("02", 2, 3).checked(kDate),
        list("IncCombo6", "08 - Op. Logístico:", 208, kNaoSim).at("02", 3, 0),
        list("IncCombo7", "09 - Emp. Satélite:", 209, kNaoSim).at("02", 3, 1),
        masked("MaskEdit4", "10 - CNPJ Op. Logístico:", 210, kMaskCnpj).at("02", 3, 2, 2).initially(FieldState::Disabled).checked(kCnpj),
        list("IncCombo9", "11 - Port.Da Empresa:", 211, {"ME", "EPP", "DEMAIS"}).at("02", 3, 3),

        // Group 03: fields 01 to 05, the coordinates (06), fields 07 to 13.
        text("Edit60", "01 - Tipo Log.", 301, 15).at("03", 0, 0, 1),
        text("Edit61", "02 - Nome do Logradouro", 302, 40).at("03", 0, 1, 4),
        text("Edit62", "03 - Nº Imóvel", 303, 5).at("03", 0, 2, 1),
        multiLine("Edit63", "04 - Complemento", 304).at("03", 1, 0),
        multiLine("RichEdit6", "05 - Referência", 305).at("03", 2, 0),
        masked("MaskEdit9", "6.1 - Latitude", 3061, {}).at("03.06", 0, 0),
        masked("MaskEdit10", "6.2 - Longitude", 3062, {}).at("03.06", 0, 1),
        text("Edit64", "07 - Nome do Bairro", 307, 50).at("03.07", 0, 0, 3),
        masked("MaskEdit25", "08 - Nº CEP", 308, kMaskCep).at("03.07", 0, 1, 1),
        masked("MaskEdit26", "09 - Telefone", 309, kMaskTelefone).at("03.07", 0, 2, 1),
        text("Edit65", "10 - Nome do Distrito", 310, 35).at("03.07", 1, 0, 2),
        text("Edit66", "11 - Nome do Município", 311, 50).at("03.07", 1, 1, 3),
        list("IncCombo16", "12 - UF", 312, withBlank(estados())).at("03.07", 1, 2, 1).blankEntry(),
        text("Edit67", "13 - Agência da Receita Estadual - ARE", 313, 35).at("03.07", 2, 0),
    };
}

// The page "Informações", but for the CNAE rows; the marker and the declarant.
QList<FieldRow> informationAndDeclarantRows()
{
    const auto grey = FieldState::Grey;
    return {
        // D. Informações, group 04.
        list("Inc_FormaJur", "01 - Natureza Jurídica:", 401,
             {"EMPRESARIO INDIVIDUAL", "SOCIEDADE EM NOME COLETIVO", "SOCIEDADE P/ COTAS RESP.LTDA",
              "SOCIEDADE CAPITAL E INDÚSTRIA", "SOCIEDADE COMANDITA SIMPLES", "SOCIEDADE COMANDITA P/ AÇÕES",
              "SOCIEDADE CIVIL", "S/A CAPITAL ABERTO", "S/A CAPITAL FECHADO", "AUTARQUIA", "ÓRGÃO PÚBLICO",
              "CONCES. SERV.PÚBLICO", "SOC. ECONOMIA MISTA", "EMPRESA PÚBLICA", "FUNDAÇÃO", "COOPERATIVA",
              "OUTROS"})
            .at("04", 0, 0, 3),
        text("Edi_FormaJur_Outros", {}, 406, 50).at("04", 0, 1, 3).initially(grey).spoken("Natureza Jurídica - OUTROS"),
        list("inc_estab", "02 - Tipo Estabelecimento:", 402, withBlank({"ÚNICO", "MATRIZ", "FILIAL"})).at("04", 1, 0).blankEntry(),
        masked("Mae_CapSocial", "03 - Data Alt. Cap. Social:", 403, kMaskData).at("04", 1, 1).checked(kDate),
        text("Edi_CapSocial", "04 - Capital Social (Subscrito):", 404, 13).at("04", 1, 2).money(kMoney),
        text("Edit4", "05 - Patrimônio Líquido:", 405, 13).at("04", 1, 3).money(kMoney),

        // Group 05: CNAE and description of the main activity, then of nine others.
        list("IncCombo19", "03 - Característica - P. Jurídica:", 503,
             withBlank({"IMPORTADOR", "EXPORTADOR", "IMPORTADOR E EXPORTADOR", "NÃO PRATICA COMÉRCIO INTERNACIONAL"}))
            .at("05.03", 0, 0, 3)
            .blankEntry(),
        list("IncCombo1", "04 - Unidade Auxiliar:", 504,
             withBlank({"NÃO", "ALMOXARIFADO", "DEPOSITO FECHADO", "GARAGEM", "PONTO DE EXPOSIÇÃO",
                        "ESCRITORIO ADMINISTRATIVO"}))
            .at("05.03", 0, 1, 2)
            .initially(grey)
            .blankEntry(),

        // Group 06.
        text("Edit19", "01 - Nome:", 601, 35).at("06", 0, 0, 3),
        masked("MaskEdit3", "02 - Nº CRC:", 602, "ll-999999/l;1; ").at("06", 0, 1, 1),
        masked("MaskEdit8", "03 - Telefone", 603, kMaskTelefone).at("06", 0, 2, 1),
        masked("Mae_ContadorCpf", "04 - CPF", 604, kMaskCpf).at("06", 1, 0, 1).checked(kCpf),
        text("Edi_ContadorEMail", "05 - Correio Eletrônico", 605, 60).at("06", 1, 1, 3).checked(kEmail),

        // E. Sócios: the never visible second-person marker.
        list("IncCombo4", {}, 720, withBlank(kNaoSim)).at("07", 0),

        // F. Declarante, group 08.
        text("Edit16", "01 - Nome do Declarante :", 801, 46)
            .at("08", 0)
            .prompting(">> PREENCHA O CAMPO 01 - NOME DO DECLARANTE DO BLOCO 08 - DECLARAÇÃO DO CONTRIBUINTE  "),
    };
}

} // namespace

QList<FieldRow> TFm_Fac::fieldRows()
{
    // Boxes: the request strip, the groups 01 to 08 (group 03 and 05 in parts) and the
    // two partner pages.
    return requestAndTaxpayerRows() + informationAndDeclarantRows() + cnaeRows() + partnerRows(0) + partnerRows(1);
}

const QList<int> &TFm_Fac::recordOrder()
{
    // The fields the window puts first (lines 1 to 75), then the rest in layout order.
    static const QList<int> order{
        720,   1,     2,     3,     101,   201,   202,   203,   204,   205,   301,   302,   303,   304,   307,
        308,   309,   310,   311,   312,   313,   401,   402,   403,   404,   5011,  5012,  5021,  5024,  5023,
        5026,  503,   504,   601,   602,   603,   604,   605,   7011,  7012,  7013,  7014,  7015,  7016,  7017,
        7018,  7019,  70110, 70111, 70113, 70114, 70116, 70117, 70118, 70120, 70122, 7021,  7022,  7023,  7024,
        7025,  7026,  7027,  7028,  7029,  70210, 70211, 70213, 70214, 70216, 70217, 70218, 70220, 70222, 801,
        211,   209,   210,   206,   207,   208,   305,   3061,  3062,  5025,  5027,  5028,  50210, 5029,  50211,
        50212, 50214, 50217, 5022,  50218, 50216, 50213, 50215, 406,   405,   70123, 70223};
    return order;
}

const QList<int> &TFm_Fac::tabOrder()
{
    // Field numbers within each group; in group 03 the fields 05 and 06 come after 13.
    // The second-person marker (720) is never shown, so the keys never reach it.
    static const QList<int> order{
        1,     2,     3,     101,   201,   202,   203,   204,   205,   206,   207,   208,   209,   210,   211,
        301,   302,   303,   304,   307,   308,   309,   310,   311,   312,   313,   305,   3061,  3062,  401,
        406,   402,   403,   404,   405,   5011,  5012,  5021,  5022,  5023,  5024,  5025,  5026,  5027,  5028,
        5029,  50210, 50211, 50212, 50213, 50214, 50215, 50216, 50217, 50218, 503,   504,   601,   602,   603,
        604,   605,   7011,  7012,  7013,  7014,  7015,  7016,  7017,  7018,  7019,  70110, 70111, 70113, 70114,
        70116, 70117, 70118, 70120, 70122, 70123, 7021,  7022,  7023,  7024,  7025,  7026,  7027,  7028,  7029,
        70210, 70211, 70213, 70214, 70216, 70217, 70218, 70220, 70222, 70223, 720,   801};
    return order;
}

} // namespace editors
