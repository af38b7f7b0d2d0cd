#include "MessageRecorder.h"
#include "TestSupport.h"
#include "app/UF_Principal.h"
#include "editors/fca/UF_Fca.h"
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
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using editors::TFm_Fca;

namespace {

// Runs `act` on the modal window of type T as soon as it is shown.
template <typename T>
void whenShown(std::function<void(T *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *w = qobject_cast<T *>(QApplication::activeModalWidget());
        QVERIFY2(w, "expected modal window not shown");
        act(w);
    });
}

void answerSave(const QString &description)
{
    whenShown<editors::TFm_Salvar>([description](editors::TFm_Salvar *p) {
        QTest::keyClicks(p->Edi_Descricao, description);
        p->Btn_Sim->click();
    });
}

void type(QWidget *field, const QString &text)
{
    field->setFocus();
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(field, char(c.unicode()));
        else  // a key that an accent produces
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// A field of the editor by its name, as the form names it.
template <typename T>
T *field(QWidget *e, const char *name)
{
    auto *f = e->findChild<T *>(name);
    if (!f)
        qFatal("no field %s", name);
    return f;
}

// Fills a few fields of pages 1 and 3 by typing, as a user would.
void fillSample(TFm_Fca *e)
{
    type(field<QLineEdit>(e, "Edi_Razao_Empresa"), QString::fromUtf8("João Lavrador"));
    type(field<widgets::TMaskEdit>(e, "Mae_NrReg_Emp"), "12345678909");
    type(field<QLineEdit>(e, "Edit1"), QString::fromUtf8("Fazenda Três Rios"));
    type(field<widgets::TMaskEdit>(e, "MaskEdit1"), "123456789");
    type(field<widgets::TIncCombo>(e, "i_trataProdutor_1"), "a");     // Alterar
    type(field<QLineEdit>(e, "ed_nomeRazSocial_1"), "Maria");
    type(field<widgets::TMaskEdit>(e, "edm_cep_1"), "12345678");
    type(field<widgets::TIncCombo>(e, "cmb_uf_1"), "to");              // TO, the last state
    e->PC_Produtor->setCurrentIndex(2);
    type(field<widgets::TIncCombo>(e, "inc_tratamento_3"), "e");       // Excluir
    type(field<QLineEdit>(e, "ed_municipio_3"), QString::fromUtf8("São José"));
    type(field<widgets::TMaskEdit>(e, "edm_telefone_3"), "1133334444");
    type(field<widgets::TIncCombo>(e, "inc_uf_3"), "sp");
}

} // namespace

class TestFca : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void newFormSavedAndReopened();
    void cpfChecks_data();
    void cpfChecks();
    void tabOrderPerPage();
    void windowTextsAndBuddies();
    void limparClearsEverything();
    void imprimirPresetsTwoCopies();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    validation::TFm_Funcoes m_funcoes;
};

void TestFca::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    platform::ProgramFolder::setCurrent(m_dir->path());
    platform::setApplicationTitle("Morvetia 3.1");
}

