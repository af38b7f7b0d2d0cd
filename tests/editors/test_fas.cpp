#include "MessageRecorder.h"
#include "TestSupport.h"
#include "editors/fas/UF_Fas.h"
#include "platform/PrintDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "editors/common/UF_Salvar.h"
#include "validation/TFm_Funcoes.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using editors::TFm_Fas;
using widgets::TIncCombo;
using widgets::TMaskEdit;

namespace {

const QString kCpf = QStringLiteral("!999.999.999-99;0; ");
const QString kCnpj = QStringLiteral("!99.999.999/9999-99;0; ");

template <typename T = QWidget>
T *field(QWidget *e, const QString &name)
{
    auto *f = e->findChild<T *>(name);
    if (!f)
        qFatal("no field %s", qPrintable(name));
    return f;
}

QLabel *titleOf(QWidget *e, const QString &name)
{
    for (auto *label : e->findChildren<QLabel *>())
        if (label->buddy() == field(e, name))
            return label;
    return nullptr;
}

// Moves the focus to the field as Tab would (running the exit of the field left), on
// its page, and types the text key by key.
void type(TFm_Fas *e, const QString &name, const QString &text)
{
    QWidget *f = field(e, name);
    for (int i = 0; i < 3 && e->GrB_Socios->isAncestorOf(f) && !e->PC_Socios->currentWidget()->isAncestorOf(f); ++i)
        QTest::keyClick(e->PC_Socios, Qt::Key_Tab, Qt::ControlModifier);
    f->setFocus(Qt::TabFocusReason);
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(f, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, f, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

std::unique_ptr<TFm_Fas> shownEditor(const validation::TFm_Funcoes &funcoes, const QString &dados = {},
                                     bool nova = true)
{
    auto e = std::make_unique<TFm_Fas>(funcoes);
    e->setAttribute(Qt::WA_DeleteOnClose, false);
    e->ArqLista = dados + "/Lista_Fas.fas";
    e->ArqFicha = dados + "/Fas_1.fas";
    e->CodFicha = 1;
    e->FichaNova = nova;
    e->show();
    if (!QTest::qWaitForWindowActive(e.get()))
        qFatal("editor not shown");
    return e;
}

// What the keyboard fills in, page after page; every exit rule has run when the focus
// has moved on from the last field.
const QList<std::pair<const char *, const char *>> kTyped{
    {"Edi_Razao_Empresa", "Comércio Três Irmãos Ltda"}, {"Cmb_TpReg_Emp", "cn"}, {"Mae_NrReg_Emp", "11222333000181"},
    {"Inc_Trata_Socio_1", "i"}, {"Mae_DtJnt_Socio1", "15032020"}, {"Cmb_TpReg_1", "cp"},
    {"Mae_NrReg_1", "12345678909"}, {"Cmb_Parti_1", "co"}, {"Edi_Razao_1", "José da Silva"},
    {"Edi_Cargo_1", "Diretor"}, {"Edi_Perce_1", "50"}, {"Edi_TpLog_1", "Rua"}, {"Edi_NmLog_1", "das Flores"},
    {"Edi_NrImv_1", "123"}, {"Edi_Compl_1", "Sala 2"}, {"Edi_Bairr_1", "Centro"}, {"Mae_Cep_1", "88010400"},
    {"Mae_Tel_1", "4832221100"}, {"Edi_Distr_1", "Sede"}, {"Edi_Munic_1", "Florianópolis"}, {"Cmb_Uf_1", "sc"},
    {"Edit1", "Brasil"},
    {"Inc_Trata_Socio_2", "a"}, {"Mae_DtJnt_Socio2", "01022019"}, {"Cmb_TpReg_2", "cn"},
    {"Mae_NrReg_2", "11444777000161"}, {"Cmb_Parti_2", "r"}, {"Edi_Razao_2", "Holding Sul S.A."},
    {"Edi_Cargo_2", "Sócia"}, {"Edi_Perce_2", "99,95"}, {"Edi_TpLog_2", "Av."}, {"Edi_NmLog_2", "Beira-Mar"},
    {"Edi_NrImv_2", "1000"}, {"Edi_Bairr_2", "Agronômica"}, {"Mae_Cep_2", "88025301"},
    {"Edi_Munic_2", "Florianópolis"}, {"Cmb_Uf_2", "ex"}, {"Edit2", "Brasil"},
    {"Inc_Trata_Socio_3", "e"}, {"Edi_Razao_3", "Maria Souza"}, {"Edi_Perce_3", "100"}, {"Cmb_Uf_3", "to"},
    {"Edit3", ""}};

} // namespace

class TestFas : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void newFormSavedAndReopened();
    void taxpayerTypeFromStoredNumber_data();
    void taxpayerTypeFromStoredNumber();
    void registrationTypeRule_data();
    void registrationTypeRule();
    void exitChecks_data();
    void exitChecks();
    void deleteInPercentage();
    void printChecksAndCopies_data();
    void printChecksAndCopies();
    void pagesAsDesigned();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    validation::TFm_Funcoes m_funcoes;
};

void TestFas::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    platform::ProgramFolder::setCurrent(m_dir->path());
    platform::setApplicationTitle("Morvetia 3.1");
}

