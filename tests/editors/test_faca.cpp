#include "MessageRecorder.h"
#include "TestSupport.h"
#include "app/UF_Principal.h"
#include "editors/faca/UF_Faca.h"
#include "platform/DesktopFiles.h"
#include "platform/PrintDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "store/UF_Abrir.h"
#include "store/UF_Salvar.h"
#include "validation/TFm_Funcoes.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using editors::TFm_Faca;
using widgets::TIncCombo;
using widgets::TMaskEdit;

namespace {

template <typename T>
void whenShown(std::function<void(T *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *w = qobject_cast<T *>(QApplication::activeModalWidget());
        QVERIFY2(w, "expected modal window not shown");
        act(w);
    });
}

void typeKeys(QWidget *field, const QString &text)
{
    for (QChar c : text) {
        if (c == QLatin1Char('^'))  // back to the start of the field
            QTest::keyClick(field, Qt::Key_Home);
        else if (c.unicode() < 128)
            QTest::keyClick(field, char(c.unicode()));
        else  // a key that an accent produces
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void type(QWidget *field, const QString &text)
{
    field->setFocus();
    typeKeys(field, text);
}

template <typename T = QWidget>
T *field(QWidget *e, const char *name)
{
    auto *f = e->findChild<T *>(name);
    if (!f)
        qFatal("no field %s", name);
    return f;
}

// One page's fields in keyboard order with what the user types into each; the user
// moves on with Tab, so the focus must land on the next field of the list.
struct Typed {
    const char *control;
    QString keys;
};

bool fillByKeyboard(TFm_Faca *e, int page, const QList<Typed> &fields)
{
    e->PC_Faca->setCurrentIndex(page);
    field(e, fields.first().control)->setFocus();
    for (const Typed &t : fields) {
        QWidget *w = field(e, t.control);
        if (QApplication::focusWidget() != w) {
            QWidget *f = QApplication::focusWidget();
            qWarning("focus on %s %s, expected %s", f ? f->metaObject()->className() : "nothing",
                     f ? qPrintable(f->objectName()) : "", t.control);
            return false;
        }
        typeKeys(w, t.keys);
        QTest::keyClick(w, Qt::Key_Tab);
    }
    return true;
}

// The whole form as a user fills it: every page, Tab from field to field.
bool fillSample(TFm_Faca *e)
{
    const QString jose = QString::fromUtf8("José da Silva Lavrador");
    const QString cuiaba = QString::fromUtf8("Cuiabá");
    return fillByKeyboard(e, 0,
                          {{"Mae_Inscricao", "123456789"},
                           {"Inc_Pedido", "a"}, // Alteração
                           {"Edit6", jose},
                           {"mae_Cpf", "12345678909"},
                           {"MaskEdit5", "NIRF 1234567-8"},
                           {"incCmb_Condicao", "pr."}, // Pr.Rur.Com.Quilombola opens the CNPJ
                           {"incCmb_Prazo", "n"},      // Não
                           {"mae_DtFimContrato", ""},
                           {"MaskEdit2", "05062014"},
                           {"MaskEdit3", "12345678000195"},
                           {"Edit9", "Rua"},
                           {"Edit10", "das Palmeiras"},
                           {"Edit5", "120"},
                           {"Edit12", "Casa 2"},
                           {"Edit13", "Centro"},
                           {"MaskEdit6", "065133334444"},
                           {"Edit14", "Distrito Norte"},
                           {"Edit15", cuiaba}})
           && fillByKeyboard(e, 1,
                             {{"Edit19", "Fazenda Boa Vista"},
                              {"Edit2", "Estrada"},
                              {"Edit3", "MT-010 km 12"},
                              {"Edit4", "Zona Rural"},
                              {"Edit7", "Guia"},
                              {"Edit8", cuiaba},
                              {"Edit23", "Perto da ponte"}})
           && fillByKeyboard(e, 2,
                             {{"Edit11", "Maria Souza"},
                              {"MaskEdit1", "98765432100"},
                              {"Edit16", "Av."},
                              {"Edit17", "Brasil"},
                              {"Edit22", "1500"},
                              {"Edit18", "Centro"},
                              {"Edit20", "Sede"},
                              {"me_TelProprietario", "78000100"},
                              {"Edit21", cuiaba},
                              {"Edit24", ""}})
           && fillByKeyboard(e, 3, {{"Edit35", jose}, {"Edit1", cuiaba}, {"mae_DataDeclaracao", "01022024"}});
}

// The saved sample with some of its lines replaced ("02" -> "02 0").
QByteArray sampleWith(const QMap<QString, QString> &lines)
{
    QByteArray out;
    const QByteArray golden = testsupport::readBytes(FICHAS_TEST_DATA "/Faca_1.golden");
    for (const QByteArray &line : golden.split('\n')) {
        if (line.isEmpty())
            continue;
        const QString tag = QString::fromLatin1(line.left(2));
        out += lines.contains(tag) ? (tag + ' ' + lines.value(tag)).toLatin1() + "\r\n" : line + '\n';
    }
    return out;
}

} // namespace

class TestFaca : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void newFormFilledSavedAndReopened();
    void savedRecordLoadsWithItsRules_data();
    void savedRecordLoadsWithItsRules();
    void requestNatureAndConditionRules_data();
    void requestNatureAndConditionRules();
    void fieldChecksOnExit_data();
    void fieldChecksOnExit();
    void printChecks_data();
    void printChecks();
    void help_data();
    void help();
    void windowAsCreated();

private:
    TFm_Faca *shownEditor();

    std::unique_ptr<QTemporaryDir> m_dir;
    validation::TFm_Funcoes m_funcoes;
};

