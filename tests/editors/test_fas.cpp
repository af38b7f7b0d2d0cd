#include "MessageRecorder.h"
#include "TestSupport.h"
#include "editors/fas/FASRules.h"
#include "editors/fas/UF_Fas.h"
#include "platform/PrintDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "store/UF_Salvar.h"
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

#include <functional>
#include <memory>

using editors::TFm_Fas;
using widgets::TIncCombo;
using widgets::TMaskEdit;

namespace {

const QString kCpf = QStringLiteral("!999.999.999-99;0; ");
const QString kCnpj = QStringLiteral("!99.999.999/9999-99;0; ");

template <typename T>
void whenShown(std::function<void(T *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *w = qobject_cast<T *>(QApplication::activeModalWidget());
        QVERIFY2(w, "expected modal window not shown");
        act(w);
    });
}

template <typename T>
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
        if (label->buddy() == field<QWidget>(e, name))
            return label;
    return nullptr;
}

// Types into the field as a user would, after moving the focus there (which runs the
// exit of the field left).
void type(QWidget *f, const QString &text)
{
    f->setFocus(Qt::TabFocusReason);
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(f, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, f, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void type(QWidget *e, const QString &name, const QString &text) { type(field<QWidget>(e, name), text); }

// Shows the page holding the field, as the user would click its tab.
void showPageOf(TFm_Fas *e, QWidget *f)
{
    for (int page = 0; page < 3; ++page)
        if (e->PC_Socios->widget(page)->isAncestorOf(f))
            e->PC_Socios->setCurrentIndex(page);
}

TFm_Fas *shownEditor(const validation::TFm_Funcoes &funcoes)
{
    auto *e = new TFm_Fas(funcoes);
    e->setAttribute(Qt::WA_DeleteOnClose, false);
    e->FichaNova = true;
    e->show();
    if (!QTest::qWaitForWindowActive(e))
        qFatal("editor not shown");
    return e;
}

// Fills the three partner pages by keyboard; the focus moves on from each field, so
// every exit rule has run when it returns.
void fillByKeyboard(TFm_Fas *e)
{
    type(e, "Edi_Razao_Empresa", QString::fromUtf8("Comércio Três Irmãos Ltda"));
    type(e, "Cmb_TpReg_Emp", "cn");
    type(e, "Mae_NrReg_Emp", "11222333000181");

    type(e, "Inc_Trata_Socio_1", "i");
    type(e, "Mae_DtJnt_Socio1", "15032020");
    type(e, "Cmb_TpReg_1", "cp");
    type(e, "Mae_NrReg_1", "12345678909");
    type(e, "Cmb_Parti_1", "co");
    type(e, "Edi_Razao_1", QString::fromUtf8("José da Silva"));
    type(e, "Edi_Cargo_1", "Diretor");
    type(e, "Edi_Perce_1", "50");
    type(e, "Edi_TpLog_1", "Rua");
    type(e, "Edi_NmLog_1", "das Flores");
    type(e, "Edi_NrImv_1", "123");
    type(e, "Edi_Compl_1", "Sala 2");
    type(e, "Edi_Bairr_1", "Centro");
    type(e, "Mae_Cep_1", "88010400");
    type(e, "Mae_Tel_1", "4832221100");
    type(e, "Edi_Distr_1", "Sede");
    type(e, "Edi_Munic_1", QString::fromUtf8("Florianópolis"));
    type(e, "Cmb_Uf_1", "sc");
    type(e, "Edit1", "Brasil");

    QTest::keyClick(e->PC_Socios, Qt::Key_Tab, Qt::ControlModifier);
    type(e, "Inc_Trata_Socio_2", "a");
    type(e, "Mae_DtJnt_Socio2", "01022019");
    type(e, "Cmb_TpReg_2", "cn");
    type(e, "Mae_NrReg_2", "11444777000161");
    type(e, "Cmb_Parti_2", "r");
    type(e, "Edi_Razao_2", "Holding Sul S.A.");
    type(e, "Edi_Cargo_2", QString::fromUtf8("Sócia"));
    type(e, "Edi_Perce_2", "99,95");
    type(e, "Edi_TpLog_2", "Av.");
    type(e, "Edi_NmLog_2", "Beira-Mar");
    type(e, "Edi_NrImv_2", "1000");
    type(e, "Edi_Bairr_2", QString::fromUtf8("Agronômica"));
    type(e, "Mae_Cep_2", "88025301");
    type(e, "Edi_Munic_2", QString::fromUtf8("Florianópolis"));
    type(e, "Cmb_Uf_2", "ex");
    type(e, "Edit2", "Brasil");

    QTest::keyClick(e->PC_Socios, Qt::Key_Tab, Qt::ControlModifier);
    type(e, "Inc_Trata_Socio_3", "e");
    type(e, "Edi_Razao_3", "Maria Souza");
    type(e, "Edi_Perce_3", "100");
    type(e, "Cmb_Uf_3", "to");
    type(e, "Edit3", "");
}

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
    void numberChecks_data();
    void numberChecks();
    void dateChecks_data();
    void dateChecks();
    void percentages_data();
    void percentages();
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
    auto open = [&](bool nova) {
        auto *e = new TFm_Fas(m_funcoes);
        e->setAttribute(Qt::WA_DeleteOnClose, false);
        e->ArqLista = dados + "/Lista_Fas.fas";
        e->ArqFicha = dados + "/Fas_1.fas";
        e->CodFicha = 1;
        e->FichaNova = nova;
        e->show();
        if (!QTest::qWaitForWindowActive(e))
            qFatal("editor not shown");
        return std::unique_ptr<TFm_Fas>(e);
    };

    MessageRecorder rec;
    {
        auto e = open(true);
        QCOMPARE(e->windowTitle(), QString::fromUtf8("FAS - Ficha Auxiliar de Sócios"));
        fillByKeyboard(e.get());
        whenShown<store::TFm_Salvar>([](store::TFm_Salvar *p) {
            QCOMPARE(p->windowTitle(), QString("Salvar - FAS"));
            QTest::keyClicks(p->Edi_Descricao, "Irmaos");
            p->Btn_Sim->click();
        });
        e->Btn_Fechar->click();
        QVERIFY(!e->isVisible());
    }
    QCOMPARE(rec.texts(), QStringList());
    QCOMPARE(testsupport::readBytes(dados + "/Lista_Fas.fas"), QByteArray("01 Irmaos\r\n"));
    const QByteArray saved = testsupport::readBytes(dados + "/Fas_1.fas");
    const QByteArray golden = testsupport::readBytes(FICHAS_TEST_DATA "/Fas_1.golden");
    QCOMPARE(saved.split('\n'), golden.split('\n'));  // names the first line that differs
    QCOMPARE(saved, golden);

    auto e = open(false);
    // The taxpayer's type is back from the number's 14 digits.
    QCOMPARE(e->Cmb_TpReg_Emp->Text(), QString("CNPJ"));
    auto *emp = field<TMaskEdit>(e.get(), "Mae_NrReg_Emp");
    QCOMPARE(emp->EditMask(), kCnpj);
    QVERIFY(emp->isEnabled() && titleOf(e.get(), "Mae_NrReg_Emp")->isEnabled());
    QCOMPARE(emp->text(), QString("11.222.333/0001-81"));
    QCOMPARE(field<TMaskEdit>(e.get(), "Mae_NrReg_1")->EditMask(), kCpf);
    QCOMPARE(field<TMaskEdit>(e.get(), "Mae_NrReg_1")->Text(), QString("12345678909"));
    QCOMPARE(field<TMaskEdit>(e.get(), "Mae_NrReg_2")->EditMask(), kCnpj);
    QVERIFY(!field<TMaskEdit>(e.get(), "Mae_NrReg_3")->isEnabled());
    QCOMPARE(field<TIncCombo>(e.get(), "Cmb_Parti_1")->Text(), QString::fromUtf8("Condômino"));
    QCOMPARE(field<TIncCombo>(e.get(), "Inc_Trata_Socio_2")->Value(), QString("2-Alterar"));
    QCOMPARE(field<TMaskEdit>(e.get(), "Mae_DtJnt_Socio1")->Text(), QString("15/03/2020"));
    QCOMPARE(field<QLineEdit>(e.get(), "Edi_Perce_2")->text(), QString("99,9"));
    QCOMPARE(field<QLineEdit>(e.get(), "Edi_Munic_1")->text(), QString::fromUtf8("Florianópolis"));
    QCOMPARE(field<TIncCombo>(e.get(), "Cmb_Uf_2")->Text(), QString("EX"));
    QCOMPARE(field<QLineEdit>(e.get(), "Edit1")->text(), QString("Brasil"));
    // Every stored value is back: the record reads as it was written.
    QStringList written = QString::fromLatin1(saved).split("\r\n");
    written.removeLast();
    QCOMPARE(e->record().lines(), written);
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
    QCOMPARE(field<TMaskEdit>(&e, "Mae_NrReg_1")->EditMask(), kCnpj);
    QCOMPARE(field<TMaskEdit>(&e, "Mae_NrReg_1")->Text(), QString("11444777000161"));
}

void TestFas::registrationTypeRule_data()
{
    QTest::addColumn<QString>("typeList");
    QTest::addColumn<QString>("number");
    for (const char *k : {"Emp", "1", "2", "3"})
        QTest::addRow("%s", k) << QString("Cmb_TpReg_%1").arg(k) << QString("Mae_NrReg_%1").arg(k);
}

void TestFas::registrationTypeRule()
{
    QFETCH(QString, typeList);
    QFETCH(QString, number);
    std::unique_ptr<TFm_Fas> e(shownEditor(m_funcoes));
    auto *list = field<TIncCombo>(e.get(), typeList);
    auto *nr = field<TMaskEdit>(e.get(), number);
    showPageOf(e.get(), nr);
    // Created: closed, no mask, title closed too.
    QVERIFY(!nr->isEnabled());
    QVERIFY(!titleOf(e.get(), number)->isEnabled());
    QCOMPARE(nr->EditMask(), QString());

    MessageRecorder rec;
    type(list, "cp");
    QCOMPARE(list->Text(), QString("CPF"));
    QVERIFY(nr->isEnabled() && titleOf(e.get(), number)->isEnabled());
    QCOMPARE(nr->EditMask(), kCpf);
    type(nr, "12345678909");
    QCOMPARE(nr->text(), QString("123.456.789-09"));

    // Another type: the other mask, the number emptied.
    type(list, "cn");
    QCOMPARE(list->Text(), QString("CNPJ"));
    QCOMPARE(nr->EditMask(), kCnpj);
    QCOMPARE(nr->Text(), QString());
    type(nr, "11222333000181");
    QCOMPARE(nr->text(), QString("11.222.333/0001-81"));

    // Limpar: no type, the number emptied and left open with its last mask.
    e->Btn_Limpar->click();
    QCOMPARE(list->ItemIndex(), -1);
    QCOMPARE(nr->Text(), QString());
    QVERIFY(nr->isEnabled());
    QCOMPARE(nr->EditMask(), kCnpj);
    QCOMPARE(rec.texts(), QStringList());
}

void TestFas::numberChecks_data()
{
    QTest::addColumn<QString>("pair");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("taxpayer CPF valid") << "Emp" << "cp" << "12345678909" << "";
    QTest::newRow("taxpayer CPF wrong digit") << "Emp" << "cp" << "12345678900" << "CPF Inválido.";
    QTest::newRow("taxpayer CNPJ partial") << "Emp" << "cn" << "1122233300018" << "CGC Inválido.";
    QTest::newRow("partner 1 CPF partial") << "1" << "cp" << "1234567890" << "CPF Inválido.";
    QTest::newRow("partner 1 CNPJ valid") << "1" << "cn" << "11444777000161" << "";
    QTest::newRow("partner 2 CNPJ wrong digit") << "2" << "cn" << "11444777000162" << "CGC Inválido.";
    QTest::newRow("partner 2 CPF empty") << "2" << "cp" << "" << "";
    QTest::newRow("partner 3 CNPJ empty") << "3" << "cn" << "" << "";
    // A CPF's digits are no CNPJ.
    QTest::newRow("partner 3 CPF under CNPJ") << "3" << "cn" << "12345678909" << "CGC Inválido.";
}

void TestFas::numberChecks()
{
    QFETCH(QString, pair);
    QFETCH(QString, kind);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    std::unique_ptr<TFm_Fas> e(shownEditor(m_funcoes));
    auto *nr = field<TMaskEdit>(e.get(), "Mae_NrReg_" + pair);
    showPageOf(e.get(), nr);
    type(field<TIncCombo>(e.get(), "Cmb_TpReg_" + pair), kind);
    MessageRecorder rec;
    type(nr, typed);
    QTest::keyClick(nr, Qt::Key_Tab);
    if (message.isEmpty()) {
        QCOMPARE(rec.texts(), QStringList());
        QVERIFY(QApplication::focusWidget() != nr);
    } else {
        QCOMPARE(rec.texts(), QStringList{message});
        QCOMPARE(rec.last().caption, QString("Morvetia 3.1"));
        QCOMPARE(rec.last().icon, platform::MsgIcon::Error);
        QCOMPARE(QApplication::focusWidget(), nr);
        QCOMPARE(nr->Text().trimmed(), typed);  // judged, not rewritten
    }
}

void TestFas::dateChecks_data()
{
    QTest::addColumn<int>("partner");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");

    QTest::newRow("valid") << 1 << "15032020" << "15/03/2020" << "";
    QTest::newRow("empty") << 2 << "" << "  /  /    " << "";
    QTest::newRow("impossible day") << 2 << "31022020" << "31/02/2020" << "Data de Vencimento Inválida.";
    QTest::newRow("incomplete") << 3 << "1503" << "15/03/    " << "Data de Vencimento Inválida.";
    QTest::newRow("month 13") << 3 << "01132020" << "01/13/2020" << "Data de Vencimento Inválida.";
}

void TestFas::dateChecks()
{
    QFETCH(int, partner);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QString, message);
    std::unique_ptr<TFm_Fas> e(shownEditor(m_funcoes));
    auto *date = field<TMaskEdit>(e.get(), QString("Mae_DtJnt_Socio%1").arg(partner));
    showPageOf(e.get(), date);
    MessageRecorder rec;
    type(date, typed);
    QTest::keyClick(date, Qt::Key_Tab);
    QCOMPARE(date->Text(), after);
    QCOMPARE(rec.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(QApplication::focusWidget() == date, !message.isEmpty());
}

void TestFas::percentages_data()
{
    QTest::addColumn<int>("partner");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("caption"); // of the message, empty: none
    QTest::addColumn<bool>("focusKept");

    QTest::newRow("whole") << 1 << "50" << "50,0" << "" << false;
    QTest::newRow("two decimals") << 2 << "12,25" << "12,3" << "" << false;
    QTest::newRow("between 99,9 and 100") << 3 << "99,95" << "99,9" << "" << false;
    QTest::newRow("99,9 itself") << 1 << "99,9" << "99,9" << "" << false;
    QTest::newRow("hundred") << 2 << "100" << "100,0" << "" << false;
    QTest::newRow("letters and signs dropped") << 3 << "a5%-" << "5,0" << "" << false;
    QTest::newRow("empty") << 1 << "" << "" << "" << false;
    QTest::newRow("zero") << 2 << "0" << "0" << "Fichas" << true;
    QTest::newRow("above hundred") << 3 << "150" << "150" << "Fichas" << true;
    QTest::newRow("hundred and a bit") << 1 << "100,01" << "100,01" << "Fichas" << true;
    // Not a number: raised as an error, and the focus goes where the user sent it.
    QTest::newRow("two commas") << 2 << "1,2,3" << "1,2,3" << "Morvetia 3.1" << false;
    QTest::newRow("comma alone") << 3 << "," << "," << "Morvetia 3.1" << false;
}

void TestFas::percentages()
{
    QFETCH(int, partner);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QString, caption);
    QFETCH(bool, focusKept);
    std::unique_ptr<TFm_Fas> e(shownEditor(m_funcoes));
    auto *perce = field<QLineEdit>(e.get(), QString("Edi_Perce_%1").arg(partner));
    showPageOf(e.get(), perce);
    MessageRecorder rec;
    type(perce, typed);
    QTest::keyClick(perce, Qt::Key_Tab);
    QCOMPARE(perce->text(), after);
    if (caption.isEmpty()) {
        QCOMPARE(rec.texts(), QStringList());
    } else {
        QCOMPARE(rec.texts(), QStringList{QString::fromUtf8("Percentual inválido.")});
        QCOMPARE(rec.last().caption, caption);
        QCOMPARE(rec.last().icon, platform::MsgIcon::Error);
    }
    QCOMPARE(QApplication::focusWidget() == perce, focusKept);
}