void TestFas::newFormSavedAndReopened()
{
    const QString dados = m_dir->filePath("Dados");
    QDir().mkpath(dados);
    MessageRecorder rec;
    {
        auto e = shownEditor(m_funcoes, dados);
        for (const auto &[name, text] : kTyped)
            type(e.get(), name, QString::fromUtf8(text));
        QTimer::singleShot(0, [] {
            auto *p = qobject_cast<editors::TFm_Salvar *>(QApplication::activeModalWidget());
            QVERIFY(p && p->windowTitle() == "Salvar - FAS");
            QTest::keyClicks(p->Edi_Descricao, "Irmaos");
            p->Btn_Sim->click();
        });
        e->Btn_Fechar->click();
        QVERIFY(!e->isVisible());
    }
    const QByteArray saved = testsupport::readBytes(dados + "/Fas_1.fas");
    const QByteArray golden = testsupport::readBytes(FICHAS_TEST_DATA "/Fas_1.golden");
    QCOMPARE(saved.split('\n'), golden.split('\n')); // names the first line that differs
    QCOMPARE(saved, golden);
    QCOMPARE(testsupport::readBytes(dados + "/Lista_Fas.fas"), QByteArray("01 Irmaos\r\n"));

    auto e = shownEditor(m_funcoes, dados, false);
    // Every value is back, and each number with the mask of its type.
    QStringList written = QString::fromLatin1(saved).split("\r\n");
    written.removeLast();
    QCOMPARE(e->recordLines(), written);
    QCOMPARE(e->Cmb_TpReg_Emp->Text(), QString("CNPJ"));
    QCOMPARE(field<TMaskEdit>(e.get(), "Mae_NrReg_Emp")->text(), QString("11.222.333/0001-81"));
    QCOMPARE(field<TMaskEdit>(e.get(), "Mae_NrReg_1")->text(), QString("123.456.789-09"));
    QCOMPARE(field<TMaskEdit>(e.get(), "Mae_NrReg_2")->EditMask(), kCnpj);
    QVERIFY(!field(e.get(), "Mae_NrReg_3")->isEnabled());
    e->close();
    QCOMPARE(rec.texts(), QStringList());
    QCOMPARE(testsupport::readBytes(dados + "/Fas_1.fas"), saved);
}

void TestFas::taxpayerTypeFromStoredNumber_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("shown");

    QTest::newRow("14 digits: CNPJ") << "11222333000181" << 1 << kCnpj << "11.222.333/0001-81";
    QTest::newRow("11 digits: CPF") << "12345678909" << 0 << kCpf << "123.456.789-09";
    QTest::newRow("partly typed: none") << "1234567" << -1 << QString() << "1234567";
    QTest::newRow("13 digits: none") << "1122233300018" << -1 << QString() << "1122233300018";
    QTest::newRow("empty: none") << "" << -1 << QString() << "";
}