void TestFaca::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    platform::ProgramFolder::setCurrent(m_dir->path());
    platform::setApplicationTitle("Morvetia 3.1");
}

TFm_Faca *TestFaca::shownEditor()
{
    auto *e = new TFm_Faca(m_funcoes);
    e->setAttribute(Qt::WA_DeleteOnClose, false);
    e->FichaNova = true;
    e->show();
    if (!QTest::qWaitForWindowActive(e))
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
    whenShown<TFm_Faca>([&filled](TFm_Faca *e) {
        QCOMPARE(e->windowTitle(), QString::fromUtf8("FACA - Ficha de Atualização Cadastral da Agropecuária"));
        QVERIFY(e->FichaNova);
        QCOMPARE(e->CodFicha, 1);
        QApplication::setActiveWindow(e);
        QVERIFY(QTest::qWaitForWindowActive(e));
        MessageRecorder rec;
        filled = fillSample(e);
        QVERIFY(rec.messages.isEmpty());
        whenShown<store::TFm_Salvar>([](store::TFm_Salvar *p) {
            QCOMPARE(p->windowTitle(), QString("Salvar - FACA"));
            QTest::keyClicks(p->Edi_Descricao, "Fazenda Boa Vista");
            p->Btn_Sim->click();
        });
        e->Btn_Fechar->click();
    });
    principal.Btn_Ok->click();
    QVERIFY(filled);

    const QString dados = m_dir->filePath("Dados");
    QCOMPARE(testsupport::readBytes(dados + "/Lista_Faca.fca"), QByteArray("01 Fazenda Boa Vista\r\n"));
    const QByteArray saved = testsupport::readBytes(dados + "/Faca_1.fca");
    QCOMPARE(saved, testsupport::readBytes(FICHAS_TEST_DATA "/Faca_1.golden"));

    // Reopened from the open dialog: every field is back; closing writes the same bytes.
    whenShown<store::TFm_Abrir>([](store::TFm_Abrir *d) {
        d->Lista_txt->setCurrentRow(0);
        d->Btn_Ok->click();
    });
    bool checked = false;
    QTimer::singleShot(50, [&checked] {
        auto *e = qobject_cast<TFm_Faca *>(QApplication::activeModalWidget());
        QVERIFY(e);
        QVERIFY(!e->FichaNova);
        QCOMPARE(e->Mae_Inscricao->Text(), QString("123456789"));
        QCOMPARE(e->Inc_Pedido->Text(), QString::fromUtf8("Alteração"));
        QCOMPARE(e->Inc_Pedido->Value(), QString::fromUtf8("2-Alteração"));
        QCOMPARE(field<QLineEdit>(e, "Edit6")->text(), QString::fromUtf8("José da Silva Lavrador"));
        QCOMPARE(e->incCmb_Condicao->ItemIndex(), 10);
        QVERIFY(e->MaskEdit3->isEnabled());
        QCOMPARE(e->MaskEdit3->Text(), QString("12.345.678/0001-95"));
        QCOMPARE(e->incCmb_Prazo->Value(), QString::fromUtf8("NÃO"));
        QCOMPARE(field<TMaskEdit>(e, "mae_DtFimContrato")->Text(), QString("  /  /    "));
        QCOMPARE(field<TMaskEdit>(e, "MaskEdit6")->Text(), QString("(0651)33334444"));
        QCOMPARE(field<TMaskEdit>(e, "me_TelProprietario")->Text(), QString("78000-100"));
        QCOMPARE(field<QLineEdit>(e, "Edit24")->text(), QString());
        QCOMPARE(field<TMaskEdit>(e, "mae_DataDeclaracao")->Text(), QString("01/02/2024"));
        checked = true;
        MessageRecorder rec;
        e->close();
        QVERIFY(rec.messages.isEmpty());
    });
    principal.Btn_Ok->click();
    QVERIFY(checked);
    QCOMPARE(testsupport::readBytes(dados + "/Faca_1.fca"), saved);
    QCOMPARE(testsupport::readBytes(dados + "/Lista_Faca.fca"), QByteArray("01 Fazenda Boa Vista\r\n"));
}

