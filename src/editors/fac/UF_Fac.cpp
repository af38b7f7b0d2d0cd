#include "editors/fac/UF_Fac.h"

#include "editors/common/ButtonBar.h"
#include "editors/common/FieldBehaviour.h"
#include "platform/Messages.h"
#include "platform/RaisedError.h"
#include "printing/PrintRun.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace editors {

namespace {

QGroupBox *group(const QString &caption, QWidget *parent)
{
    auto *g = new QGroupBox(caption, parent);
    // The groups and the request strip are in the regular face; the window's is bold.
    QFont regular = g->font();
    regular.setBold(false);
    g->setFont(regular);
    return g;
}

// A page of PC_Fac: its content sits in a scroll box.
QWidget *scrolledPage(QTabWidget *pages, const QString &caption, QVBoxLayout **content)
{
    auto *scroll = new QScrollArea;
    scroll->setFocusPolicy(Qt::NoFocus); // only the fields take the focus
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *inner = new QWidget;
    *content = new QVBoxLayout(inner);
    (*content)->setContentsMargins(4, 4, 4, 4);
    scroll->setWidget(inner);
    pages->addTab(scroll, caption);
    return scroll;
}

// The pages the boxes stand on, as their tabs read when the window is made.
QHash<QString, QString> facPages()
{
    QHash<QString, QString> pages{{"01", "Anexo"}, {"07", "Sócios"}, {"08", "Declarante"},
                                  {"Sócio 1", "Sócios > Sócio : 01"}, {"Sócio 2", "Sócios > Sócio : 02"}};
    for (const char *box : {"02", "03", "03.06", "03.07"})
        pages.insert(box, "Contribuinte");
    for (const char *box : {"04", "05.01", "05.02", "05.03", "06"})
        pages.insert(box, "Informações");
    return pages;
}

// A request nature, then a declarant: each missing one with its field's prompt.
PrintProblems facPrintProblems(const FormFields &form, const validation::TFm_Funcoes &)
{
    PrintProblems problems;
    for (const QString &control :
         facprint::printCheckFailures(form.choiceOf("Inc_Pedido"), form.shownText("Edit16"))) {
        QString prompt;
        for (const FieldRow &row : TFm_Fac::description().rows)
            if (row.control == control)
                prompt = row.prompt;
        problems.append({control, prompt});
    }
    return problems;
}

} // namespace

const FormDescription &TFm_Fac::description()
{
    static const FormDescription fac = [] {
        static const store::FormTypeInfo info{
            QStringLiteral("Ficha de Atualização Cadastral - FAC"), QStringLiteral("FAC"),
            QStringLiteral("Abrir - FAC"), QStringLiteral("Lista_Fac.fac"), QStringLiteral("Fac_"),
            QStringLiteral(".fac"), QStringLiteral("FAC - Ficha de Atualização Cadastral"),
            QStringLiteral("SALVAR - FAC"), {5, 5}, {facprint::kLayoutPage1, facprint::kLayoutPage2}};
        FormDescription d;
        d.type = store::FormType(info);
        d.create = makeEditor<TFm_Fac>;
        d.rows = fieldRows();
        d.pages = facPages();
        d.rules = [](FormFields &form) { return std::make_unique<fac::FacRules>(form); };
        d.printProblems = facPrintProblems;
        // The printed copy's values: the text fields in capitals.
        d.printCopyValues = [](const FormFields &form, const printing::TagValues &values) {
            return facprint::raisedValues(TFm_Fac::description().rows, form, values);
        };
        // Page 1, then page 2, each with its steps.
        d.printLayout = [](const QString &name) { return printing::PrintLayout{name, facprint::pageSteps(name)}; };
        return d;
    }();
    return fac;
}

TFm_Fac::TFm_Fac(const validation::TFm_Funcoes &funcoes, QWidget *parent)
    : EditorBase(description().type, parent), m_funcoes(funcoes),
      m_rules(m_fields, {[this](const QString &caption) { Button1->setText(caption); },
                         [this](bool shown) { PC_Socios->setTabVisible(1, shown); }})
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);

    buildWindow();
    takeMembers();
    chainTabOrder(QList<QWidget *>{} << m_fields.inTabOrder(tabOrder()).mid(0, 3) << PC_Fac
                                     << m_fields.inTabOrder(tabOrder()).mid(3) << Button1 << Button2 << Btn_Imprimir
                                     << Btn_Margens << Btn_Limpar << Btn_Fechar);
    setRecordFields(m_fields.tagged(recordOrder()));
    bindPageKeys();
    bindRules();
    FormCreate();
    fixSizeWhenShown(QSize(712, 644));
}