void TestFas::taxpayerTypeFromStoredNumber()
{
    QFETCH(QString, stored);
    QFETCH(int, type);
    QFETCH(QString, mask);
    QFETCH(QString, shown);
    const QString path = m_dir->filePath("Fas_7.fas");
    testsupport::writeBytes(path, ("01 Empresa\r\n02 " + stored + "\r\n05 01\r\n06 11444777000161\r\n").toLatin1());
    TFm_Fas e(m_funcoes);
    e.setAttribute(Qt::WA_DeleteOnClose, false);
    e.ArqFicha = path;
    e.CarregaFicha();
    auto *number = field<TMaskEdit>(&e, "Mae_NrReg_Emp");
    QCOMPARE(e.Cmb_TpReg_Emp->ItemIndex(), type);
    QCOMPARE(number->EditMask(), mask);
    QCOMPARE(number->isEnabled(), type >= 0);
    QCOMPARE(titleOf(&e, "Mae_NrReg_Emp")->isEnabled(), type >= 0);
    QCOMPARE(number->text(), shown);
    QCOMPARE(number->Text(), stored);
    // A partner's type has its own line, read before its number.
    QCOMPARE(field<TMaskEdit>(&e, "Mae_NrReg_1")->text(), QString("11.444.777/0001-61"));
}

void TestFas::registrationTypeRule_data()
{
    QTest::addColumn<QString>("pair");
    for (const char *k : {"Emp", "1", "2", "3"})
        QTest::newRow(k) << QString(k);
}

void TestFas::registrationTypeRule()
{
    QFETCH(QString, pair);
    auto e = shownEditor(m_funcoes);
    auto *list = field<TIncCombo>(e.get(), "Cmb_TpReg_" + pair);
    auto *nr = field<TMaskEdit>(e.get(), "Mae_NrReg_" + pair);
    // Created closed, title too, without a mask.
    QVERIFY(!nr->isEnabled() && !titleOf(e.get(), nr->objectName())->isEnabled());
    QCOMPARE(nr->EditMask(), QString());

    MessageRecorder rec;
    type(e.get(), list->objectName(), "cp");
    QVERIFY(nr->isEnabled() && titleOf(e.get(), nr->objectName())->isEnabled());
    type(e.get(), nr->objectName(), "12345678909");
    QCOMPARE(nr->text(), QString("123.456.789-09"));
    // Another type: the other mask, the number emptied.
    type(e.get(), list->objectName(), "cn");
    QCOMPARE(list->Text(), QString("CNPJ"));
    QCOMPARE(nr->Text(), QString());
    type(e.get(), nr->objectName(), "11222333000181");
    QCOMPARE(nr->text(), QString("11.222.333/0001-81"));
    // Limpar: no type; the number emptied, left open with its last mask.
    e->Btn_Limpar->click();
    QCOMPARE(list->ItemIndex(), -1);
    QCOMPARE(nr->Text(), QString());
    QVERIFY(nr->isEnabled());
    QCOMPARE(nr->EditMask(), kCnpj);
    QCOMPARE(rec.texts(), QStringList{QString::fromUtf8("Você tem certeza de que quer apagar tudo?")});
}