void TestFaca::savedRecordLoadsWithItsRules_data()
{
    QTest::addColumn<QString>("pedido");
    QTest::addColumn<QString>("inscricao");
    QTest::addColumn<QString>("condicao");
    QTest::addColumn<int>("pedidoIndex");
    QTest::addColumn<bool>("inscricaoOpen");
    QTest::addColumn<bool>("cnpjOpen");

    QTest::newRow("Inscrição: number empty and closed") << "0" << "" << "10" << 0 << false << true;
    QTest::newRow("no nature stored as -1") << "-1" << "123456789" << "10" << -1 << true << true;
    QTest::newRow("blank nature stored as 5") << "5" << "123456789" << "10" << 5 << true << true;
    QTest::newRow("other condition keeps the closed CNPJ") << "1" << "123456789" << "2" << 1 << true << false;
    QTest::newRow("no condition") << "1" << "123456789" << "-1" << 1 << true << false;
}

void TestFaca::savedRecordLoadsWithItsRules()
{
    QFETCH(QString, pedido);
    QFETCH(QString, inscricao);
    QFETCH(QString, condicao);
    QFETCH(int, pedidoIndex);
    QFETCH(bool, inscricaoOpen);
    QFETCH(bool, cnpjOpen);

    const QString path = m_dir->filePath("Faca_7.fca");
    const QByteArray record = sampleWith({{"02", pedido}, {"01", inscricao}, {"14", condicao}});
    testsupport::writeBytes(path, record);
    auto *e = new TFm_Faca(m_funcoes);
    e->setAttribute(Qt::WA_DeleteOnClose, false);
    e->ArqFicha = path;
    e->ArqLista = m_dir->filePath("Lista_Faca.fca");
    e->CodFicha = 7;
    MessageRecorder rec;
    e->show();
    QCOMPARE(e->Inc_Pedido->ItemIndex(), pedidoIndex);
    QCOMPARE(e->Mae_Inscricao->isEnabled(), inscricaoOpen);
    QCOMPARE(e->Lab_TIT_Inscricao->isEnabled(), inscricaoOpen);
    QCOMPARE(e->Mae_Inscricao->Text(), inscricao);
    QCOMPARE(e->MaskEdit3->isEnabled(), cnpjOpen);
    QCOMPARE(e->MaskEdit3->Text(), QString("12.345.678/0001-95"));
    e->close();
    QVERIFY(rec.messages.isEmpty());
    QCOMPARE(testsupport::readBytes(path), record);
    delete e;
}

void TestFaca::requestNatureAndConditionRules_data()
{
    QTest::addColumn<QString>("pedidoKeys");
    QTest::addColumn<bool>("quilombo");        // Quilombola chosen and its CNPJ typed
    QTest::addColumn<QString>("condicaoKeys"); // typed into the condition afterwards
    QTest::addColumn<bool>("limpar");
    QTest::addColumn<QString>("inscricao");
    QTest::addColumn<bool>("inscricaoOpen");
    QTest::addColumn<bool>("cnpjOpen");

    QTest::newRow("Inscrição empties and closes") << "i" << false << "" << false << "" << false << false;
    QTest::newRow("Alteração keeps the number") << "a" << false << "" << false << "123456789" << true << false;
    QTest::newRow("Inscrição then Reativação reopens it empty") << "i^r" << false << "" << false << "" << true << false;
    QTest::newRow("blank entry opens it") << " " << false << "" << false << "123456789" << true << false;
    QTest::newRow("Limpar after Inscrição opens it") << "i" << false << "" << true << "" << true << false;
    QTest::newRow("Quilombola opens the CNPJ") << "a" << true << "" << false << "123456789" << true << true;
    QTest::newRow("Arrendatário closes it") << "a" << true << "^a" << false << "123456789" << true << false;
    QTest::newRow("Limpar closes the CNPJ") << "a" << true << "" << true << "" << true << false;
}