void TFm_Fac::buildWindow()
{
    auto *strip = new QWidget(this);
    QFont regular = strip->font();
    regular.setBold(false);
    strip->setFont(regular);
    m_fields.addBox(QStringLiteral("Pedido"), strip);

    PC_Fac = new QTabWidget(this);
    buildContribuintePages();
    buildInformacoesPage();
    buildSociosPage();
    buildDeclarantePage();

    m_fields.useFuncoes(m_funcoes);
    m_fields.build(description().rows);
    for (QWidget *w : {TabSheet4, TabSheet5})
        static_cast<QVBoxLayout *>(w->layout())->addStretch();

    Button2 = new QPushButton(QStringLiteral("&Ajuda"), this);
    makeButtons();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(strip);
    layout->addWidget(PC_Fac, 1);
    layout->addLayout(buttonBar({Button2, Btn_Imprimir, Btn_Margens, Btn_Limpar, Btn_Fechar}));

    connect(Button2, &QPushButton::clicked, this, &TFm_Fac::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TFm_Fac::Button1Click);
}

// "Anexo" (group 01) and "Contribuinte" (groups 02 and 03, with the coordinates).
void TFm_Fac::buildContribuintePages()
{
    QVBoxLayout *page = nullptr;
    TabSheet7 = scrolledPage(PC_Fac, QStringLiteral("Anexo"), &page);
    auto *g01 = group(QStringLiteral("  01 - Documentos em Anexo  "), TabSheet7);
    m_fields.addBox(QStringLiteral("01"), g01);
    page->addWidget(g01);
    page->addStretch();

    TabSheet1 = scrolledPage(PC_Fac, QStringLiteral("Contribuinte"), &page);
    auto *g02 = group(QStringLiteral("  02 - Identificação do Contribuinte - Pessoa Jurídica  "), TabSheet1);
    m_fields.addBox(QStringLiteral("02"), g02);
    auto *g03 = group(QStringLiteral("  03 - Endereço do Contribuinte - Pessoa Jurídica  "), TabSheet1);
    auto *g03Layout = new QVBoxLayout(g03);
    g03Layout->setContentsMargins(0, 0, 0, 0);
    auto *g03a = new QWidget(g03);
    auto *g0306 = group(QStringLiteral("06 - Coordenadas Geograficas (Latitude e Longitude)"), g03);
    auto *g03b = new QWidget(g03);
    for (QWidget *w : {g03a, static_cast<QWidget *>(g0306), g03b})
        g03Layout->addWidget(w);
    m_fields.addBox(QStringLiteral("03"), g03a);
    m_fields.addBox(QStringLiteral("03.06"), g0306);
    m_fields.addBox(QStringLiteral("03.07"), g03b);
    page->addWidget(g02);
    page->addWidget(g03);
    page->addStretch();
}

