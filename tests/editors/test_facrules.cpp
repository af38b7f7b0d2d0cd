#include "MessageRecorder.h"
#include "TestSupport.h"
#include "editors/common/FieldBehaviour.h"
#include "editors/fac/UF_Fac.h"
#include "platform/Locale.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "validation/TFm_Funcoes.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using editors::FieldState;
using editors::TFm_Fac;
using editors::fieldState;
using widgets::TIncCombo;

namespace {

// Chooses a list's item by typing its beginning, as a user does, and leaves the list.
void choose(TIncCombo *list, const QString &typed)
{
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home); // typing then starts a new search
    for (QChar c : typed)
        QTest::keyClick(list, c.toLatin1());
    QTest::keyClick(list, Qt::Key_Tab);
}

void type(QWidget *field, const QString &text)
{
    field->setFocus();
    QTest::keyClicks(field, text);
}

} // namespace

class TestFacRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { platform::installBrazilianLocale(); }
    void init();
    void requestNature_data();
    void requestNature();
    void pageGuard();
    void blockTwoDependencies_data();
    void blockTwoDependencies();
    void legalForm_data();
    void legalForm();
    void leavingTheOwnerFormEmptiesItsFields();
    void otherLegalFormRebuiltAndReopened();
    void secondPerson_data();
    void secondPerson();
    void partnerLists_data();
    void partnerLists();
    void ufTyped();
    void limpar_data();
    void limpar();
    void ownerFormReopens();
    void help();
    void unreadableRecordClearsWithoutAsking();

private:
    TFm_Fac *open(const QString &record = {});
    std::unique_ptr<QTemporaryDir> m_dir;
    validation::TFm_Funcoes m_funcoes;
    std::unique_ptr<TFm_Fac> m_editor;
};

void TestFacRules::init()
{
    m_editor.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    platform::ProgramFolder::setCurrent(m_dir->path());
    platform::setApplicationTitle("Morvetia 3.1");
}

// A shown editor: a new form, or the saved record given.
TFm_Fac *TestFacRules::open(const QString &path)
{
    const QString record = path; // may be the path of the editor this replaces
    m_editor = std::make_unique<TFm_Fac>(m_funcoes);
    m_editor->setAttribute(Qt::WA_DeleteOnClose, false);
    m_editor->ArqFicha = record.isEmpty() ? m_dir->filePath("Fac_1.fac") : record;
    m_editor->ArqLista = m_dir->filePath("Lista_Fac.fac");
    m_editor->FichaNova = record.isEmpty();
    m_editor->show();
    if (!QTest::qWaitForWindowActive(m_editor.get()))
        qFatal("editor not shown");
    return m_editor.get();
}

void TestFacRules::requestNature_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("asksInscricao");
    QTest::addColumn<QString>("treatment1");
    QTest::addColumn<int>("auxiliaryUnit"); // FieldState
    QTest::addRow("INSCRIÇÃO") << "i" << false << "INCLUIR" << int(FieldState::Grey);
    QTest::addRow("ALTERAÇÃO") << "a" << true << "" << int(FieldState::Enabled);
    QTest::addRow("REATIVAÇÃO") << "rea" << true << "" << int(FieldState::Enabled);
    QTest::addRow("RECADASTRAMENTO") << "rec" << true << "" << int(FieldState::Enabled);
}

