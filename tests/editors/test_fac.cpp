#include "MessageRecorder.h"
#include "TestSupport.h"
#include "editors/common/FieldBehaviour.h"
#include "editors/fac/UF_Fac.h"
#include "platform/Locale.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "validation/TFm_Funcoes.h"
#include "widgets/FieldValue.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using editors::TFm_Fac;

namespace {

void type(QWidget *field, const QString &text)
{
    field->setFocus();
    for (QChar c : text) {
        if (c == '\r')
            QTest::keyClick(field, Qt::Key_Return);
        else if (c.unicode() < 128)
            QTest::keyClick(field, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Sets a masked or plain field's text as loading a record would.
void setValue(QWidget *w, const QString &text)
{
    if (auto *m = qobject_cast<widgets::TMaskEdit *>(w))
        m->SetText(text);
    else if (auto *l = qobject_cast<QLineEdit *>(w))
        widgets::setTextKeepingLength(l, text);
}

QString valueOf(QWidget *w)
{
    if (auto *m = qobject_cast<widgets::TMaskEdit *>(w))
        return m->Text();
    return qobject_cast<QLineEdit *>(w)->text();
}

} // namespace

class TestFac : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void newFormOpensAndSaves();
    void fullRecordRoundTrip();
    void checks_data();
    void checks();
    void twoRejectedFieldsDoNotBounce();
    void blankEntries();
    void keysAndPageNavigation();

private:
    // A shown editor for a new form in the temporary folder.
    TFm_Fac *newEditor();

    std::unique_ptr<QTemporaryDir> m_dir;
    validation::TFm_Funcoes m_funcoes;
    std::unique_ptr<TFm_Fac> m_editor;
};

void TestFac::initTestCase() { platform::installBrazilianLocale(); }

void TestFac::init()
{
    m_editor.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    platform::ProgramFolder::setCurrent(m_dir->path());
    platform::setApplicationTitle("Morvetia 3.1");
}

TFm_Fac *TestFac::newEditor()
{
    m_editor = std::make_unique<TFm_Fac>(m_funcoes);
    m_editor->setAttribute(Qt::WA_DeleteOnClose, false);
    m_editor->FichaNova = true;
    m_editor->ArqFicha = m_dir->filePath("Fac_1.fac");
    m_editor->ArqLista = m_dir->filePath("Lista_Fac.fac");
    m_editor->show();
    if (!QTest::qWaitForWindowActive(m_editor.get()))
        qFatal("editor not shown");
    return m_editor.get();
}

void TestFac::newFormOpensAndSaves()
{
    TFm_Fac *e = newEditor();
    QCOMPARE(e->windowTitle(), QString::fromUtf8("FAC - Ficha de Atualização Cadastral"));
    QCOMPARE(e->PC_Fac->currentWidget(), e->TabSheet7);
    QCOMPARE(QApplication::focusWidget(), e->Inc_Pedido);
    QCOMPARE(e->IncCombo2->Text(), QString("SIM"));
    for (auto *list : {e->IncCombo6, e->IncCombo7, e->IncCombo8}) {
        QCOMPARE(list->Text(), QString::fromUtf8("NÃO"));
        QVERIFY(!list->isEnabled());
    }
    QVERIFY(!e->MaskEdit4->isEnabled() && !e->MaskEdit7->isEnabled());
    QCOMPARE(editors::fieldState(e->Edit29), editors::FieldState::Grey);
    QCOMPARE(editors::fieldState(e->Mae_DtJnt_Socio2), editors::FieldState::Silver);
    QCOMPARE(e->Lab_TIT_Inscricao->text(), QString::fromUtf8("02 - Insc. Est. Nº :"));
    QCOMPARE(e->Mae_Inscricao->accessibleName(), QString::fromUtf8("02 - Insc. Est. Nº :"));
    QCOMPARE(e->fields().rows().at(0).prompt, QString(">> PREENCHA O CAMPO 01 - NATUREZA"));

    e->GravaFicha();
    const QByteArray saved = testsupport::readBytes(e->ArqFicha);
    QCOMPARE(saved.count("\r\n"), 102);
    QCOMPARE(saved, testsupport::readBytes(FICHAS_TEST_DATA "/Fac_nova.golden"));
}

void TestFac::fullRecordRoundTrip()
{
    const QString path = m_dir->filePath("Fac_7.fac");
    const QByteArray full = testsupport::readBytes(FICHAS_TEST_DATA "/Fac_cheia.golden");
    testsupport::writeBytes(path, full);
    m_editor = std::make_unique<TFm_Fac>(m_funcoes);
    TFm_Fac *e = m_editor.get();
    e->setAttribute(Qt::WA_DeleteOnClose, false);
    e->ArqFicha = path;
    e->ArqLista = m_dir->filePath("Lista_Fac.fac");
    e->CodFicha = 7;
    MessageRecorder rec;
    e->show();
    QVERIFY(QTest::qWaitForWindowActive(e));
    QVERIFY(e->Edi_FormaJur_Outros->text().startsWith(QString::fromUtf8("Associação Ñ")));
    QCOMPARE(e->Inc_FormaJur->Text(), "OUTROS - " + e->Edi_FormaJur_Outros->text());
    QCOMPARE(e->Inc_FormaJur->Items().at(16), e->Inc_FormaJur->Text());
    QCOMPARE(e->IncCombo5->Text(), QString("EX"));
    QCOMPARE(e->Cmb_Uf_1->Text(), QString("SP"));
    QVERIFY(e->rules().Socio2Incluido);
    QCOMPARE(e->Button1->text(), QString::fromUtf8("Excluir Sócio: 02"));
    e->close();  // an existing form is written back without a question
    QVERIFY(rec.messages.isEmpty());
    const QList<QByteArray> got = testsupport::readBytes(path).split('\n');
    const QList<QByteArray> want = full.split('\n');
    for (int i = 0; i < std::min(got.size(), want.size()); ++i)
        QCOMPARE(got.at(i), want.at(i));
    QCOMPARE(testsupport::readBytes(path), full);
}

void TestFac::checks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");   // typed, or set as loaded when it starts with '='
    QTest::addColumn<QString>("after");   // the field's text after leaving it
    QTest::addColumn<QString>("message"); // empty: none
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("focusBack");
    const QString title = "Morvetia 3.1", fichas = "Fichas";
    const QString noDate = QString::fromUtf8("DATA INVÁLIDA.");
    QTest::addRow("date valid") << "MaskEdit1" << "01022003" << "01/02/2003" << "" << "" << false;
    QTest::addRow("date 31/02") << "MaskEdit1" << "31022020" << "31/02/2020" << noDate << title << true;
    QTest::addRow("date empty") << "Mae_CapSocial" << "" << "  /  /    " << "" << "" << false;
    QTest::addRow("partner date partial") << "Mae_DtJnt_Socio1" << "0102" << "01/02/    " << noDate << title << true;
    QTest::addRow("cnpj wrong digit") << "Mae_Cgc_Contribuinte" << "11222333000182" << "11.222.333/0001-82"
                                      << QString::fromUtf8("CGC Inválido.") << title << true;
    QTest::addRow("cnpj valid") << "Mae_Cgc_Contribuinte" << "11222333000181" << "11.222.333/0001-81" << "" << ""
                                << false;
    QTest::addRow("accountant cpf") << "Mae_ContadorCpf" << "12345678900" << "123.456.789-00"
                                    << QString::fromUtf8("CPF Inválido.") << title << true;
    QTest::addRow("partner 1 as cpf") << "Mae_NrReg_1" << "12345678900" << "12345678900"
                                      << QString::fromUtf8("CPF Inválido.") << title << true;
    QTest::addRow("partner 2 as cnpj") << "Mae_NrReg_2" << "11222333000182" << "11222333000182"
                                       << QString::fromUtf8("CGC Inválido.") << title << true;
    QTest::addRow("partner 2 cnpj valid") << "Mae_NrReg_2" << "11222333000181" << "11222333000181" << "" << ""
                                          << false;
    QTest::addRow("inscricao") << "Mae_Inscricao" << "123456788" << "123.456.78-8"
                               << QString::fromUtf8("INSCRIÇÃO ESTADUAL INVÁLIDA.") << title << true;
    QTest::addRow("e-mail") << "Edi_ContadorEMail" << "sem-arroba" << "sem-arroba"
                            << QString::fromUtf8("E-MAIL INVÁLIDO.") << title << true;
    QTest::addRow("money") << "Edi_CapSocial" << "1234,5" << "1.234,50" << "" << "" << false;
    QTest::addRow("money out of range") << "Edit4" << "12345678901" << "12.345.678.901,00"
                                        << "Valor fora da faixa permitida." << fichas << true;
    QTest::addRow("money no number") << "Edi_CapSocial" << "1,2,3" << "1,2,3" << QString::fromUtf8("Valor numérico inválido.")
                                     << title << false;
    QTest::addRow("percentage 50") << "Edi_Perce_1" << "50" << "50,0" << "" << "" << false;
    QTest::addRow("percentage 1,23") << "Edi_Perce_1" << "=1,23" << "1,2" << "" << "" << false;
    QTest::addRow("percentage 99,95") << "Edi_Perce_2" << "=99,95" << "99,9" << "" << "" << false;
    QTest::addRow("percentage 100") << "Edi_Perce_2" << "100" << "100,0" << "" << "" << false;
    QTest::addRow("percentage 0") << "Edi_Perce_1" << "0" << "0" << QString::fromUtf8("Percentual inválido.") << fichas
                                  << true;
    QTest::addRow("percentage 101") << "Edi_Perce_1" << "101" << "101" << QString::fromUtf8("Percentual inválido.")
                                    << fichas << true;
    QTest::addRow("percentage no number") << "Edi_Perce_1" << "=1,2,3" << "1,2,3"
                                          << QString::fromUtf8("Percentual inválido.") << title << false;
}

void TestFac::checks()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QString, message);
    QFETCH(QString, caption);
    QFETCH(bool, focusBack);
    TFm_Fac *e = newEditor();
    e->Cmb_TpReg_1->SetItemIndex(0); // CPF
    e->Cmb_TpReg_2->SetItemIndex(1); // CNPJ
    QWidget *w = e->fields().widget(field);
    QVERIFY(w);
    w->setEnabled(true);
    for (int page = 0; page < e->PC_Fac->count(); ++page)
        if (e->PC_Fac->widget(page)->isAncestorOf(w))
            e->PC_Fac->setCurrentIndex(page);
    for (int page = 0; page < e->PC_Socios->count(); ++page)
        if (e->PC_Socios->widget(page)->isAncestorOf(w))
            e->PC_Socios->setCurrentIndex(page);
    w->setFocus();
    if (typed.startsWith('='))
        setValue(w, typed.mid(1));
    else
        type(w, typed);
    MessageRecorder rec;
    QTest::keyClick(w, Qt::Key_Tab);
    QCOMPARE(valueOf(w), after);
    QCOMPARE(rec.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(rec.last().caption, caption);
        QCOMPARE(rec.last().icon, platform::MsgIcon::Error);
    }
    QCOMPARE(QApplication::focusWidget() == w, focusBack);
}