void TestFca::newFormSavedAndReopened()
{
    app::TFm_Principal principal;
    principal.show();
    QVERIFY(QTest::qWaitForWindowActive(&principal));
    principal.SetItemIndex(3);

    // No catalogue: straight into a new form with code 1.
    whenShown<TFm_Fca>([](TFm_Fca *e) {
        QCOMPARE(e->windowTitle(), QString::fromUtf8("FCA - Ficha Complementar da Agropecuária"));
        QVERIFY(e->FichaNova);
        QCOMPARE(e->CodFicha, 1);
        fillSample(e);
        answerSave("  Fazenda Tres Rios  ");
        e->Btn_Fechar->click();
    });
    principal.Btn_Ok->click();

    const QString dados = m_dir->filePath("Dados");
    QCOMPARE(testsupport::readBytes(dados + "/Lista_Fca.fca"), QByteArray("01 Fazenda Tres Rios\r\n"));
    const QByteArray saved = testsupport::readBytes(dados + "/Fca_1.fca");
    QCOMPARE(saved, testsupport::readBytes(FICHAS_TEST_DATA "/Fca_1.golden"));
    QCOMPARE(saved.count("\r\n"), 49);

    // Reopen from the open dialog: every field is back, and closing saves silently.
    whenShown<app::TFm_Abrir>([](app::TFm_Abrir *d) {
        d->Lista_txt->setCurrentRow(0);
        d->Btn_Ok->click();
    });
    bool checked = false;
    QTimer::singleShot(50, [&checked] {
        auto *e = qobject_cast<TFm_Fca *>(QApplication::activeModalWidget());
        QVERIFY(e);
        QVERIFY(!e->FichaNova);
        QCOMPARE(field<QLineEdit>(e, "Edi_Razao_Empresa")->text(), QString::fromUtf8("João Lavrador"));
        QCOMPARE(field<widgets::TMaskEdit>(e, "Mae_NrReg_Emp")->Text(), QString("123.456.789-09"));
        QCOMPARE(field<widgets::TMaskEdit>(e, "MaskEdit1")->Text(), QString("123.456.78-9"));
        QCOMPARE(field<widgets::TIncCombo>(e, "i_trataProdutor_1")->Text(), QString("Alterar"));
        QCOMPARE(field<widgets::TIncCombo>(e, "i_trataProdutor_1")->Value(), QString("2-Alterar"));
        QCOMPARE(field<widgets::TMaskEdit>(e, "edm_cep_1")->Text(), QString("12345-678"));
        QCOMPARE(field<widgets::TIncCombo>(e, "cmb_uf_1")->ItemIndex(), 26);
        QCOMPARE(field<widgets::TIncCombo>(e, "inc_tratamento_3")->ItemIndex(), 2);
        QCOMPARE(field<QLineEdit>(e, "ed_municipio_3")->text(), QString::fromUtf8("São José"));
        QCOMPARE(field<widgets::TMaskEdit>(e, "edm_telefone_3")->Text(), QString("(11)3333-4444"));
        QCOMPARE(field<widgets::TIncCombo>(e, "inc_uf_3")->Text(), QString("SP"));
        QCOMPARE(field<widgets::TMaskEdit>(e, "edm_cpf_2")->Text(), QString("   .   .   -  "));
        QCOMPARE(field<widgets::TIncCombo>(e, "icb_tramento_2")->ItemIndex(), -1);
        checked = true;
        MessageRecorder rec;
        e->close();
        QVERIFY(rec.messages.isEmpty());
    });
    principal.Btn_Ok->click();
    QVERIFY(checked);
    QCOMPARE(testsupport::readBytes(dados + "/Fca_1.fca"), saved);
    QCOMPARE(testsupport::readBytes(dados + "/Lista_Fca.fca"), QByteArray("01 Fazenda Tres Rios\r\n"));
}

void TestFca::cpfChecks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    for (const char *f : {"Mae_NrReg_Emp", "edm_NrReg_1", "edm_cpf_2", "edm_cpf_3"}) {
        QTest::addRow("%s valid", f) << f << "12345678909" << true;
        QTest::addRow("%s wrong digit", f) << f << "12345678900" << false;
        QTest::addRow("%s partial", f) << f << "1234567890" << false;
        QTest::addRow("%s empty", f) << f << "" << true;
    }
}

void TestFca::cpfChecks()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    auto *e = new TFm_Fca(m_funcoes);
    e->FichaNova = true;
    e->show();
    QVERIFY(QTest::qWaitForWindowActive(e));
    auto *cpf = e->findChild<widgets::TMaskEdit *>(field);
    QVERIFY(cpf);
    for (int page = 0; page < 3; ++page)
        if (e->PC_Produtor->widget(page)->isAncestorOf(cpf))
            e->PC_Produtor->setCurrentIndex(page);
    MessageRecorder rec;
    type(cpf, typed);
    QTest::keyClick(cpf, Qt::Key_Tab);
    if (accepted) {
        QVERIFY(rec.messages.isEmpty());
        QVERIFY(QApplication::focusWidget() != cpf);
    } else {
        QCOMPARE(rec.texts(), QStringList{QString::fromUtf8("CPF Inválido.")});
        QCOMPARE(rec.last().caption, QString("Morvetia 3.1"));
        QCOMPARE(rec.last().icon, platform::MsgIcon::Error);
        QCOMPARE(QApplication::focusWidget(), cpf);
        QVERIFY(cpf->Text().startsWith("123.456.789"));
    }
    delete e;
}

void TestFca::tabOrderPerPage()
{
    auto *e = new TFm_Fca(m_funcoes);
    auto next = [](QWidget *w) { return w->nextInFocusChain(); };
    // Page 1: 1, 2, 5..15, 3, 4; pages 2 and 3: 1, 5..15, 2, 3, 4.
    for (int k = 0; k < 3; ++k) {
        auto item = [&](int j) { return e->fields().byTag(100 * (k + 1) + j); };
        const QList<int> order = k == 0 ? QList<int>{1, 2, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 3, 4}
                                        : QList<int>{1, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 2, 3, 4};
        for (int i = 0; i + 1 < order.size(); ++i)
            QVERIFY2(next(item(order[i])) == item(order[i + 1]),
                     qPrintable(QString("page %1 item %2").arg(k + 1).arg(order[i])));
    }
    QCOMPARE(next(field<widgets::TMaskEdit>(e, "MaskEdit1")), static_cast<QWidget *>(field<widgets::TIncCombo>(e, "i_trataProdutor_1")));
    QCOMPARE(next(field<widgets::TMaskEdit>(e, "Mae_NrReg_Emp")), static_cast<QWidget *>(field<QLineEdit>(e, "Edit1")));
    delete e;
}