void TestFacRules::requestNature()
{
    QFETCH(QString, typed);
    QFETCH(bool, asksInscricao);
    QFETCH(QString, treatment1);
    QFETCH(int, auxiliaryUnit);
    TFm_Fac *e = open();
    choose(e->Inc_Pedido, typed);
    QCOMPARE(e->IncCombo2->Text(), QString::fromUtf8("NÃO"));
    QCOMPARE(fieldState(e->IncCombo2), FieldState::Grey);
    QCOMPARE(e->Mae_Inscricao->isEnabled(), asksInscricao);
    QCOMPARE(e->Lab_TIT_Inscricao->isEnabled(), asksInscricao);
    QCOMPARE(e->Label29->isEnabled(), !asksInscricao);
    QCOMPARE(e->Inc_Trata_Socio_1->isEnabled(), asksInscricao);
    QCOMPARE(e->Inc_Trata_Socio_2->isEnabled(), asksInscricao);
    QCOMPARE(e->Inc_Trata_Socio_1->Text(), treatment1);
    QCOMPARE(e->Inc_Trata_Socio_2->ItemIndex(), -1);
    QCOMPARE(int(fieldState(e->IncCombo1)), auxiliaryUnit);
    QCOMPARE(fieldState(e->Edit29), FieldState::Enabled);
    QVERIFY(!e->PC_Socios->isTabVisible(1));
}

void TestFacRules::pageGuard()
{
    TFm_Fac *e = open();
    MessageRecorder rec;
    QTabBar *bar = e->PC_Fac->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(e->PC_Fac->currentWidget(), e->TabSheet7);
    QCOMPARE(rec.texts(), QStringList{"PREENCHA O CAMPO NATUREZA DO PEDIDO!"});
    QCOMPARE(rec.last().caption, QString("Morvetia 3.1"));
    QCOMPARE(QApplication::focusWidget(), e->Inc_Pedido);
    QCOMPARE(fieldState(e->Edit29), FieldState::Grey);

    choose(e->Inc_Pedido, "a");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
    QCOMPARE(e->PC_Fac->currentWidget(), e->TabSheet3);
    QCOMPARE(rec.messages.size(), 1);
}

void TestFacRules::blockTwoDependencies_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("disabled");
    QTest::addColumn<QStringList>("emptied");
    QTest::addRow("06 SIM") << "IncCombo8" << "s" << QStringList{"MaskEdit7"} << QStringList{} << QStringList{};
    QTest::addRow("06 NÃO") << "IncCombo8" << "n" << QStringList{} << QStringList{"MaskEdit7"} << QStringList{"MaskEdit7"};
    QTest::addRow("08 SIM") << "IncCombo6" << "s" << QStringList{} << QStringList{"IncCombo7", "MaskEdit4"}
                            << QStringList{"MaskEdit4"};
    QTest::addRow("08 NÃO") << "IncCombo6" << "n" << QStringList{"IncCombo7"} << QStringList{} << QStringList{};
    QTest::addRow("09 SIM") << "IncCombo7" << "s" << QStringList{"MaskEdit4"} << QStringList{} << QStringList{};
    QTest::addRow("09 NÃO") << "IncCombo7" << "n" << QStringList{} << QStringList{"MaskEdit4"} << QStringList{"MaskEdit4"};
}

void TestFacRules::blockTwoDependencies()
{
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, disabled);
    QFETCH(QStringList, emptied);
    TFm_Fac *e = open();
    choose(e->Inc_Pedido, "a"); // Central Vorda "NÃO": the lists open
    e->PC_Fac->setCurrentWidget(e->TabSheet1);
    for (auto *m : {e->MaskEdit4, e->MaskEdit7}) {
        m->setEnabled(true);
        m->SetText("11222333000181");
    }
    const QString before = e->MaskEdit4->Text();
    auto *chosen = e->fields().field<TIncCombo>(list);
    chosen->SetItemIndex(typed == "n" ? 1 : 0); // from the other answer
    for (auto *m : {e->MaskEdit4, e->MaskEdit7}) {
        m->setEnabled(true);
        m->SetText("11222333000181");
    }
    choose(e->fields().field<TIncCombo>(list), typed);
    for (const QString &name : enabled)
        QVERIFY2(e->fields().widget(name)->isEnabled(), qPrintable(name));
    for (const QString &name : disabled)
        QVERIFY2(!e->fields().widget(name)->isEnabled(), qPrintable(name));
    for (const QString &name : emptied)
        QVERIFY2(e->fields().field<widgets::TMaskEdit>(name)->Text().remove(QRegularExpression("[ ./-]")).isEmpty(),
                 qPrintable(name));
    if (!emptied.contains("MaskEdit4"))
        QCOMPARE(e->MaskEdit4->Text(), before);
}