// "Informações": groups 04, 05 (CNAE rows under their captions) and 06.
void TFm_Fac::buildInformacoesPage()
{
    QVBoxLayout *page = nullptr;
    TabSheet2 = scrolledPage(PC_Fac, QStringLiteral("Informações"), &page);
    auto *g04 = group(QStringLiteral("  04 - Informações Acessórias  "), TabSheet2);
    m_fields.addBox(QStringLiteral("04"), g04);
    auto *g05 = group(QStringLiteral("  05 - Atividades Econômicas  "), TabSheet2);
    auto *g05Layout = new QVBoxLayout(g05);
    g05Layout->setContentsMargins(0, 0, 0, 0);
    g05Layout->setSpacing(0);
    auto columnTitles = [g05]() {
        auto *row = new QHBoxLayout;
        row->setContentsMargins(6, 0, 6, 0);
        row->addWidget(new QLabel(QStringLiteral("CNAE"), g05), 1);
        row->addWidget(new QLabel(QStringLiteral("Descrição"), g05), 6);
        return row;
    };
    auto *caption01 = new QLabel(
        QStringLiteral("01 - Principal Atividade Econômica conforme Cartão CNPJ/MF e Junta Comercial"), g05);
    auto *caption02 = new QLabel(QStringLiteral("02 - Outras Atividades Econômicas"), g05);
    auto *g0501 = new QWidget(g05);
    auto *g0502 = new QWidget(g05);
    auto *g0503 = new QWidget(g05);
    caption01->setContentsMargins(6, 2, 6, 0);
    caption02->setContentsMargins(6, 4, 6, 0);
    g05Layout->addWidget(caption01);
    g05Layout->addLayout(columnTitles());
    g05Layout->addWidget(g0501);
    g05Layout->addWidget(caption02);
    g05Layout->addLayout(columnTitles());
    g05Layout->addWidget(g0502);
    g05Layout->addWidget(g0503);
    m_fields.addBox(QStringLiteral("05.01"), g0501);
    m_fields.addBox(QStringLiteral("05.02"), g0502);
    m_fields.addBox(QStringLiteral("05.03"), g0503);
    auto *g06 = group(QStringLiteral("06 - Responsável Técnico pela Contabilidade  "), TabSheet2);
    m_fields.addBox(QStringLiteral("06"), g06);
    page->addWidget(g04);
    page->addWidget(g05);
    page->addWidget(g06);
    page->addStretch();
}

// "Sócios": the two partner pages, "Incluir Sócio: 2" and the hidden marker's box.
void TFm_Fac::buildSociosPage()
{
    QVBoxLayout *page = nullptr;
    TabSheet3 = scrolledPage(PC_Fac, QStringLiteral("Sócios"), &page);
    GrB_Socios = group(QStringLiteral("  07 - Identificação / Endereço Residencial do Sócio e/ou Responsável  "),
                       TabSheet3);
    PC_Socios = new QTabWidget(GrB_Socios);
    TabSheet4 = new QWidget;
    TabSheet5 = new QWidget;
    PC_Socios->addTab(TabSheet4, QStringLiteral("Sócio : 01"));
    PC_Socios->addTab(TabSheet5, QStringLiteral("Sócio : 02"));
    m_fields.addBox(QStringLiteral("Sócio 1"), TabSheet4);
    m_fields.addBox(QStringLiteral("Sócio 2"), TabSheet5);
    auto *socios = new QVBoxLayout(GrB_Socios);
    socios->setContentsMargins(4, 2, 4, 4);
    socios->addWidget(PC_Socios);
    auto *bar = new QWidget(TabSheet3);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(0, 0, 0, 0);
    Button1 = new QPushButton(QStringLiteral("Incluir Sócio: 2"), bar);
    Button1->setAutoDefault(false);
    barLayout->addWidget(Button1);
    barLayout->addStretch();
    auto *marker = new QWidget(bar);
    marker->hide();
    m_fields.addBox(QStringLiteral("07"), marker);
    page->addWidget(GrB_Socios);
    page->addWidget(bar);
    page->addStretch();
}

void TFm_Fac::buildDeclarantePage()
{
    QVBoxLayout *page = nullptr;
    TabSheet6 = scrolledPage(PC_Fac, QStringLiteral("Declarante"), &page);
    auto *g08 = group(QStringLiteral("08 - Declaração do Contribuinte  "), TabSheet6);
    auto *g08Layout = new QVBoxLayout(g08);
    g08Layout->setContentsMargins(6, 6, 6, 4);
    auto *declaration = new QLabel(
        QStringLiteral("Declaro para os fins e efeitos de direito, que o presente documento é a expressão da verdade."),
        g08);
    declaration->setWordWrap(true);
    g08Layout->addWidget(declaration);
    m_fields.addBox(QStringLiteral("08"), g08);
    page->addWidget(g08);
    page->addStretch();
}

// Each member is the field of its own name.
#define TAKE(member) take(member, #member)

