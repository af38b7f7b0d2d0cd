#include "editors/common/EditorBase.h"

#include "editors/common/ButtonBar.h"
#include "editors/common/FieldValues.h"
#include "editors/common/FormDescription.h"
#include "editors/common/Pendencias.h"
#include "editors/common/UF_Margens.h"
#include "editors/common/UF_Pendencias.h"
#include "platform/Messages.h"
#include "platform/PageSwitch.h"
#include "platform/PrintDialog.h"
#include "platform/RaisedError.h"
#include "printing/PrintRun.h"
#include "validation/TFm_Funcoes.h"
#include "widgets/IncCombo.h"

#include <QAction>
#include <QGroupBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QVBoxLayout>

namespace editors {

EditorBase::EditorBase(store::FormType type, QWidget *parent) : editors::FichaEditor(type, parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto *pendencias = new QAction(QStringLiteral("Pendências"), this);
    pendencias->setShortcut(Qt::Key_F5);
    pendencias->setShortcutContext(Qt::WindowShortcut);
    connect(pendencias, &QAction::triggered, this, &EditorBase::showPendencias);
    addAction(pendencias);
}

void EditorBase::makeButtons()
{
    Btn_Imprimir = new QPushButton(QStringLiteral("&Imprimir"), this);
    Btn_Margens = new QPushButton(QStringLiteral("&Margens"), this);
    Btn_Limpar = new QPushButton(QStringLiteral("&Limpar"), this);
    Btn_Fechar = new QPushButton(QStringLiteral("&Fechar"), this);
    connect(Btn_Imprimir, &QPushButton::clicked, this, [this] { Btn_ImprimirClick(); });
    connect(Btn_Margens, &QPushButton::clicked, this, &EditorBase::Btn_MargensClick);
    connect(Btn_Limpar, &QPushButton::clicked, this, [this] { Btn_LimparClick(); });
    connect(Btn_Fechar, &QPushButton::clicked, this, &EditorBase::Btn_FecharClick);
}

void EditorBase::buildHolderAndPages(QGroupBox *holder, QGroupBox *others, QTabWidget *pages,
                                     const QList<TabPage> &tabPages, const QList<FieldRow> &rows)
{
    QList<QVBoxLayout *> stacks;
    for (const TabPage &tabPage : tabPages) {
        auto *page = new QWidget;
        auto *stack = new QVBoxLayout(page);
        stack->setContentsMargins(6, 2, 6, 2);
        stack->setSpacing(1);
        pages->addTab(page, tabPage.title);
        m_fields.addBox(tabPage.box, page);
        stacks.append(stack);
    }
    m_fields.build(rows);
    // The fields stand at the top of their pages.
    for (QVBoxLayout *stack : stacks)
        stack->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(holder);
    auto *othersLayout = new QVBoxLayout(others);
    othersLayout->setContentsMargins(4, 2, 4, 4);
    othersLayout->addWidget(pages);
    layout->addWidget(others, 1);

    makeButtons();
    layout->addLayout(buttonBar({Btn_Imprimir, Btn_Margens, Btn_Limpar, Btn_Fechar}));
}

void EditorBase::showEvent(QShowEvent *event)
{
    for (QTabWidget *pages : findChildren<QTabWidget *>())
        platform::PageSwitch::install(pages);
    editors::FichaEditor::showEvent(event);
}

void EditorBase::Btn_ImprimirClick() { printForm(); }
void EditorBase::Btn_LimparClick()
{
    if (confirmClearAll())
        LimpaCampos();
}

bool EditorBase::confirmClearAll()
{
    return platform::Messages::show(this, platform::kCaptionFichas,
                                    QStringLiteral("Você tem certeza de que quer apagar tudo?"),
                                    platform::MsgIcon::Question, platform::MsgButtons::YesNo)
           == platform::MsgAnswer::Yes;
}
void EditorBase::Btn_MargensClick() { showMarginsDialog(this); }
void EditorBase::Btn_FecharClick() { close(); }

QList<printing::PrintLayout> EditorBase::printLayouts() const
{
    QList<printing::PrintLayout> layouts;
    for (const QString &name : formType()->layouts)
        layouts.append(printLayout(name));
    return layouts;
}

void EditorBase::useDescription(const FormDescription &description, FormRules *rules)
{
    m_description = &description;
    if (!rules && description.rules) {
        m_ownRules = description.rules(m_fields);
        rules = m_ownRules.get();
    }
    m_rules = rules;
    if (!m_rules)
        return;
    for (const QString &list : m_rules->lists())
        connect(m_fields.require<widgets::TIncCombo>(list), &widgets::TIncCombo::OnChange, this,
                [this, list] { m_rules->changed(list); });
}

void EditorBase::beforeRecordLine(int tag, const QString &value)
{
    if (m_rules)
        m_rules->beforeLine(tag, value);
}

void EditorBase::afterRecordLine(int tag, const QString &value)
{
    if (m_rules)
        m_rules->afterLine(tag, value);
}

printing::TagValues EditorBase::printCopyValues() const
{
    return m_description && m_description->printCopyValues ? m_description->printCopyValues(m_fields, printValues())
                                                            : printValues();
}

printing::PrintLayout EditorBase::printLayout(const QString &name) const
{
    return m_description && m_description->printLayout ? m_description->printLayout(name) : printing::PrintLayout{name, {}};
}

PrintProblems EditorBase::printProblems() const
{
    return m_description && m_description->printProblems ? m_description->printProblems(m_fields, funcoes())
                                                          : PrintProblems{};
}

FilledForm EditorBase::filledForm() const
{
    return {m_fields.rows(), m_fields, funcoes(), printProblems(), {printLayouts(), printCopyValues()}};
}

const validation::TFm_Funcoes &EditorBase::funcoes() const
{
    // A table without checks was given none, and none of its checks reads them.
    static const validation::TFm_Funcoes none;
    return m_fields.funcoes() ? *m_fields.funcoes() : none;
}

int EditorBase::copiesPreset() const
{
    if (m_description && m_description->copiesPreset)
        return m_description->copiesPreset(m_fields);
    const QList<printing::PrintLayout> layouts = printLayouts();
    return layouts.isEmpty() ? 1 : printing::copiesPreset(layouts.first().name);
}

printing::TagValues EditorBase::printValues() const
{
    return [values = FieldValues(recordFields())](int tag) { return values.valueOf(tag); };
}

bool EditorBase::checkBeforePrint()
{
    const PrintProblems problems = printProblems();
    if (problems.isEmpty())
        return true;
    showPrintProblem(problems.first().message);
    return false;
}

void EditorBase::showPrintProblem(const QString &message)
{
    platform::Messages::show(this, platform::kCaptionFichas, message, platform::MsgIcon::Warning);
}

void EditorBase::showPendencias()
{
    if (m_pendencias) {
        m_pendencias->raise();
        m_pendencias->activateWindow();
        return;
    }
    Pendencias found;
    if (!platform::guard(this, [&] { found = checkWholeForm(filledForm()); }))
        return;
    m_pendencias = new TFm_Pendencias(found, this);
    connect(m_pendencias, &TFm_Pendencias::fieldChosen, this,
            [this](const QString &control) { goToField(fields().widget(control)); });
    m_pendencias->open();
}

bool EditorBase::acceptPaperCut()
{
    Pendencias cut;
    if (!platform::guard(this, [&] { cut = checkPaper(filledForm()); }))
        return false;
    if (cut.isEmpty())
        return true;
    QString text = cut.size() == 1 ? QStringLiteral("O texto de 1 campo não cabe no papel. Imprimir assim mesmo?")
                                   : QStringLiteral("O texto de %1 campos não cabe no papel. Imprimir assim mesmo?")
                                         .arg(cut.size());
    text += QLatin1Char('\n');
    for (const Pendencia &p : cut)
        text += QStringLiteral("\n%1%2").arg(p.field, p.page.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(p.page));
    return platform::Messages::show(this, platform::kCaptionFichas, text, platform::MsgIcon::Question,
                                    platform::MsgButtons::YesNo)
           == platform::MsgAnswer::Yes;
}

bool EditorBase::runPrint(bool askAboutPaper, const std::function<bool(const printing::PrintRequest &)> &output)
{
    bool checked = false;
    if (!platform::guard(this, [&] { checked = checkBeforePrint(); }) || !checked)
        return false;
    if (askAboutPaper && !acceptPaperCut())
        return false;
    preparePrintCopy();
    // Undoes the print-copy steps however the print ends.
    const auto undo = qScopeGuard([this] { restoreAfterPrint(); });
    return output(printing::PrintRequest{printLayouts(), printValues()});
}

bool EditorBase::printForm(platform::PrintDialog &dialog)
{
    // "FAC-07.pdf": the form a PDF holds is told by its name.
    dialog.proposeFileName(QStringLiteral("%1-%2").arg(formType()->shortName).arg(CodFicha, 2, 10, QLatin1Char('0')));
    return runPrint(true, [&](const printing::PrintRequest &request) {
        return printing::PrintRun::run(this, request, copiesPreset(), dialog);
    });
}

bool EditorBase::printForm() { return printForm(platform::PrintDialog::instance()); }

bool EditorBase::printToPdf(const QString &pdfPath, QString *error)
{
    if (error)
        error->clear();
    return runPrint(false, [&](const printing::PrintRequest &request) {
        return printing::renderToPdf(request, pdfPath, error);
    });
}

} // namespace editors