void TestFaca::requestNatureAndConditionRules()
{
    QFETCH(QString, pedidoKeys);
    QFETCH(bool, quilombo);
    QFETCH(QString, condicaoKeys);
    QFETCH(bool, limpar);
    QFETCH(QString, inscricao);
    QFETCH(bool, inscricaoOpen);
    QFETCH(bool, cnpjOpen);

    std::unique_ptr<TFm_Faca> e(shownEditor());
    MessageRecorder rec;
    type(e->Mae_Inscricao, "123456789");
    type(e->Inc_Pedido, pedidoKeys);
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
    // A closed CNPJ keeps what was typed in it until Limpar.
    if (quilombo)
        QCOMPARE(e->MaskEdit3->Text(), limpar ? QString("  .   .   /    -  ") : QString("12.345.678/0001-95"));
    QVERIFY(rec.messages.isEmpty());
}

void TestFaca::fieldChecksOnExit_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("textAfter");

    const QString ie = QString::fromUtf8("Inscrição Estadual Inválida.");
    const QString data = QString::fromUtf8("Data Inválida.");
    QTest::newRow("IE one check digit") << "Mae_Inscricao" << 0 << "123456789" << "" << "123456789";
    QTest::newRow("IE two check digits") << "Mae_Inscricao" << 0 << "100000385" << "" << "100000385";
    QTest::newRow("IE wrong") << "Mae_Inscricao" << 0 << "123456780" << ie << "123456780";
    QTest::newRow("IE empty") << "Mae_Inscricao" << 0 << "" << "" << "";
    QTest::newRow("end date empty") << "mae_DtFimContrato" << 0 << "" << "" << "  /  /    ";
    QTest::newRow("end date valid") << "mae_DtFimContrato" << 0 << "05062014" << "" << "05/06/2014";
    QTest::newRow("end date 31/02") << "mae_DtFimContrato" << 0 << "31022014" << data << "31/02/2014";
    QTest::newRow("end date without year") << "mae_DtFimContrato" << 0 << "0506" << data << "05/06/    ";
    QTest::newRow("start date 31/02") << "MaskEdit2" << 0 << "31022014" << data << "31/02/2014";
    QTest::newRow("start date without day") << "MaskEdit2" << 0 << "  062014" << data << "  /06/2014";
    QTest::newRow("declaration date valid") << "mae_DataDeclaracao" << 3 << "01022024" << "" << "01/02/2024";
    QTest::newRow("declaration date 30/02") << "mae_DataDeclaracao" << 3 << "30022024" << data << "30/02/2024";
    QTest::newRow("producer CPF or CNPJ is free text") << "mae_Cpf" << 0 << "AB-12/34 x.999" << "" << "AB-12/34 x.999";
    QTest::newRow("owner CPF or CNPJ is free text") << "MaskEdit1" << 2 << "00000000000000" << "" << "00000000000000";
}

void TestFaca::fieldChecksOnExit()
{
    QFETCH(QString, control);
    QFETCH(int, page);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, textAfter);

    std::unique_ptr<TFm_Faca> e(shownEditor());
    e->PC_Faca->setCurrentIndex(page);
    auto *f = field<TMaskEdit>(e.get(), qPrintable(control));
    MessageRecorder rec;
    type(f, typed);
    QTest::keyClick(f, Qt::Key_Tab);
    QCOMPARE(f->Text(), textAfter);
    if (message.isEmpty()) {
        QVERIFY(rec.messages.isEmpty());
        QVERIFY(QApplication::focusWidget() != f);
    } else {
        QCOMPARE(rec.texts(), QStringList{message});
        QCOMPARE(rec.last().caption, QString("Morvetia 3.1"));
        QCOMPARE(rec.last().icon, platform::MsgIcon::Error);
        QCOMPARE(QApplication::focusWidget(), f);
    }
}

