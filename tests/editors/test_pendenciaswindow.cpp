#include "MessageRecorder.h"
#include "editors/common/Pendencias.h"
#include "editors/common/UF_Pendencias.h"
#include "editors/fas/UF_Fas.h"
#include "platform/ProgramFolder.h"
#include "validation/FieldChecks.h"
#include "validation/TFm_Funcoes.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using editors::Pendencia;
using editors::TFm_Pendencias;

namespace {

const Pendencia kCpf{Pendencia::Kind::Exit, "Mae_Cpf", "04 - CPF", "Produtor", "CPF inválido."};
const Pendencia kNome{Pendencia::Kind::Paper, "Edi_Nome", "05 - Nome", "Sócios > Sócio : 02",
                      "Texto cortado na impressão: cabem 46 de 58 caracteres no papel."};

// A window with two pages, the second holding two pages of its own, as the partner
// pages of the forms stand.
struct NestedPages {
    QWidget window;
    QTabWidget *outer = new QTabWidget(&window);
    QTabWidget *inner = new QTabWidget;
    QLineEdit *first = new QLineEdit;
    QLineEdit *deep = new QLineEdit;
    NestedPages()
    {
        outer->addTab(first, QStringLiteral("&Anexo"));
        outer->addTab(inner, QStringLiteral("Sócios"));
        inner->addTab(new QLineEdit, QStringLiteral("Sócio : 01"));
        inner->addTab(deep, QStringLiteral("Sócio : 0&2"));
    }
};

} // namespace

// The "Pendências" window and the way from a row to its field.
class TestPendenciasWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void keysAndClicks_data();
    void keysAndClicks();
    void nothingToReport();
    void pagesOfAField();
    void f5TakesTheUserToTheField();

private:
    QTemporaryDir m_dir;
    validation::TFm_Funcoes m_funcoes;
};

void TestPendenciasWindow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    platform::ProgramFolder::setCurrent(m_dir.path());
}

void TestPendenciasWindow::keysAndClicks_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("how");     // enter | double | esc | fechar
    QTest::addColumn<QString>("chosen");  // the field gone to; empty: none

    QTest::newRow("Enter on the first row") << 0 << "enter" << "Mae_Cpf";
    QTest::newRow("Enter on the second row") << 1 << "enter" << "Edi_Nome";
    QTest::newRow("double-click") << 1 << "double" << "Edi_Nome";
    QTest::newRow("Esc closes") << 1 << "esc" << "";
    QTest::newRow("Fechar closes") << 0 << "fechar" << "";
}

void TestPendenciasWindow::keysAndClicks()
{
    QFETCH(int, row);
    QFETCH(QString, how);
    QFETCH(QString, chosen);

    QWidget editor;
    auto *w = new TFm_Pendencias({kCpf, kNome}, &editor);
    QSignalSpy spy(w, &TFm_Pendencias::fieldChosen);
    QSignalSpy closed(w, &QDialog::finished);
    w->show();
    QCOMPARE(w->Lab_Resumo->text(), QString("2 pendências. Enter ou duplo clique leva ao campo."));
    QCOMPARE(w->Lst_Pendencias->topLevelItem(1)->text(0), kNome.field);
    QCOMPARE(w->Lst_Pendencias->topLevelItem(1)->text(1), kNome.page);
    QCOMPARE(w->Lst_Pendencias->topLevelItem(1)->text(2), kNome.message);

    QTreeWidgetItem *item = w->Lst_Pendencias->topLevelItem(row);
    w->Lst_Pendencias->setCurrentItem(item);
    if (how == "enter") {
        QTest::keyClick(w->Lst_Pendencias, Qt::Key_Return);
    } else if (how == "double") {
        const QPoint at = w->Lst_Pendencias->visualItemRect(item).center();
        QTest::mouseClick(w->Lst_Pendencias->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(w->Lst_Pendencias->viewport(), Qt::LeftButton, {}, at);
    } else if (how == "esc") {
        QTest::keyClick(w->Lst_Pendencias, Qt::Key_Escape);
    } else {
        w->Btn_Fechar->click();
    }
    QCOMPARE(closed.size(), 1);
    QCOMPARE(spy.size(), chosen.isEmpty() ? 0 : 1);
    if (!chosen.isEmpty())
        QCOMPARE(spy.first().first().toString(), chosen);
}

void TestPendenciasWindow::nothingToReport()
{
    QWidget editor;
    auto *w = new TFm_Pendencias({}, &editor);
    QSignalSpy closed(w, &QDialog::finished);
    w->show();
    QCOMPARE(w->Lab_Resumo->text(), QString("Nenhuma pendência encontrada."));
    QVERIFY(!w->Lst_Pendencias);
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(closed.size(), 1);
}

void TestPendenciasWindow::pagesOfAField()
{
    NestedPages p;
    p.window.show();
    QCOMPARE(editors::pageOf(p.deep), QString("Sócios > Sócio : 02"));
    QCOMPARE(editors::pageOf(p.first), QString("Anexo"));
    QCOMPARE(editors::pageOf(p.outer), QString());

    QApplication::setActiveWindow(&p.window);
    QVERIFY(QTest::qWaitForWindowActive(&p.window));
    editors::goToField(p.deep);
    QCOMPARE(p.outer->currentWidget(), p.inner);
    QCOMPARE(p.inner->currentWidget(), p.deep);
    QCOMPARE(QApplication::focusWidget(), p.deep);
    editors::goToField(p.first);
    QCOMPARE(p.outer->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), p.first);
}

// A FAS whose third partner is to be excluded without a Junta Comercial date: F5 lists
// it, and Enter on it brings partner page 3 to the front with the date field focused.
void TestPendenciasWindow::f5TakesTheUserToTheField()
{
    MessageRecorder recorder;
    editors::TFm_Fas e(m_funcoes);
    e.setAttribute(Qt::WA_DeleteOnClose, false);
    e.FichaNova = true;
    e.Cmb_TpReg_Emp->SetItemIndex(validation::kTipoRegCnpj);
    e.fields().require<widgets::TIncCombo>("Inc_Trata_Socio_3")->SetItemIndex(2);
    e.show();
    QApplication::setActiveWindow(&e);
    QVERIFY(QTest::qWaitForWindowActive(&e));
    e.fields().widget("Inc_Trata_Socio_1")->setFocus();
    QCOMPARE(e.PC_Socios->currentIndex(), 0);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
    auto *w = e.findChild<TFm_Pendencias *>();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->Lst_Pendencias->topLevelItemCount(), 1);
    QCOMPARE(w->Lst_Pendencias->topLevelItem(0)->text(2),
             QString("Data de Atualização na Junta Comercial do Sócio 3 deve ser informada."));
    QTest::keyClick(w->Lst_Pendencias, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([&] { return !e.findChild<TFm_Pendencias *>(); }));
    QCOMPARE(e.PC_Socios->currentIndex(), 2);
    QTRY_COMPARE(QApplication::focusWidget(), e.fields().widget("Mae_DtJnt_Socio3"));
    QVERIFY(recorder.messages.isEmpty());
}

QTEST_MAIN(TestPendenciasWindow)
#include "test_pendenciaswindow.moc"