void TestFas::printChecksAndCopies_data()
{
    QTest::addColumn<int>("taxpayer");        // index of the taxpayer's type
    QTest::addColumn<QList<int>>("treatment"); // per partner
    QTest::addColumn<QStringList>("dates");    // per partner, as typed
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("copies");          // proposed by the dialog, 0: not shown

    const QStringList none{"", "", ""};
    QTest::newRow("CNPJ, no treatment") << 1 << QList<int>{-1, -1, -1} << none << "" << 2;
    QTest::newRow("CPF, no dates needed") << 0 << QList<int>{0, 1, 2} << none << "" << 3;
    QTest::newRow("no type, no treatment") << -1 << QList<int>{-1, -1, -1} << none << "" << 1;
    QTest::newRow("CNPJ, partner 2 without date")
        << 1 << QList<int>{-1, 1, -1} << none << "Data de Atualização na Junta Comercial do Sócio 2 deve ser informada."
        << 0;
    QTest::newRow("no type counts as CNPJ")
        << -1 << QList<int>{-1, -1, 2} << none << "Data de Atualização na Junta Comercial do Sócio 3 deve ser informada."
        << 0;
    QTest::newRow("first failing partner only")
        << 1 << QList<int>{0, 1, 2} << QStringList{"01012020", "", ""}
        << "Data de Atualização na Junta Comercial do Sócio 2 deve ser informada." << 0;
    QTest::newRow("CNPJ, every date given") << 1 << QList<int>{0, 1, 2}
                                            << QStringList{"01012020", "02022020", "03032020"} << "" << 2;
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
    QCOMPARE(e.printCheckMessage(), message);
    MessageRecorder rec;
    dialog.cancel();
    e.Btn_Imprimir->click();
    platform::PrintDialog::install(previous);
    if (message.isEmpty()) {
        QCOMPARE(rec.texts(), QStringList());
        QCOMPARE(dialog.presets, QList<int>{copies});
        QCOMPARE(e.copiesPreset(), copies);
    } else {
        QCOMPARE(rec.texts(), QStringList{message});
        QCOMPARE(rec.last().caption, QString("Fichas"));
        QCOMPARE(rec.last().icon, platform::MsgIcon::Warning);
        QVERIFY(dialog.presets.isEmpty());
    }
}