void TestFaca::printChecks_data()
{
    QTest::addColumn<int>("pedido");
    QTest::addColumn<QString>("inscricao");
    QTest::addColumn<int>("condicao");
    QTest::addColumn<int>("prazo");
    QTest::addColumn<QString>("fimContrato");
    QTest::addColumn<QString>("message"); // empty: reaches the print dialog

    const QString ie = "123456789";
    // Each row fails the first check it names, whatever the later ones would say.
    QTest::newRow("1 no nature") << -1 << "" << -1 << 0 << "" << "Natureza do Pedido deve ser informada.";
    QTest::newRow("2 Alteração without IE") << 1 << "" << -1 << 0 << ""
                                             << QString::fromUtf8("Inscrição Estadual deve ser informada.");
    QTest::newRow("2 blank nature without IE") << 5 << "" << 0 << -1 << ""
                                               << QString::fromUtf8("Inscrição Estadual deve ser informada.");
    QTest::newRow("3 Inscrição needs no IE, no condition") << 0 << "" << -1 << 0 << ""
                                                           << QString::fromUtf8("Condição do Produtor deve ser informada.");
    QTest::newRow("4 Proprietário with a fixed term")
        << 1 << ie << 0 << 0 << "01012030"
        << QString::fromUtf8("O Contrato com Prazo Determinado não pode ser utilizado para esta Condição de Produtor.");
    QTest::newRow("4 Quilombola with a fixed term")
        << 1 << ie << 10 << 0 << ""
        << QString::fromUtf8("O Contrato com Prazo Determinado não pode ser utilizado para esta Condição de Produtor.");
    QTest::newRow("5 Arrendatário without a term") << 1 << ie << 2 << -1 << ""
                                                   << "Informar se o Contrato possui prazo determinado.";
    QTest::newRow("6 Parceiro, fixed term, no end date") << 1 << ie << 4 << 0 << ""
                                                         << "Data Fim do Contrato deve ser informada.";
    QTest::newRow("Comodatário, fixed term, end date") << 1 << ie << 5 << 0 << "31122030" << "";
    QTest::newRow("Arrendatário, no fixed term, no end date") << 1 << ie << 2 << 1 << "" << "";
    QTest::newRow("Proprietário, Não") << 0 << "" << 0 << 1 << "" << "";
    QTest::newRow("Proprietário, no term chosen") << 4 << ie << 0 << -1 << "" << "";
}

void TestFaca::printChecks()
{
    QFETCH(int, pedido);
    QFETCH(QString, inscricao);
    QFETCH(int, condicao);
    QFETCH(int, prazo);
    QFETCH(QString, fimContrato);
    QFETCH(QString, message);

    platform::PdfPrintDialog dialog(m_dir->filePath("faca.pdf"));
    platform::PrintDialog *previous = platform::PrintDialog::install(&dialog);
    auto e = std::make_unique<TFm_Faca>(m_funcoes);
    e->Inc_Pedido->SetItemIndex(pedido);
    e->Mae_Inscricao->SetText(inscricao);
    e->incCmb_Condicao->SetItemIndex(condicao);
    e->incCmb_Prazo->SetItemIndex(prazo);
    field<TMaskEdit>(e.get(), "mae_DtFimContrato")->SetText(fimContrato);
    QWidget *focused = QApplication::focusWidget();

    MessageRecorder rec;
    dialog.confirm();
    e->Btn_Imprimir->click();
    platform::PrintDialog::install(previous);

    if (message.isEmpty()) {
        QVERIFY(rec.messages.isEmpty());
        QCOMPARE(dialog.presets, QList<int>{1});
        QVERIFY(QFileInfo(m_dir->filePath("faca.pdf")).size() > 1000);
    } else {
        QCOMPARE(rec.texts(), QStringList{message});
        QCOMPARE(rec.last().caption, QString("Fichas"));
        QCOMPARE(rec.last().icon, platform::MsgIcon::Warning);
        QCOMPARE(rec.last().buttons, platform::MsgButtons::Ok);
        QVERIFY(dialog.presets.isEmpty());
        QVERIFY(!QFileInfo::exists(m_dir->filePath("faca.pdf")));
        QCOMPARE(QApplication::focusWidget(), focused);
    }
    QCOMPARE(e->Mae_Inscricao->Text(), inscricao);  // printing changes nothing in the form
}