void TestFacRules::legalForm_data()
{
    QTest::addColumn<QString>("pedido");
    QTest::addColumn<QString>("forma");
    QTest::addColumn<QString>("page1");
    QTest::addColumn<QString>("page2");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("funcao");
    QTest::addColumn<QString>("share");
    QTest::addColumn<bool>("ownerFieldsOpen");
    QTest::addColumn<QString>("button");
    QTest::addRow("owner, INSCRIÇÃO") << "i" << "e" << "EMPRESARIO" << QString::fromUtf8("RESPONSÁVEL") << "TITULAR"
                                      << "EMPRESARIO" << "100,0" << false << QString::fromUtf8("Incluir Resposável");
    QTest::addRow("owner, REATIVAÇÃO") << "rea" << "e" << "EMPRESARIO" << QString::fromUtf8("RESPONSÁVEL") << "TITULAR"
                                       << "EMPRESARIO" << "100,0" << false << QString::fromUtf8("Incluir Resposável");
    QTest::addRow("owner, ALTERAÇÃO") << "a" << "e" << QString::fromUtf8("Sócio: 01") << QString::fromUtf8("Sócio: 02")
                                      << "" << "" << "" << true << "Incluir Socio: 02";
    QTest::addRow("company, INSCRIÇÃO") << "i" << "soc. e" << QString::fromUtf8("Sócio: 01")
                                        << QString::fromUtf8("Sócio: 02") << "" << "" << "" << true
                                        << "Incluir Socio: 02";
}

void TestFacRules::legalForm()
{
    QFETCH(QString, pedido);
    QFETCH(QString, forma);
    QFETCH(QString, page1);
    QFETCH(QString, page2);
    QFETCH(QString, condition);
    QFETCH(QString, funcao);
    QFETCH(QString, share);
    QFETCH(bool, ownerFieldsOpen);
    QFETCH(QString, button);
    TFm_Fac *e = open();
    choose(e->Inc_Pedido, pedido);
    e->PC_Fac->setCurrentWidget(e->TabSheet2);
    choose(e->Inc_FormaJur, forma);
    QCOMPARE(e->PC_Socios->tabText(0), page1);
    QCOMPARE(e->PC_Socios->tabText(1), page2);
    QCOMPARE(e->IncCombo3->Text(), condition);
    QCOMPARE(e->IncCombo3->Count(), condition.isEmpty() ? 4 : 5);
    QCOMPARE(e->Edit8->text(), funcao);
    QCOMPARE(e->Edi_Perce_1->text(), share);
    QCOMPARE(e->IncCombo3->isEnabled(), ownerFieldsOpen);
    QCOMPARE(e->Edit8->isEnabled(), ownerFieldsOpen);
    QCOMPARE(e->Button1->text(), button);
    QCOMPARE(fieldState(e->Edi_FormaJur_Outros), FieldState::Silver);
}

void TestFacRules::leavingTheOwnerFormEmptiesItsFields()
{
    TFm_Fac *e = open();
    choose(e->Inc_Pedido, "i");
    e->PC_Fac->setCurrentWidget(e->TabSheet2);
    choose(e->Inc_FormaJur, "e");
    e->Cmb_Parti_1->SetItemIndex(2);
    e->Edi_Cargo_1->setText("Gerente");
    // Entering the list with the owner form chosen, the user picks another.
    choose(e->Inc_FormaJur, "soc. e");
    QCOMPARE(e->IncCombo3->Count(), 4);
    for (QLineEdit *f : {e->Edit8, e->Edi_Perce_1, e->Edi_Cargo_1, e->Edi_Perce_2})
        QCOMPARE(f->text(), QString());
    QCOMPARE(e->IncCombo3->ItemIndex(), -1);
    QCOMPARE(e->Cmb_Parti_1->ItemIndex(), -1);
    QVERIFY(e->IncCombo3->isEnabled() && e->Edit8->isEnabled());
}