void TestFac::twoRejectedFieldsDoNotBounce()
{
    TFm_Fac *e = newEditor();
    e->PC_Fac->setCurrentWidget(e->TabSheet1);
    e->MaskEdit7->setEnabled(true);
    e->MaskEdit7->SetText("99/99/9999");
    MessageRecorder rec;
    type(e->MaskEdit1, "31022020");
    e->MaskEdit7->setFocus();
    QCOMPARE(rec.messages.size(), 1);
    QCOMPARE(QApplication::focusWidget(), e->MaskEdit1);
}

void TestFac::blankEntries()
{
    // Each list whose last item is a blank: leaving it with the blank chosen empties it;
    // the lists without one keep what is chosen.
    TFm_Fac *e = newEditor();
    e->Inc_Pedido->SetItemIndex(1);
    const QList<std::pair<const char *, int>> lists{
        {"IncCombo16", 27}, {"inc_estab", 3},   {"IncCombo19", 4},  {"IncCombo1", 6},
        {"Inc_Trata_Socio_1", 3}, {"Inc_Trata_Socio_2", 3}, {"Cmb_TpReg_1", 2}, {"Cmb_TpReg_2", 2},
        {"IncCombo3", 3}, {"Cmb_Parti_1", 3}, {"IncCombo5", 28}, {"Cmb_Uf_1", 28}, {"Inc_Pedido", -1}};
    for (const auto &[name, blank] : lists) {
        auto *list = e->fields().field<widgets::TIncCombo>(name);
        QVERIFY2(list, name);
        const int chosen = blank >= 0 ? blank : list->Count() - 1;
        QVERIFY2(list->Items().at(chosen) == (blank >= 0 ? " " : "RECADASTRAMENTO"), name);
        list->setEnabled(true);
        list->setFocus();
        list->SetItemIndex(chosen);
        e->Btn_Margens->setFocus();
        QCOMPARE(list->ItemIndex(), blank >= 0 ? -1 : chosen);
        QCOMPARE(list->Text().isEmpty(), blank >= 0);
    }
}