void TestFca::windowTextsAndBuddies()
{
    auto *e = new TFm_Fca(m_funcoes);
    QCOMPARE(e->GrB_Empresa->title(), QString::fromUtf8("  01 - Identificação do Produtor Titular  "));
    QCOMPARE(e->PC_Produtor->tabText(0), QString("Produtor : 1"));
    QCOMPARE(e->PC_Produtor->tabText(1), QString("Produtor: 2"));
    QCOMPARE(e->PC_Produtor->tabText(2), QString("Produtor : 3"));
    QCOMPARE(e->PC_Produtor->currentIndex(), 0);
    QCOMPARE(field<widgets::TMaskEdit>(e, "Mae_NrReg_Emp")->Text(), QString("   .   .   -  "));
    QCOMPARE(field<widgets::TMaskEdit>(e, "MaskEdit1")->Text(), QString("   .   .  - "));
    QCOMPARE(field<widgets::TMaskEdit>(e, "edm_cep_2")->Text(), QString("     -   "));
    QCOMPARE(field<widgets::TMaskEdit>(e, "edm_tel_1")->Text(), QString("(  )    -    "));
    QCOMPARE(field<widgets::TIncCombo>(e, "inc_uf_2")->Count(), 27);
    QCOMPARE(field<widgets::TIncCombo>(e, "i_trataProdutor_1")->Values(), (QStringList{"1-Incluir", "2-Alterar", "3-Excluir"}));
    QCOMPARE(e->Btn_Imprimir->text(), QString("&Imprimir"));
    // Every title is its field's buddy, so a screen reader announces the title.
    QHash<QWidget *, QString> titles;
    for (auto *label : e->findChildren<QLabel *>())
        if (label->buddy())
            titles[label->buddy()] = label->text();
    QCOMPARE(titles.size(), 4 + 45);
    QCOMPARE(titles.value(field<widgets::TMaskEdit>(e, "Mae_NrReg_Emp")), QString::fromUtf8("02 - Nº CPF"));
    QCOMPARE(titles.value(field<QLineEdit>(e, "ed_nomeRazSocial")), QString::fromUtf8("05 - Nome/Razão Social"));
    QCOMPARE(field<QLineEdit>(e, "ed_nomeRazSocial")->accessibleName(), QString::fromUtf8("05 - Nome/Razão Social"));
    QCOMPARE(field<QLineEdit>(e, "ed_municipio_3")->maxLength(), 50);
    // Sized when first shown: fixed, and never smaller than its controls need.
    e->show();
    QCOMPARE(e->minimumSize(), e->maximumSize());
    QVERIFY(e->width() >= 526 && e->height() >= 460);
    QVERIFY(e->width() >= e->sizeHint().width() && e->height() >= e->sizeHint().height());
    delete e;
}

void TestFca::limparClearsEverything()
{
    auto *e = new TFm_Fca(m_funcoes);
    e->show();
    QVERIFY(QTest::qWaitForWindowActive(e));
    fillSample(e);
    MessageRecorder rec;  // answers Limpar's question Sim
    e->Btn_Limpar->click();
    for (const auto &f : e->recordFields()) {
        if (f.kind == widgets::FieldKind::Combo)
            QCOMPARE(static_cast<widgets::TIncCombo *>(f.widget)->ItemIndex(), -1);
        else if (f.kind == widgets::FieldKind::Text)
            QCOMPARE(static_cast<QLineEdit *>(f.widget)->text(), QString());
    }
    QCOMPARE(field<widgets::TMaskEdit>(e, "edm_telefone_3")->Text(), QString("(  )    -    "));
    delete e;
}

void TestFca::imprimirPresetsTwoCopies()
{
    platform::PdfPrintDialog dialog(m_dir->filePath("fca.pdf"));
    platform::PrintDialog *previous = platform::PrintDialog::install(&dialog);
    auto *e = new TFm_Fca(m_funcoes);
    field<QLineEdit>(e, "Edi_Razao_Empresa")->setText("Produtor");
    dialog.cancel();
    e->Btn_Imprimir->click();
    QVERIFY(!QFileInfo::exists(m_dir->filePath("fca.pdf")));  // cancelled: nothing printed
    dialog.confirm();
    e->Btn_Imprimir->click();
    QCOMPARE(dialog.presets, (QList<int>{2, 2}));
    QVERIFY(QFileInfo(m_dir->filePath("fca.pdf")).size() > 1000);
    QCOMPARE(field<QLineEdit>(e, "Edi_Razao_Empresa")->text(), QString("Produtor"));  // the editor keeps its values
    platform::PrintDialog::install(previous);
    delete e;
}

QTEST_MAIN(TestFca)
#include "test_fca.moc"