void TestFacRules::otherLegalFormRebuiltAndReopened()
{
    TFm_Fac *e = open();
    choose(e->Inc_Pedido, "a");
    e->PC_Fac->setCurrentWidget(e->TabSheet2);
    choose(e->Inc_FormaJur, "o");
    QCOMPARE(fieldState(e->Edi_FormaJur_Outros), FieldState::Enabled);
    e->Edit8->setText("Diretor");
    type(e->Edi_FormaJur_Outros, QString::fromUtf8("ASSOCIAÇÃO X"));
    e->inc_estab->setFocus();
    const QString outros = QString::fromUtf8("OUTROS - ASSOCIAÇÃO X");
    QCOMPARE(e->Inc_FormaJur->Text(), outros);
    QCOMPARE(e->Inc_FormaJur->Items().at(16), outros);
    QCOMPARE(e->Edit8->text(), QString("Diretor")); // the rebuild changes no partner field
    e->GravaFicha();
    const QByteArray saved = testsupport::readBytes(e->ArqFicha);
    QVERIFY(saved.contains("\r\n00401 00016\r\n"));
    QVERIFY(saved.contains(QString::fromUtf8("\r\n00406 ASSOCIAÇÃO X\r\n").toLatin1()));
    QVERIFY(saved.contains("\r\n07017 Diretor\r\n"));

    TFm_Fac *again = open(e->ArqFicha);
    QCOMPARE(again->Inc_FormaJur->ItemIndex(), 16);
    QCOMPARE(again->Inc_FormaJur->Text(), outros);
    QCOMPARE(again->Inc_FormaJur->Items().at(16), outros);
    QCOMPARE(again->Edit8->text(), QString("Diretor"));
    // Another legal form puts item 16 back and empties the other form's text.
    choose(again->Inc_FormaJur, "c");
    QCOMPARE(again->Inc_FormaJur->Items().at(16), QString("OUTROS"));
    QCOMPARE(again->Edi_FormaJur_Outros->text(), QString());
}

void TestFacRules::secondPerson_data()
{
    QTest::addColumn<bool>("empresario");
    QTest::addColumn<bool>("confirm");
    QTest::addRow("partner, Sim") << false << true;
    QTest::addRow("partner, Não") << false << false;
    QTest::addRow("responsible, Sim") << true << true;
    QTest::addRow("responsible, Não") << true << false;
}

