#include "MessageRecorder.h"
#include "TestSupport.h"
#include "app/UF_Principal.h"
#include "editors/faca/UF_Faca.h"
#include "platform/PrintDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "app/UF_Abrir.h"
#include "editors/common/UF_Salvar.h"
#include "validation/TFm_Funcoes.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using editors::TFm_Faca;
using widgets::TMaskEdit;

namespace {

template <typename T>
void whenShown(int ms, std::function<void(T *)> act)
{
    QTimer::singleShot(ms, [act] {
        auto *w = qobject_cast<T *>(QApplication::activeModalWidget());
        QVERIFY2(w, "expected modal window not shown");
        act(w);
    });
}

// Types keys as a user does: "^" is Home, a character beyond ASCII comes from an accent key.
void type(QWidget *field, const QString &keys, bool focus = true)
{
    if (focus)
        field->setFocus();
    for (QChar c : keys) {
        if (c == QLatin1Char('^'))
            QTest::keyClick(field, Qt::Key_Home);
        else if (c.unicode() < 128)
            QTest::keyClick(field, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

template <typename T = QWidget>
T *field(const TFm_Faca *e, const QString &name)
{
    T *f = e->fields().field<T>(name);
    if (!f)
        qFatal("no field %s", qPrintable(name));
    return f;
}

// Fills a page as a user does: the first field's keys, then Tab, which must land on the
// next field of the list, and so on.
bool fillPage(TFm_Faca *e, int page, const QList<std::pair<const char *, QString>> &typed)
{
    e->PC_Faca->setCurrentIndex(page);
    field(e, typed.first().first)->setFocus();
    for (const auto &[control, keys] : typed) {
        QWidget *w = field(e, control);
        if (QApplication::focusWidget() != w)
            return false;
        type(w, keys, false);
        QTest::keyClick(w, Qt::Key_Tab);
    }
    return true;
}

bool fillSample(TFm_Faca *e)
{
    const QString jose = QString::fromUtf8("José da Silva Lavrador"), cuiaba = QString::fromUtf8("Cuiabá");
    return fillPage(e, 0, {{"Mae_Inscricao", "123456789"}, {"Inc_Pedido", "a"}, {"Edit6", jose},
                           {"mae_Cpf", "12345678909"}, {"MaskEdit5", "NIRF 1234567-8"},
                           {"incCmb_Condicao", "pr."}, {"incCmb_Prazo", "n"}, {"mae_DtFimContrato", ""},
                           {"MaskEdit2", "05062014"}, {"MaskEdit3", "12345678000195"}, {"Edit9", "Rua"},
                           {"Edit10", "das Palmeiras"}, {"Edit5", "120"}, {"Edit12", "Casa 2"},
                           {"Edit13", "Centro"}, {"MaskEdit6", "065133334444"}, {"Edit14", "Distrito Norte"},
                           {"Edit15", cuiaba}})
           && fillPage(e, 1, {{"Edit19", "Fazenda Boa Vista"}, {"Edit2", "Estrada"}, {"Edit3", "MT-010 km 12"},
                              {"Edit4", "Zona Rural"}, {"Edit7", "Guia"}, {"Edit8", cuiaba},
                              {"Edit23", "Perto da ponte"}})
           && fillPage(e, 2, {{"Edit11", "Maria Souza"}, {"MaskEdit1", "98765432100"}, {"Edit16", "Av."},
                              {"Edit17", "Brasil"}, {"Edit22", "1500"}, {"Edit18", "Centro"}, {"Edit20", "Sede"},
                              {"me_TelProprietario", "78000100"}, {"Edit21", cuiaba}, {"Edit24", ""}})
           && fillPage(e, 3, {{"Edit35", jose}, {"Edit1", cuiaba}, {"mae_DataDeclaracao", "01022024"}});
}

} // namespace

class TestFaca : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void newFormFilledSavedAndReopened();
    void savedRecordLoadsWithItsRules_data();
    void savedRecordLoadsWithItsRules();
    void choiceRules_data();
    void choiceRules();
    void fieldChecksOnExit_data();
    void fieldChecksOnExit();
    void printChecks_data();
    void printChecks();

private:
    std::unique_ptr<TFm_Faca> shownEditor();

    std::unique_ptr<QTemporaryDir> m_dir;
    validation::TFm_Funcoes m_funcoes;
};

void TestFaca::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    platform::ProgramFolder::setCurrent(m_dir->path());
    platform::setApplicationTitle("Morvetia 3.1");
}

std::unique_ptr<TFm_Faca> TestFaca::shownEditor()
{
    auto e = std::make_unique<TFm_Faca>(m_funcoes);
    e->setAttribute(Qt::WA_DeleteOnClose, false);
    e->FichaNova = true;
    e->show();
    QApplication::setActiveWindow(e.get());
    if (!QTest::qWaitForWindowActive(e.get()))
        qWarning("editor not active");
    return e;
}

void TestFaca::newFormFilledSavedAndReopened()
{
    app::TFm_Principal principal;
    principal.show();
    QVERIFY(QTest::qWaitForWindowActive(&principal));
    principal.SetItemIndex(1);
    bool filled = false;
    whenShown<TFm_Faca>(0, [&filled](TFm_Faca *e) {
        QVERIFY(e->FichaNova);
        QApplication::setActiveWindow(e);
        QVERIFY(QTest::qWaitForWindowActive(e));
        MessageRecorder rec;
        filled = fillSample(e) && rec.messages.isEmpty();
        // After the last field come Imprimir, Margens, Limpar, Fechar and then Ajuda.
        QWidget *next[] = {e->Btn_Imprimir, e->Btn_Margens, e->Btn_Limpar, e->Btn_Fechar, e->Button1};
        for (QWidget *button : next) {
            filled = filled && QApplication::focusWidget() == button;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        whenShown<editors::TFm_Salvar>(0, [](editors::TFm_Salvar *p) {
            QCOMPARE(p->windowTitle(), QString("Salvar - FACA"));
            QTest::keyClicks(p->Edi_Descricao, "Fazenda Boa Vista");
            p->Btn_Sim->click();
        });
        e->Btn_Fechar->click();
    });
    principal.Btn_Ok->click();
    QVERIFY(filled);

    const QString ficha = m_dir->filePath("Dados/Faca_1.fca");
    const QByteArray saved = testsupport::readBytes(ficha);
    QCOMPARE(saved, testsupport::readBytes(FICHAS_TEST_DATA "/Faca_1.golden"));
    QCOMPARE(testsupport::readBytes(m_dir->filePath("Dados/Lista_Faca.fca")), QByteArray("01 Fazenda Boa Vista\r\n"));

    // Reopened from the list: every field is back, and closing writes the same bytes.
    whenShown<app::TFm_Abrir>(0, [](app::TFm_Abrir *d) {
        d->Lista_txt->setCurrentRow(0);
        d->Btn_Ok->click();
    });
    bool checked = false;
    whenShown<TFm_Faca>(50, [&checked](TFm_Faca *e) {
        QVERIFY(!e->FichaNova);
        QCOMPARE(e->Inc_Pedido->Value(), QString::fromUtf8("2-Alteração"));
        QCOMPARE(e->Mae_Inscricao->Text(), QString("123456789"));
        QVERIFY(e->MaskEdit3->isEnabled());
        QCOMPARE(e->MaskEdit3->Text(), QString("12.345.678/0001-95"));
        QCOMPARE(e->incCmb_Prazo->Value(), QString::fromUtf8("NÃO"));
        QCOMPARE(field<TMaskEdit>(e, "MaskEdit6")->Text(), QString("(0651)33334444"));
        QCOMPARE(field<QLineEdit>(e, "Edit8")->text(), QString::fromUtf8("Cuiabá"));
        QCOMPARE(field<TMaskEdit>(e, "mae_DataDeclaracao")->Text(), QString("01/02/2024"));
        checked = true;
        MessageRecorder rec;
        e->close();
        QVERIFY(rec.messages.isEmpty());
    });
    principal.Btn_Ok->click();
    QVERIFY(checked);
    QCOMPARE(testsupport::readBytes(ficha), saved);
}

void TestFaca::savedRecordLoadsWithItsRules_data()
{
    QTest::addColumn<QString>("pedido");
    QTest::addColumn<QString>("inscricao");
    QTest::addColumn<QString>("condicao");
    QTest::addColumn<bool>("inscricaoOpen");
    QTest::addColumn<bool>("cnpjOpen");
    QTest::newRow("Inscrição: number empty and closed") << "0" << "" << "10" << false << true;
    QTest::newRow("no nature, stored as -1") << "-1" << "123456789" << "10" << true << true;
    QTest::newRow("blank nature, stored as 5") << "5" << "123456789" << "10" << true << true;
    QTest::newRow("other condition: the CNPJ kept, closed") << "1" << "123456789" << "2" << true << false;
}

void TestFaca::savedRecordLoadsWithItsRules()
{
    QFETCH(QString, pedido);
    QFETCH(QString, inscricao);
    QFETCH(QString, condicao);
    QFETCH(bool, inscricaoOpen);
    QFETCH(bool, cnpjOpen);
    // The saved sample with the header and condition lines replaced.
    QByteArray record = testsupport::readBytes(FICHAS_TEST_DATA "/Faca_1.golden");
    record.replace("02 1\r\n01 123456789\r\n", ("02 " + pedido + "\r\n01 " + inscricao + "\r\n").toLatin1());
    record.replace("14 10\r\n", ("14 " + condicao + "\r\n").toLatin1());
    const QString path = m_dir->filePath("Faca_7.fca");
    testsupport::writeBytes(path, record);

    TFm_Faca e(m_funcoes);
    e.setAttribute(Qt::WA_DeleteOnClose, false);
    e.ArqFicha = path;
    MessageRecorder rec;
    e.show();
    QCOMPARE(e.Inc_Pedido->ItemIndex(), pedido.toInt());
    QCOMPARE(e.Mae_Inscricao->Text(), inscricao);
    QCOMPARE(e.Mae_Inscricao->isEnabled(), inscricaoOpen);
    QCOMPARE(e.Lab_TIT_Inscricao->isEnabled(), inscricaoOpen);
    QCOMPARE(e.MaskEdit3->isEnabled(), cnpjOpen);
    QCOMPARE(e.MaskEdit3->Text(), QString("12.345.678/0001-95"));
    e.close();
    QVERIFY(rec.messages.isEmpty());
    QCOMPARE(testsupport::readBytes(path), record);
}

void TestFaca::choiceRules_data()
{
    QTest::addColumn<QString>("pedidoKeys");
    QTest::addColumn<QString>("condicaoKeys"); // after Quilombola was chosen and its CNPJ typed
    QTest::addColumn<bool>("limpar");
    QTest::addColumn<QString>("inscricao");
    QTest::addColumn<bool>("inscricaoOpen");
    QTest::addColumn<bool>("cnpjOpen");
    QTest::newRow("as created") << "" << "-" << false << "123456789" << true << false;
    QTest::newRow("Inscrição empties and closes") << "i" << "-" << false << "" << false << false;
    QTest::newRow("then Reativação opens it empty") << "i^r" << "-" << false << "" << true << false;
    QTest::newRow("blank entry keeps it open") << " " << "-" << false << "123456789" << true << false;
    QTest::newRow("Limpar after Inscrição opens it") << "i" << "-" << true << "" << true << false;
    QTest::newRow("Quilombola opens the CNPJ") << "a" << "" << false << "123456789" << true << true;
    QTest::newRow("Arrendatário closes it") << "a" << "^a" << false << "123456789" << true << false;
    QTest::newRow("Limpar empties and closes it") << "a" << "" << true << "" << true << false;
}

void TestFaca::choiceRules()
{
    QFETCH(QString, pedidoKeys);
    QFETCH(QString, condicaoKeys);
    QFETCH(bool, limpar);
    QFETCH(QString, inscricao);
    QFETCH(bool, inscricaoOpen);
    QFETCH(bool, cnpjOpen);
    auto e = shownEditor();
    MessageRecorder rec;
    type(e->Mae_Inscricao, "123456789");
    type(e->Inc_Pedido, pedidoKeys);
    const bool quilombo = condicaoKeys != "-";
    if (quilombo) {
        type(e->incCmb_Condicao, "pr.");
        type(e->MaskEdit3, "12345678000195");
        type(e->incCmb_Condicao, condicaoKeys);
    }
    if (limpar)
        e->Btn_Limpar->click();
    QCOMPARE(e->Mae_Inscricao->Text(), inscricao);
    QCOMPARE(e->Mae_Inscricao->isEnabled(), inscricaoOpen);
    QCOMPARE(e->Lab_TIT_Inscricao->isEnabled(), inscricaoOpen);
    QCOMPARE(e->MaskEdit3->isEnabled(), cnpjOpen);
    // A closed CNPJ keeps its text; only Limpar empties it.
    QCOMPARE(e->MaskEdit3->Text(),
             quilombo && !limpar ? QString("12.345.678/0001-95") : QString("  .   .   /    -  "));
    QCOMPARE(rec.messages.size(), limpar ? 1 : 0);  // Limpar asks first, answered Sim
}

void TestFaca::fieldChecksOnExit_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<QString>("textAfter");
    const QString ie = QString::fromUtf8("Inscrição Estadual Inválida."), data = QString::fromUtf8("Data Inválida.");
    QTest::newRow("IE, one check digit") << "Mae_Inscricao" << 0 << "123456789" << "" << "123456789";
    QTest::newRow("IE, two check digits") << "Mae_Inscricao" << 0 << "100000385" << "" << "100000385";
    QTest::newRow("IE wrong") << "Mae_Inscricao" << 0 << "123456780" << ie << "123456780";
    QTest::newRow("IE empty") << "Mae_Inscricao" << 0 << "" << "" << "";
    QTest::newRow("end date empty") << "mae_DtFimContrato" << 0 << "" << "" << "  /  /    ";
    QTest::newRow("end date") << "mae_DtFimContrato" << 0 << "05062014" << "" << "05/06/2014";
    QTest::newRow("end date 31/02") << "mae_DtFimContrato" << 0 << "31022014" << data << "31/02/2014";
    QTest::newRow("start date, no year") << "MaskEdit2" << 0 << "0506" << data << "05/06/    ";
    QTest::newRow("declaration date 30/02") << "mae_DataDeclaracao" << 3 << "30022024" << data << "30/02/2024";
    QTest::newRow("CPF ou CNPJ: free text") << "mae_Cpf" << 0 << "AB-12/34 x.999" << "" << "AB-12/34 x.999";
}

void TestFaca::fieldChecksOnExit()
{
    QFETCH(QString, control);
    QFETCH(int, page);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, textAfter);
    auto e = shownEditor();
    e->PC_Faca->setCurrentIndex(page);
    auto *f = field<TMaskEdit>(e.get(), control);
    MessageRecorder rec;
    type(f, typed);
    QTest::keyClick(f, Qt::Key_Tab);
    QCOMPARE(f->Text(), textAfter);
    QCOMPARE(rec.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(QApplication::focusWidget() == f, !message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(rec.last().caption, QString("Morvetia 3.1"));
        QCOMPARE(rec.last().icon, platform::MsgIcon::Error);
    }
}

void TestFaca::printChecks_data()
{
    QTest::addColumn<int>("pedido");
    QTest::addColumn<QString>("inscricao");
    QTest::addColumn<int>("condicao");
    QTest::addColumn<int>("prazo");
    QTest::addColumn<QString>("fim");
    QTest::addColumn<QString>("message"); // empty: the print dialog comes, with 1 copy
    const QString ie = "123456789";
    const QString prazoIndevido = QString::fromUtf8(
        "O Contrato com Prazo Determinado não pode ser utilizado para esta Condição de Produtor.");
    // Each row fails at the first check it names, whatever the later ones would say.
    QTest::newRow("1 no nature") << -1 << "" << -1 << 0 << "" << "Natureza do Pedido deve ser informada.";
    QTest::newRow("2 Alteração, no IE") << 1 << "" << -1 << 0 << ""
                                         << QString::fromUtf8("Inscrição Estadual deve ser informada.");
    QTest::newRow("2 blank nature, no IE") << 5 << "" << 0 << -1 << ""
                                           << QString::fromUtf8("Inscrição Estadual deve ser informada.");
    QTest::newRow("3 Inscrição needs no IE; no condition")
        << 0 << "" << -1 << 0 << "" << QString::fromUtf8("Condição do Produtor deve ser informada.");
    QTest::newRow("4 Proprietário, Sim") << 1 << ie << 0 << 0 << "01012030" << prazoIndevido;
    QTest::newRow("4 Quilombola, Sim") << 1 << ie << 10 << 0 << "" << prazoIndevido;
    QTest::newRow("5 Arrendatário, no term") << 1 << ie << 2 << -1 << ""
                                             << "Informar se o Contrato possui prazo determinado.";
    QTest::newRow("6 Parceiro, Sim, no end date") << 1 << ie << 4 << 0 << ""
                                                  << "Data Fim do Contrato deve ser informada.";
    QTest::newRow("Comodatário, Sim, end date") << 1 << ie << 5 << 0 << "31122030" << "";
    QTest::newRow("Arrendatário, Não, no end date") << 1 << ie << 2 << 1 << "" << "";
    QTest::newRow("Inscrição, Proprietário, Não") << 0 << "" << 0 << 1 << "" << "";
    QTest::newRow("Proprietário, no term") << 4 << ie << 0 << -1 << "" << "";
}

void TestFaca::printChecks()
{
    QFETCH(int, pedido);
    QFETCH(QString, inscricao);
    QFETCH(int, condicao);
    QFETCH(int, prazo);
    QFETCH(QString, fim);
    QFETCH(QString, message);
    const QString pdf = m_dir->filePath("faca.pdf");
    platform::PdfPrintDialog dialog(pdf);
    platform::PrintDialog *previous = platform::PrintDialog::install(&dialog);
    TFm_Faca e(m_funcoes);
    e.Inc_Pedido->SetItemIndex(pedido);
    e.Mae_Inscricao->SetText(inscricao);
    e.incCmb_Condicao->SetItemIndex(condicao);
    e.incCmb_Prazo->SetItemIndex(prazo);
    field<TMaskEdit>(&e, "mae_DtFimContrato")->SetText(fim);
    QWidget *focused = QApplication::focusWidget();
    MessageRecorder rec;
    dialog.confirm();
    e.Btn_Imprimir->click();
    platform::PrintDialog::install(previous);

    QCOMPARE(rec.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    QCOMPARE(dialog.presets, message.isEmpty() ? QList<int>{1} : QList<int>{});
    QCOMPARE(QFileInfo(pdf).size() > 1000, message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(rec.last().caption, QString("Fichas"));
        QCOMPARE(rec.last().icon, platform::MsgIcon::Warning);
        QCOMPARE(rec.last().buttons, platform::MsgButtons::Ok);
        QCOMPARE(QApplication::focusWidget(), focused);
    }
    QCOMPARE(e.Mae_Inscricao->Text(), inscricao); // printing changes nothing in the form
}

QTEST_MAIN(TestFaca)
#include "test_faca.moc"