void TestFas::pagesAsDesigned()
{
    TFm_Fas e(m_funcoes);
    e.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(e.GrB_Socios->title(), QString::fromUtf8("  02 - Identificação / Endereço do Sócio e/ou Reponsável  "));
    QCOMPARE(e.PC_Socios->currentIndex(), 0);
    for (int k = 1; k <= 3; ++k) {
        const QString n = QString::number(k);
        QCOMPARE(e.PC_Socios->tabText(k - 1), "Sócio : " + n);
        // Pages 2 and 3 write the first six titles without blanks around the hyphen.
        const QString sep = k == 1 ? " - " : "-";
        QCOMPARE(titleOf(&e, "Inc_Trata_Socio_" + n)->text(), "01" + sep + "Tratamento");
        QCOMPARE(titleOf(&e, "Mae_NrReg_" + n)->text(), QString::fromUtf8("04%1Nº CPF/CNPJ").arg(sep));
        QCOMPARE(titleOf(&e, "Mae_NrReg_" + n)->objectName(), "Lab_TIT_NrReg_" + n);
        QCOMPARE(titleOf(&e, "Edi_Razao_" + n)->text(), QString::fromUtf8("06%1Nome/Razão Social").arg(sep));
        QCOMPARE(titleOf(&e, "Edi_Cargo_" + n)->text(), QString::fromUtf8("07 - Cargo/Função"));
        QCOMPARE(field<TIncCombo>(&e, "Cmb_Parti_" + n)->Count(), k == 1 ? 4 : 3);
        QCOMPARE(field<TIncCombo>(&e, "Cmb_Uf_" + n)->Items().last(), QString("EX"));
        QCOMPARE(field<TIncCombo>(&e, "Cmb_Uf_" + n)->Count(), 28);
        QCOMPARE(field<TIncCombo>(&e, "Cmb_TpReg_" + n)->Values(), (QStringList{"1-CPF", "2-CNPJ"}));
        // The keyboard follows the item numbers through the page.
        for (int j = 1; j < 19; ++j) {
            const int tag = 3 + 18 * (k - 1) + (j - 1);
            const int next = j == 18 ? 56 + k : tag + 1;
            QVERIFY2(e.fields().byTag(tag)->nextInFocusChain() == e.fields().byTag(next),
                     qPrintable(QString("page %1 item %2").arg(k).arg(j)));
        }
    }
    QCOMPARE(field<TIncCombo>(&e, "Cmb_Parti_1")->Values().size(), 5);
    QCOMPARE(field<QLineEdit>(&e, "Edi_Perce_1")->maxLength(), 32767);
    QCOMPARE(titleOf(&e, "Mae_NrReg_Emp")->objectName(), QString("Lab_TIT_NrReg_Emp"));
    QCOMPARE(field<QWidget>(&e, "Edi_Razao_Empresa")->nextInFocusChain(), static_cast<QWidget *>(e.Cmb_TpReg_Emp));
    QCOMPARE(e.Btn_Imprimir->nextInFocusChain(), static_cast<QWidget *>(e.Btn_Limpar));
    QCOMPARE(e.Btn_Fechar->nextInFocusChain(), static_cast<QWidget *>(e.Btn_Margens));
    // Every tag 1 to 59 is a stored field, and the type list is cleared but not stored.
    QCOMPARE(e.record().lines().size(), 59);
    QCOMPARE(e.recordFields().size(), 60);
}

QTEST_MAIN(TestFas)
#include "test_fas.moc"