void TestFacRules::secondPerson()
{
    QFETCH(bool, empresario);
    QFETCH(bool, confirm);
    TFm_Fac *e = open();
    choose(e->Inc_Pedido, "i");
    e->PC_Fac->setCurrentWidget(e->TabSheet2);
    choose(e->Inc_FormaJur, empresario ? "e" : "soc. e");
    e->PC_Fac->setCurrentWidget(e->TabSheet3);

    e->Button1->click();
    QVERIFY(e->rules().Socio2Incluido);
    QCOMPARE(e->IncCombo4->Text(), QString("SIM"));
    QVERIFY(e->PC_Socios->isTabVisible(1));
    QCOMPARE(e->PC_Socios->currentWidget(), e->TabSheet5);
    QCOMPARE(e->Inc_Trata_Socio_2->Text(), QString("INCLUIR"));
    if (empresario) {
        QCOMPARE(e->Button1->text(), QString::fromUtf8("Excluir Responsável"));
        QCOMPARE(e->Cmb_Parti_1->Text(), QString("RESPONS."));
        QCOMPARE(e->Edi_Cargo_1->text(), QString("PROCURADOR"));
        QVERIFY(!e->Edi_Perce_2->isEnabled() && !e->Cmb_Parti_1->isEnabled());
    } else {
        QCOMPARE(e->Button1->text(), QString("Excluir Socio: 2"));
    }

    // Fill the second page, then remove the person.
    e->Cmb_Uf_1->SetItemIndex(27); // abroad: the country is asked
    const QList<QLineEdit *> texts{e->Edi_TpLog_1, e->Edi_NmLog_1, e->Edi_NrImv_1, e->Edi_Bairr_1,
                                   e->Edi_Distr_1, e->Edi_Munic_1, e->Edit2};
    for (QLineEdit *t : texts)
        t->setText("x");
    e->Edi_Cargo_1->setText("Cargo");
    e->RichEdit2->setPlainText("Nome");
    e->RichEdit4->setPlainText("Compl");
    e->Cmb_TpReg_2->SetItemIndex(0);
    e->Mae_NrReg_2->SetText("12345678909");
    e->Mae_Cep_1->SetText("12345678");
    MessageRecorder rec;
    rec.answer(confirm ? platform::MsgAnswer::Yes : platform::MsgAnswer::No);
    const QString caption = e->Button1->text();
    e->Button1->click();
    QCOMPARE(rec.texts(), QStringList{empresario ? QString::fromUtf8("Você tem certeza de que quer apagar o Responsável?")
                                                 : QString::fromUtf8("Você tem certeza de que quer apagar o Sócio: 2?")});
    QCOMPARE(rec.last().icon, platform::MsgIcon::Question);
    if (!confirm) {
        QVERIFY(e->rules().Socio2Incluido);
        QCOMPARE(e->IncCombo4->Text(), QString("SIM"));
        QCOMPARE(e->Button1->text(), caption);
        QVERIFY(e->PC_Socios->isTabVisible(1));
        QCOMPARE(e->Edi_NmLog_1->text(), QString("x"));
        return;
    }
    QVERIFY(!e->rules().Socio2Incluido);
    QCOMPARE(e->IncCombo4->Text(), QString::fromUtf8("NÃO"));
    QCOMPARE(e->Button1->text(), empresario ? QString::fromUtf8("Incluir Responsável") : QString::fromUtf8("Incluir Sócio: 2"));
    QVERIFY(!e->PC_Socios->isTabVisible(1));
    for (QLineEdit *t : texts.mid(0, 6))
        QCOMPARE(t->text(), QString());
    for (TIncCombo *l : {e->Inc_Trata_Socio_2, e->Cmb_TpReg_2, e->Cmb_Parti_1, e->Cmb_Uf_1})
        QCOMPARE(l->ItemIndex(), -1);
    QCOMPARE(e->Mae_NrReg_2->Text(), QString());
    QCOMPARE(e->Mae_Cep_1->Text(), QString("     -   "));
    // The name, the complement and the country stay; the office only for the responsible.
    QCOMPARE(e->RichEdit2->toPlainText(), QString("Nome"));
    QCOMPARE(e->RichEdit4->toPlainText(), QString("Compl"));
    QCOMPARE(e->Edit2->text(), QString("x"));
    QCOMPARE(e->Edi_Cargo_1->text(), empresario ? QString("Cargo") : QString());
    QTest::mouseClick(e->Button1, Qt::LeftButton); // included again: no type, so no number to type
    QCOMPARE(fieldState(e->Mae_NrReg_2), FieldState::Grey);
}