// The checks and rewrites that run when the focus leaves a number, a Junta Comercial
// date or a percentage.
void TestFas::exitChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typeChosen"); // typed into the number's type list first
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");      // the field's text once left
    QTest::addColumn<QString>("message");    // empty: none
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("focusKept");

    const QString err = "Morvetia 3.1";
    QTest::newRow("taxpayer CPF wrong digit") << "Mae_NrReg_Emp" << "cp" << "12345678900" << "12345678900" << "CPF Inválido." << err << true;
    QTest::newRow("taxpayer CNPJ partial") << "Mae_NrReg_Emp" << "cn" << "1122233300018" << "1122233300018 " << "CGC Inválido." << err << true;
    QTest::newRow("partner 1 CPF partial") << "Mae_NrReg_1" << "cp" << "1234567890" << "1234567890 " << "CPF Inválido." << err << true;
    QTest::newRow("partner 2 CNPJ wrong digit") << "Mae_NrReg_2" << "cn" << "11444777000162" << "11444777000162" << "CGC Inválido." << err << true;
    QTest::newRow("partner 2 CPF empty") << "Mae_NrReg_2" << "cp" << "" << "" << "" << "" << false;
    QTest::newRow("partner 3 CPF under CNPJ") << "Mae_NrReg_3" << "cn" << "12345678909" << "12345678909   " << "CGC Inválido." << err << true;

    QTest::newRow("date valid") << "Mae_DtJnt_Socio1" << "" << "15032020" << "15/03/2020" << "" << "" << false;
    QTest::newRow("date 31 February") << "Mae_DtJnt_Socio2" << "" << "31022020" << "31/02/2020" << "Data de Vencimento Inválida." << err << true;

    QTest::newRow("percent whole") << "Edi_Perce_1" << "" << "50" << "50,0" << "" << "" << false;
    QTest::newRow("percent below 100") << "Edi_Perce_3" << "" << "99,95" << "99,9" << "" << "" << false;
    QTest::newRow("percent keys filtered") << "Edi_Perce_3" << "" << "a5%-" << "5,0" << "" << "" << false;
    QTest::newRow("percent zero") << "Edi_Perce_2" << "" << "0" << "0" << "Percentual inválido." << "Fichas" << true;
    QTest::newRow("percent that would show 0,0") << "Edi_Perce_1" << "" << "0,04" << "0,04" << "Percentual inválido." << "Fichas" << true;
    // Not a number: an error, and the focus goes where the user sent it.
    QTest::newRow("percent two commas") << "Edi_Perce_2" << "" << "1,2,3" << "1,2,3" << "Percentual inválido." << err << false;
}

void TestFas::exitChecks()
{
    QFETCH(QString, name);
    QFETCH(QString, typeChosen);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QString, message);
    QFETCH(QString, caption);
    QFETCH(bool, focusKept);
    auto e = shownEditor(m_funcoes);
    if (!typeChosen.isEmpty())
        type(e.get(), QString(name).replace("Mae_NrReg_", "Cmb_TpReg_"), typeChosen);
    MessageRecorder rec;
    type(e.get(), name, typed);
    QWidget *f = field(e.get(), name);
    QTest::keyClick(f, Qt::Key_Tab);
    const auto *masked = qobject_cast<TMaskEdit *>(f);
    QCOMPARE(masked ? masked->Text() : static_cast<QLineEdit *>(f)->text(), after);
    QCOMPARE(rec.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(rec.last().caption, caption);
        QCOMPARE(rec.last().icon, platform::MsgIcon::Error);
    }
    QCOMPARE(QApplication::focusWidget() == f, focusKept);
}

void TestFas::deleteInPercentage()
{
    auto e = shownEditor(m_funcoes);
    type(e.get(), "Edi_Perce_2", "150");
    auto *f = field<QLineEdit>(e.get(), "Edi_Perce_2");
    QTest::keyClick(f, Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, f, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier); // as X11 sends it
    QCOMPARE(f->text(), QString("50"));
}

void TestFas::printChecksAndCopies_data()
{
    QTest::addColumn<int>("taxpayer");        // index of the taxpayer's type
    QTest::addColumn<QList<int>>("treatment"); // per partner
    QTest::addColumn<QStringList>("dates");    // per partner, as typed
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("copies");          // proposed by the dialog, 0: not shown

    const QStringList none{"", "", ""};
    const QString missing = "Data de Atualização na Junta Comercial do Sócio %1 deve ser informada.";
    QTest::newRow("CNPJ, no treatment") << 1 << QList<int>{-1, -1, -1} << none << "" << 2;
    QTest::newRow("CPF, no dates needed") << 0 << QList<int>{0, 1, 2} << none << "" << 3;
    QTest::newRow("no type, no treatment") << -1 << QList<int>{-1, -1, -1} << none << "" << 1;
    QTest::newRow("CNPJ, partner 2 undated") << 1 << QList<int>{-1, 1, -1} << none << missing.arg(2) << 0;
    QTest::newRow("no type counts as CNPJ") << -1 << QList<int>{-1, -1, 2} << none << missing.arg(3) << 0;
    QTest::newRow("partner 1 reported before 3") << 1 << QList<int>{0, -1, 2} << none << missing.arg(1) << 0;
    QTest::newRow("first failing partner only")
        << 1 << QList<int>{0, 1, 2} << QStringList{"01012020", "", ""} << missing.arg(2) << 0;
    QTest::newRow("CNPJ, all dated") << 1 << QList<int>{0, 1, 2} << QStringList{"01012020", "02022020", "03032020"}
                                     << "" << 2;
}