void TestFaca::help_data()
{
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("desktopOpens");
    QTest::addColumn<QString>("message"); // %1: the help file

    QTest::newRow("opened") << true << true << "";
    QTest::newRow("missing") << false << true << QString::fromUtf8("Arquivo de Help não encontrado.");
    QTest::newRow("desktop cannot open it") << true << false
                                            << QString::fromUtf8("O arquivo de Help \"%1\" não pôde ser aberto.");
}

void TestFaca::help()
{
    QFETCH(bool, fileThere);
    QFETCH(bool, desktopOpens);
    QFETCH(QString, message);

    const QString file = QDir(m_dir->path()).filePath("help/FACA.HLP");
    if (fileThere)
        testsupport::writeBytes(file, "help");
    QStringList opened;
    const platform::FileOpener previous = platform::installFileOpener([&](const QString &path) {
        opened.append(path);
        return desktopOpens;
    });
    auto e = std::make_unique<TFm_Faca>(m_funcoes);
    MessageRecorder rec;
    e->Button1->click();
    platform::installFileOpener(previous);

    QCOMPARE(opened, fileThere ? QStringList{QDir::toNativeSeparators(file)} : QStringList{});
    if (message.isEmpty()) {
        QVERIFY(rec.messages.isEmpty());
    } else {
        if (message.contains("%1"))
            message = message.arg(QDir::toNativeSeparators(file));
        QCOMPARE(rec.texts(), QStringList{message});
        QCOMPARE(rec.last().caption, QString("Fichas"));
        QCOMPARE(rec.last().icon, platform::MsgIcon::Error);
    }
}

void TestFaca::windowAsCreated()
{
    auto e = std::make_unique<TFm_Faca>(m_funcoes);
    QStringList tabs;
    for (int i = 0; i < e->PC_Faca->count(); ++i)
        tabs << e->PC_Faca->tabText(i);
    QCOMPARE(tabs, (QStringList{"Produtor", "Propriedade", QString::fromUtf8("Proprietário"), "Declarante"}));
    QCOMPARE(e->PC_Faca->currentIndex(), 0);
    QVERIFY(e->GrB_Cabecalho->title().isEmpty());

    // After creation: nothing chosen, masks empty, the CNPJ closed, the IE open.
    QCOMPARE(e->Inc_Pedido->ItemIndex(), -1);
    QCOMPARE(e->Inc_Pedido->Values().size(), 5);
    QCOMPARE(e->incCmb_Condicao->Count(), 13);
    QVERIFY(e->Mae_Inscricao->isEnabled());
    QVERIFY(!e->MaskEdit3->isEnabled());
    QCOMPARE(e->MaskEdit3->Text(), QString("  .   .   /    -  "));
    QCOMPARE(field<TMaskEdit>(e.get(), "MaskEdit6")->Text(), QString("(    )        "));
    QCOMPARE(field<TMaskEdit>(e.get(), "me_TelProprietario")->Text(), QString("     -   "));
    QCOMPARE(field<TMaskEdit>(e.get(), "MaskEdit2")->Text(), QString("  /  /    "));
    QCOMPARE(e->Lab_TIT_Inscricao->text(), QString::fromUtf8("01-Inscrição Estadual Nº :"));
    QCOMPARE(e->Lab_TIT_Inscricao->objectName(), QString("Lab_TIT_Inscricao"));

    // Buttons left to right; the keyboard reaches Ajuda last.
    QList<QPushButton *> buttons{e->Button1, e->Btn_Imprimir, e->Btn_Margens, e->Btn_Limpar, e->Btn_Fechar};
    QStringList texts;
    for (auto *b : buttons)
        texts << b->text();
    QCOMPARE(texts, (QStringList{"Ajuda", "&Imprimir", "&Margens", "&Limpar", "&Fechar"}));

    // Every field's title is its buddy.
    int titled = 0;
    for (auto *label : e->findChildren<QLabel *>())
        titled += label->buddy() ? 1 : 0;
    QCOMPARE(titled, 38);
    e->setAttribute(Qt::WA_DeleteOnClose, false);
    e->FichaNova = true;
    e->show();
    QVERIFY(QTest::qWaitForWindowActive(e.get()));
    QVERIFY(e->width() >= 559 && e->height() >= 404);
    e->PC_Faca->setCurrentIndex(3);
    field(e.get(), "mae_DataDeclaracao")->setFocus();
    QWidget *expected[] = {e->Btn_Imprimir, e->Btn_Margens, e->Btn_Limpar, e->Btn_Fechar, e->Button1};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

QTEST_MAIN(TestFaca)
#include "test_faca.moc"