void TestFacRules::partnerLists_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("state"); // FieldState of the field afterwards
    QTest::addColumn<QString>("shown");
    QTest::addRow("treatment ALTERAR greys the date") << "Inc_Trata_Socio_1" << 1 << "Mae_DtJnt_Socio1"
                                                      << int(FieldState::Grey) << "ALTERAR";
    QTest::addRow("treatment EXCLUIR opens it") << "Inc_Trata_Socio_2" << 2 << "Mae_DtJnt_Socio2"
                                                << int(FieldState::Enabled) << "EXCLUIR";
    QTest::addRow("RESPONS. greys the share") << "IncCombo3" << 1 << "Edi_Perce_1" << int(FieldState::Grey)
                                              << "RESPONS.";
    QTest::addRow("AMBOS opens it") << "Cmb_Parti_1" << 2 << "Edi_Perce_2" << int(FieldState::Enabled) << "AMBOS";
    QTest::addRow("CPF opens the number") << "Cmb_TpReg_1" << 0 << "Mae_NrReg_1" << int(FieldState::Enabled) << "CPF";
    QTest::addRow("blank greys it") << "Cmb_TpReg_2" << 2 << "Mae_NrReg_2" << int(FieldState::Grey) << " ";
    QTest::addRow("EX opens the country") << "IncCombo5" << 27 << "Edit1" << int(FieldState::Enabled) << "EX";
    QTest::addRow("a state greys it") << "Cmb_Uf_1" << 25 << "Edit2" << int(FieldState::Grey) << "SP";
}

void TestFacRules::partnerLists()
{
    QFETCH(QString, list);
    QFETCH(int, index);
    QFETCH(QString, field);
    QFETCH(int, state);
    QFETCH(QString, shown);
    TFm_Fac *e = open();
    choose(e->Inc_Pedido, "a");
    QWidget *w = e->fields().widget(field);
    editors::setFieldState(w, FieldState::Enabled);
    if (auto *m = qobject_cast<widgets::TMaskEdit *>(w))
        m->SetText("01012001");
    else
        qobject_cast<QLineEdit *>(w)->setText("90");
    auto *l = e->fields().field<TIncCombo>(list);
    l->SetItemIndex(index);
    QCOMPARE(l->Text(), shown);
    QCOMPARE(l->ItemIndex(), index);
    QCOMPARE(int(fieldState(w)), state);
    if (state == int(FieldState::Grey)) {
        const QString text = qobject_cast<widgets::TMaskEdit *>(w) ? qobject_cast<widgets::TMaskEdit *>(w)->Text()
                                                                   : qobject_cast<QLineEdit *>(w)->text();
        QVERIFY2(text.trimmed().isEmpty() || text == "  /  /    ", qPrintable(text));
    }
}

// The keys typed search the list as a whole; the state's code shows once it is left.
void TestFacRules::ufTyped()
{
    for (const auto &[page, typed] : {std::pair{1, QString("sp")}, {2, QString("ms")}, {2, QString("ex")}}) {
        TFm_Fac *e = open();
        choose(e->Inc_Pedido, "a");
        e->PC_Fac->setCurrentWidget(e->TabSheet3);
        e->Button1->click();
        e->PC_Socios->setCurrentIndex(page - 1);
        TIncCombo *l = page == 1 ? e->IncCombo5 : e->Cmb_Uf_1;
        choose(l, typed);
        QCOMPARE(l->Text(), typed.toUpper());
        QCOMPARE((page == 1 ? e->Edit1 : e->Edit2)->isEnabled(), typed == "ex"); // the country is asked
    }
}

void TestFacRules::limpar_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addRow("Sim") << true;
    QTest::addRow("Não") << false;
}