void TFm_Fac::takeMembers()
{
    TAKE(Inc_Pedido);
    TAKE(Mae_Inscricao);
    TAKE(IncCombo2);
    Lab_TIT_Inscricao = m_fields.title(QStringLiteral("Mae_Inscricao"));
    Label29 = m_fields.title(QStringLiteral("IncCombo2"));
    TAKE(Edit29);
    TAKE(Mae_Cgc_Contribuinte);
    TAKE(MaskEdit1);
    TAKE(IncCombo8);
    TAKE(MaskEdit7);
    TAKE(IncCombo6);
    TAKE(IncCombo7);
    TAKE(MaskEdit4);
    TAKE(IncCombo16);
    TAKE(Edit67);
    TAKE(Inc_FormaJur);
    TAKE(Edi_FormaJur_Outros);
    TAKE(inc_estab);
    TAKE(Mae_CapSocial);
    TAKE(Edi_CapSocial);
    TAKE(Edit4);
    TAKE(IncCombo19);
    TAKE(IncCombo1);
    TAKE(Mae_ContadorCpf);
    TAKE(Edi_ContadorEMail);
    TAKE(IncCombo4);
    IncCombo4->setFocusPolicy(Qt::NoFocus); // the marker is never shown, so never a Tab stop
    takeSociosAndDeclaranteMembers();
}

void TFm_Fac::takeSociosAndDeclaranteMembers()
{
    TAKE(Inc_Trata_Socio_1);
    TAKE(Inc_Trata_Socio_2);
    TAKE(Mae_DtJnt_Socio1);
    TAKE(Mae_DtJnt_Socio2);
    TAKE(Cmb_TpReg_1);
    TAKE(Cmb_TpReg_2);
    TAKE(Mae_NrReg_1);
    TAKE(Mae_NrReg_2);
    Lab_TIT_NrReg_1 = m_fields.title(QStringLiteral("Mae_NrReg_1"));
    TAKE(IncCombo3);
    TAKE(Cmb_Parti_1);
    TAKE(Edit8);
    TAKE(Edi_Cargo_1);
    TAKE(Edi_Perce_1);
    TAKE(Edi_Perce_2);
    TAKE(Edi_TpLog_1);
    TAKE(Edi_NmLog_1);
    TAKE(Edi_NrImv_1);
    TAKE(Edi_Bairr_1);
    TAKE(Edi_Distr_1);
    TAKE(Edi_Munic_1);
    TAKE(Mae_Cep_1);
    TAKE(Mae_Tel_1);
    TAKE(IncCombo5);
    TAKE(Cmb_Uf_1);
    TAKE(Edit1);
    TAKE(Edit2);
    TAKE(RichEdit2);
    TAKE(RichEdit4);
    TAKE(Edit16);
}
#undef TAKE

void TFm_Fac::FormCreate()
{
    PC_Fac->setCurrentWidget(TabSheet7);
    PC_Socios->setCurrentWidget(TabSheet5);
    m_rules.created();
    Inc_Pedido->setFocus();
}

void TFm_Fac::showEvent(QShowEvent *event)
{
    EditorBase::showEvent(event); // loads the record once
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TFm_Fac::FormShow()
{
    // The marker says whether the saved form had a second person.
    switch (IncCombo4->ItemIndex()) {
    case 0:
        m_rules.Socio2Incluido = false;
        break;
    case 1:
        m_rules.Socio2Incluido = true;
        Button1->setText(Inc_FormaJur->ItemIndex() == 0 ? QStringLiteral("Excluir Responsável")
                                                        : QStringLiteral("Excluir Sócio: 02"));
        break;
    default:
        break;
    }
    Inc_Pedido->setFocus();
}

// What the FAC says of an error that nothing else caught while it is shown: most often a
// record of an older FAC.
QString TFm_Fac::escapedErrorText() const
{
    return QStringLiteral("Tentativa de Abrir um arquivo da FAC antinga!");
}

void TFm_Fac::showPrintProblem(const QString &message)
{
    platform::Messages::show(this, platform::applicationTitle(), message, platform::MsgIcon::None);
}

// The capitals stay in the editor after "&Imprimir", also when the user cancels the print
// dialog: the form is handed in as printed, and a later save stores it so.
void TFm_Fac::Btn_ImprimirClick()
{
    m_keepPrintCopy = true;
    printForm();
    m_keepPrintCopy = false;
}

void TFm_Fac::preparePrintCopy() { m_printCopy = facprint::raiseCase(recordFields()); }

// The `pdf` command prints the saved form in capitals and leaves its fields as they were.
void TFm_Fac::restoreAfterPrint()
{
    if (!m_keepPrintCopy)
        facprint::restoreCase(m_printCopy);
    m_printCopy.clear();
}


} // namespace editors