void TestFac::keysAndPageNavigation()
{
    TFm_Fac *e = newEditor();
    MessageRecorder rec;
    // Money keys: digits, the comma and Backspace only.
    e->PC_Fac->setCurrentWidget(e->TabSheet2);
    type(e->Edi_CapSocial, "1a2.3 -,4\r");
    QCOMPARE(e->Edi_CapSocial->text(), QString("123,4"));
    // The seven multi-line fields take no line break.
    for (const char *name : {"RichEdit1", "Edit63", "RichEdit6", "RichEdit3", "RichEdit5", "RichEdit2", "RichEdit4"}) {
        auto *multi = e->fields().field<editors::TMultiLineEdit>(name);
        QVERIFY2(multi, name);
    }
    // Enter moves to the next page without the page guard, even with no nature chosen.
    e->PC_Fac->setCurrentWidget(e->TabSheet7);
    e->Edit29->setEnabled(true);
    type(e->Edit29, "3\r");
    QCOMPARE(e->PC_Fac->currentWidget(), e->TabSheet1);
    type(e->Edit67, "\r");
    QCOMPARE(e->PC_Fac->currentWidget(), e->TabSheet2);
    type(e->Edi_ContadorEMail, "\r");
    QCOMPARE(e->PC_Fac->currentWidget(), e->TabSheet3);
    QVERIFY(rec.messages.isEmpty());
}

QTEST_MAIN(TestFac)
#include "test_fac.moc"