void TestFacRules::limpar()
{
    QFETCH(bool, confirm);
    TFm_Fac *e = open();
    choose(e->Inc_Pedido, "a");
    e->PC_Fac->setCurrentWidget(e->TabSheet3);
    e->Button1->click();
    e->PC_Fac->setCurrentWidget(e->TabSheet6);
    type(e->Edit16, "Fulano");
    QTest::keyClick(e->Edit16, Qt::Key_Shift, Qt::ShiftModifier); // no page switch
    e->Cmb_TpReg_1->SetItemIndex(1);
    e->Mae_NrReg_1->SetText("11222333000181");
    MessageRecorder rec;
    rec.answer(confirm ? platform::MsgAnswer::Yes : platform::MsgAnswer::No);
    e->Btn_Limpar->click();
    QCOMPARE(rec.texts(), QStringList{QString::fromUtf8("Você tem certeza de que quer apagar tudo?")});
    if (!confirm) {
        QCOMPARE(e->Edit16->text(), QString("Fulano"));
        QCOMPARE(e->Inc_Pedido->ItemIndex(), 1);
        QVERIFY(e->rules().Socio2Incluido);
        return;
    }
    QCOMPARE(e->Edit16->text(), QString());
    QCOMPARE(e->Inc_Pedido->ItemIndex(), -1);
    QCOMPARE(e->Mae_NrReg_1->Text(), QString());
    QCOMPARE(e->IncCombo2->Text(), QString("SIM"));
    for (TIncCombo *l : {e->IncCombo6, e->IncCombo7, e->IncCombo8}) {
        QCOMPARE(l->Text(), QString::fromUtf8("NÃO"));
        QVERIFY(!l->isEnabled());
    }
    QCOMPARE(e->PC_Fac->currentWidget(), e->TabSheet7);
    QCOMPARE(fieldState(e->Edit29), FieldState::Grey);
    QCOMPARE(fieldState(e->Mae_Inscricao), FieldState::Grey);
    QVERIFY(!e->rules().Socio2Incluido);
    QCOMPARE(e->IncCombo4->Text(), QString::fromUtf8("NÃO"));
    QCOMPARE(e->Button1->text(), QString::fromUtf8("Incluir Sócio: 2"));
    QVERIFY(!e->PC_Socios->isTabVisible(1));
}

void TestFacRules::ownerFormReopens()
{
    TFm_Fac *e = open();
    choose(e->Inc_Pedido, "i");
    e->PC_Fac->setCurrentWidget(e->TabSheet2);
    choose(e->Inc_FormaJur, "e");
    e->PC_Fac->setCurrentWidget(e->TabSheet3);
    e->Button1->click();
    e->RichEdit2->setPlainText(QString::fromUtf8("João Procurador"));
    e->GravaFicha();

    TFm_Fac *again = open(e->ArqFicha);
    QCOMPARE(again->PC_Socios->tabText(0), QString("EMPRESARIO"));
    QCOMPARE(again->PC_Socios->tabText(1), QString::fromUtf8("RESPONSÁVEL"));
    QCOMPARE(again->IncCombo3->Text(), QString("TITULAR"));
    QCOMPARE(again->Edit8->text(), QString("EMPRESARIO"));
    QCOMPARE(again->Edi_Perce_1->text(), QString("100,0"));
    QCOMPARE(again->Cmb_Parti_1->Text(), QString("RESPONS."));
    QCOMPARE(again->Edi_Cargo_1->text(), QString("PROCURADOR"));
    QCOMPARE(again->RichEdit2->toPlainText(), QString::fromUtf8("João Procurador"));
    QVERIFY(again->PC_Socios->isTabVisible(1));
    QVERIFY(again->rules().Socio2Incluido);
    QCOMPARE(again->Button1->text(), QString::fromUtf8("Excluir Responsável"));
    QVERIFY(!again->Mae_Inscricao->isEnabled());
}

void TestFacRules::help()
{
    TFm_Fac *e = open();
    MessageRecorder rec;
    e->Button2->click();
    QCOMPARE(rec.messages.size(), 1);
    QCOMPARE(rec.last().caption, QString("Morvetia 3.1"));
    QVERIFY(rec.last().text.startsWith(QString::fromUtf8("O manual atualizado da FAC encontra-se disponível\rno site da Tarvoni. ")));
}

void TestFacRules::unreadableRecordClearsWithoutAsking()
{
    testsupport::writeBytes(m_dir->filePath("Fac_1.fac"), "0x2 bad tag\r\n");
    MessageRecorder rec;
    TFm_Fac *e = open(m_dir->filePath("Fac_1.fac"));
    QCOMPARE(rec.messages.size(), 1); // no question, only what could not be read
    QCOMPARE(e->IncCombo2->Text(), QString("SIM"));
}

QTEST_MAIN(TestFacRules)
#include "test_facrules.moc"