void TestFas::printChecksAndCopies()
{
    QFETCH(int, taxpayer);
    QFETCH(QList<int>, treatment);
    QFETCH(QStringList, dates);
    QFETCH(QString, message);
    QFETCH(int, copies);
    platform::PdfPrintDialog dialog(m_dir->filePath("fas.pdf"));
    platform::PrintDialog *previous = platform::PrintDialog::install(&dialog);
    TFm_Fas e(m_funcoes);
    e.setAttribute(Qt::WA_DeleteOnClose, false);
    e.Cmb_TpReg_Emp->SetItemIndex(taxpayer);
    for (int k = 1; k <= 3; ++k) {
        field<TIncCombo>(&e, QString("Inc_Trata_Socio_%1").arg(k))->SetItemIndex(treatment.at(k - 1));
        field<TMaskEdit>(&e, QString("Mae_DtJnt_Socio%1").arg(k))->SetText(dates.at(k - 1));
    }
    QCOMPARE(e.printProblems().value(0).message, message);
    MessageRecorder rec;
    dialog.cancel();
    e.Btn_Imprimir->click();
    platform::PrintDialog::install(previous);
    QCOMPARE(rec.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(dialog.presets, copies ? QList<int>{copies} : QList<int>{});
    if (!message.isEmpty()) {
        QCOMPARE(rec.last().caption, QString("Fichas"));
        QCOMPARE(rec.last().icon, platform::MsgIcon::Warning);
    }
}

void TestFas::pagesAsDesigned()
{
    TFm_Fas e(m_funcoes);
    e.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(e.PC_Socios->currentIndex(), 0);
    for (int k = 1; k <= 3; ++k) {
        const QString n = QString::number(k);
        QCOMPARE(e.PC_Socios->tabText(k - 1), "Sócio : " + n);
        // Pages 2 and 3 write the first six titles without blanks around the hyphen.
        const QString sep = k == 1 ? " - " : "-";
        QCOMPARE(titleOf(&e, "Inc_Trata_Socio_" + n)->text(), "01" + sep + "Tratamento");
        QCOMPARE(titleOf(&e, "Edi_Razao_" + n)->text(), "06" + sep + "Nome/Razão Social");
        QCOMPARE(titleOf(&e, "Edi_Cargo_" + n)->text(), QString("07 - Cargo/Função"));
        QCOMPARE(titleOf(&e, "Mae_NrReg_" + n)->objectName(), "Lab_TIT_NrReg_" + n);
        // Only partner 1 may be a co-owner.
        QCOMPARE(field<TIncCombo>(&e, "Cmb_Parti_" + n)->Items().contains("Condômino"), k == 1);
        // The keyboard follows the item numbers through the page.
        for (int j = 1; j < 19; ++j) {
            const int tag = 3 + 18 * (k - 1) + (j - 1);
            QVERIFY2(e.fields().byTag(tag)->nextInFocusChain() == e.fields().byTag(j == 18 ? 56 + k : tag + 1),
                     qPrintable(QString("page %1 item %2").arg(k).arg(j)));
        }
    }
    QCOMPARE(field(&e, "Edi_Razao_Empresa")->nextInFocusChain(), static_cast<QWidget *>(e.Cmb_TpReg_Emp));
    QCOMPARE(e.Btn_Imprimir->nextInFocusChain(), static_cast<QWidget *>(e.Btn_Limpar));
    QCOMPARE(e.Btn_Fechar->nextInFocusChain(), static_cast<QWidget *>(e.Btn_Margens));
    // Tags 1 to 59 are stored; the taxpayer's type list is cleared but not stored.
    QCOMPARE(e.recordLines().size(), 59);
    QCOMPARE(e.recordFields().size(), 60);
}

QTEST_MAIN(TestFas)
#include "test_fas.moc"
