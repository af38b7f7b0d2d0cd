#include "editors/common/CheckBinding.h"
#include "editors/common/FieldBehaviour.h"
#include "editors/common/FieldTable.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

using namespace editors;

namespace {

QList<FieldRow> sampleRows()
{
    return {
        text("Edi_Nome", "01 - Nome", 1, 46).at("a", 0, 0),
        multiLine("RichEdit1", "02 - Razão Social", 2).at("a", 0, 1),
        masked("Mae_Cpf", "03 - CPF", 3, "!999.999.999-99;1; ").at("a", 1, 0).initially(FieldState::Grey),
        list("Cmb_Uf", "04 - UF", 4, {"AC", "TO", " "}).withValues({"1", "2", "3"}).at("b", 0, 0).blankEntry(),
        list("Cmb_Sim", "05 - Sim", 0, {"NÃO", "SIM"}).at("b", 0, 1).initially(FieldState::Silver),
        text("Edit9", "", 6, 0).at("b", 1, 0),
    };
}

struct Built {
    const validation::TFm_Funcoes funcoes{};
    FieldTable table; // the checks read it: it outlives the fields
    QDialog window;
    QWidget *a = new QWidget(&window);
    QWidget *b = new QWidget(&window);
    explicit Built(const QList<FieldRow> &rows = sampleRows())
    {
        table.useFuncoes(funcoes);
        auto *v = new QVBoxLayout(&window);
        v->addWidget(a);
        v->addWidget(b);
        table.addBox("a", a);
        table.addBox("b", b);
        table.build(rows);
    }
};

QColor baseOf(const QWidget *w) { return w->palette().color(QPalette::Disabled, QPalette::Base); }

} // namespace

class TestFieldTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsMakeTheirFields_data();
    void rowsMakeTheirFields();
    void listsAndStates();
    void tableFaults_data();
    void tableFaults();
    void multiLineField_data();
    void multiLineField();
    void enterShowsPage();
    void moneyKeys_data();
    void moneyKeys();
    void blankEntryEmptiesTheChoice();
    void rowCheck_data();
    void rowCheck();
};

void TestFieldTable::rowsMakeTheirFields_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addRow("text") << "Edi_Nome" << "QLineEdit" << int(widgets::FieldKind::Text) << "01 - Nome";
    QTest::addRow("multi-line") << "RichEdit1" << "editors::TMultiLineEdit" << int(widgets::FieldKind::RichText)
                                << QString::fromUtf8("02 - Razão Social");
    QTest::addRow("masked") << "Mae_Cpf" << "widgets::TMaskEdit" << int(widgets::FieldKind::Masked) << "03 - CPF";
    QTest::addRow("list") << "Cmb_Uf" << "widgets::TIncCombo" << int(widgets::FieldKind::Combo) << "04 - UF";
    QTest::addRow("untitled") << "Edit9" << "QLineEdit" << int(widgets::FieldKind::Text) << "";
}

void TestFieldTable::rowsMakeTheirFields()
{
    QFETCH(QString, control);
    QFETCH(QString, className);
    QFETCH(int, kind);
    QFETCH(QString, title);
    Built b;
    QWidget *w = b.table.widget(control);
    QVERIFY(w);
    QCOMPARE(w->objectName(), control);
    QCOMPARE(QString(w->metaObject()->className()), className);
    QCOMPARE(int(kindOf(w)), kind);
    QCOMPARE(w->accessibleName(), title);
    QLabel *label = b.table.title(control);
    QCOMPARE(label != nullptr, !title.isEmpty());
    if (label) {
        QCOMPARE(label->text(), title);
        QCOMPARE(label->buddy(), w);
    }
    // The tagged fields take their kind from the widget.
    for (const auto &f : b.table.tagged({6, 4, 3, 2, 1}))
        QCOMPARE(f.kind, kindOf(f.widget));
}

void TestFieldTable::listsAndStates()
{
    Built b;
    auto *uf = b.table.require<widgets::TIncCombo>("Cmb_Uf");
    QCOMPARE(uf->Items(), (QStringList{"AC", "TO", " "}));
    QVERIFY(uf->UseValues());
    QVERIFY(!b.table.require<widgets::TIncCombo>("Cmb_Sim")->UseValues());
    QCOMPARE(b.table.require<QLineEdit>("Edi_Nome")->maxLength(), 46);
    QCOMPARE(b.table.require<widgets::TMaskEdit>("Mae_Cpf")->Text(), QString("   .   .   -  "));

    auto *cpf = b.table.widget("Mae_Cpf");
    auto *sim = b.table.widget("Cmb_Sim");
    auto *nome = b.table.widget("Edi_Nome");
    QVERIFY(!cpf->isEnabled() && !sim->isEnabled() && nome->isEnabled());
    QCOMPARE(fieldState(cpf), FieldState::Grey);
    QCOMPARE(fieldState(sim), FieldState::Silver);
    QVERIFY(baseOf(cpf) != baseOf(sim));
    QVERIFY(baseOf(cpf) != baseOf(nome));
    // Opened again, a field has the window colour of an enabled field.
    setFieldState(cpf, FieldState::Enabled);
    QVERIFY(cpf->isEnabled());
    QCOMPARE(baseOf(cpf), baseOf(nome));
    QCOMPARE(cpf->palette().color(QPalette::Active, QPalette::Base),
             nome->palette().color(QPalette::Active, QPalette::Base));
}

void TestFieldTable::tableFaults_data()
{
    QTest::addColumn<QList<FieldRow>>("rows");
    QTest::addColumn<QList<int>>("order");
    QTest::addRow("repeated name") << QList<FieldRow>{text("E", "", 1, 5).at("a", 0), text("E", "", 2, 5).at("a", 1)}
                                   << QList<int>{};
    QTest::addRow("repeated tag") << QList<FieldRow>{text("E1", "", 7, 5).at("a", 0), text("E2", "", 7, 5).at("a", 1)}
                                  << QList<int>{};
    QTest::addRow("unknown box") << QList<FieldRow>{text("E", "", 1, 5).at("nowhere", 0)} << QList<int>{};
    QTest::addRow("order names a missing tag") << QList<FieldRow>{text("E", "", 1, 5).at("a", 0)}
                                               << QList<int>{1, 2};
    QTest::addRow("order leaves a tagged field out")
        << QList<FieldRow>{text("E1", "", 1, 5).at("a", 0), text("E2", "", 2, 5).at("a", 1)} << QList<int>{1};
    QTest::addRow("blank entry without a blank item")
        << QList<FieldRow>{list("L", "", 1, {"AC", "TO"}).at("a", 0).blankEntry()} << QList<int>{1};
    QTest::addRow("check on a multi-line field") << QList<FieldRow>{multiLine("M", "", 1).at("a", 0).checked(
                                            [](const CheckInput &) { return validation::FieldVerdict{}; })}
                                     << QList<int>{1};
}

void TestFieldTable::tableFaults()
{
    QFETCH(QList<FieldRow>, rows);
    QFETCH(QList<int>, order);
    QVERIFY_THROWS_EXCEPTION(FieldTableError, {
        Built b(rows);
        b.table.tagged(order);
    });
}

void TestFieldTable::multiLineField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");
    QTest::addRow("Enter swallowed") << "ab\rcd" << "" << "abcd";
    QTest::addRow("pasted breaks become blanks") << "" << "linha 1\r\nlinha 2\nfim" << "linha 1 linha 2 fim";
    QTest::addRow("typing stops at 150") << QString(151, 'x') << "" << QString(150, 'x');
    QTest::addRow("paste cut at 150") << QString(148, 'x') << "yzw" << QString(148, 'x') + "yz";
}

void TestFieldTable::multiLineField()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    TMultiLineEdit edit;
    edit.show();
    for (QChar c : typed) {
        if (c == '\r')
            QTest::keyClick(&edit, Qt::Key_Return);
        else
            QTest::keyClick(&edit, c.toLatin1());
    }
    if (!pasted.isEmpty()) {
        QApplication::clipboard()->setText(pasted);
        edit.paste();
    }
    QCOMPARE(edit.toPlainText(), expected);
    // A loaded value longer than the limit is kept whole.
    edit.setPlainText(QString(160, 'z'));
    QCOMPARE(edit.toPlainText().size(), 160);
}

void TestFieldTable::enterShowsPage()
{
    QDialog window;
    auto *pages = new QTabWidget(&window);
    auto *first = new QWidget;
    auto *second = new QWidget;
    auto *field = new QLineEdit(first);
    auto *target = new QLineEdit(second);
    pages->addTab(first, "Anexo");
    pages->addTab(second, "Contribuinte");
    showPageOnEnter(field, pages, second);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A);
    QCOMPARE(pages->currentIndex(), 0);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(pages->currentWidget(), second);
    QCOMPARE(QApplication::focusWidget(), target);
}

void TestFieldTable::moneyKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addRow("digits and comma") << "1234,5" << "1234,5";
    QTest::addRow("letters and full stop dropped") << "1a.2b" << "12";
    QTest::addRow("minus, blank and Enter dropped") << "-1 2\r" << "12";
    QTest::addRow("backspace passes") << "12\b3" << "13";
}

void TestFieldTable::moneyKeys()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    Built b({text("Edi_Valor", "", 1, 13).at("a", 0).moneyKeys()});
    QLineEdit &edit = *b.table.require<QLineEdit>("Edi_Valor");
    b.window.show();
    for (QChar c : typed) {
        if (c == '\r')
            QTest::keyClick(&edit, Qt::Key_Return);
        else if (c == '\b')
            QTest::keyClick(&edit, Qt::Key_Backspace);
        else
            QTest::keyClick(&edit, c.toLatin1());
    }
    QCOMPARE(edit.text(), expected);
}

void TestFieldTable::blankEntryEmptiesTheChoice()
{
    Built b;
    auto *uf = b.table.require<widgets::TIncCombo>("Cmb_Uf");
    b.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&b.window));
    for (int index : {2, 1}) {
        uf->setFocus();
        uf->SetItemIndex(index);
        b.table.widget("Edi_Nome")->setFocus();
        QCOMPARE(uf->ItemIndex(), index == 2 ? -1 : 1);
        QCOMPARE(uf->Text(), index == 2 ? QString() : QString("TO"));
    }
}

void TestFieldTable::rowCheck_data()
{
    QTest::addColumn<bool>("money");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // null: the check complains
    QTest::addRow("money keeps the rewrite whole") << true << "Ana" << "12.345,00";
    QTest::addRow("a plain check cuts it to the field") << false << "Ana" << "12.34";
    QTest::addRow("the check reads the other field") << true << "" << QString();
}

void TestFieldTable::rowCheck()
{
    QFETCH(bool, money);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const RowCheck check = [](const CheckInput &in) {
        const bool named = !in.fields.shownText("Edi_Nome").isEmpty();
        return validation::FieldVerdict{named ? validation::Complaint::None : validation::Complaint::Raised, "Sem nome",
                                        QString("12.345,00")};
    };
    FieldRow valor = text("Edi_Valor", "", 2, 5).at("a", 1);
    Built b({text("Edi_Nome", "", 1, 46).at("a", 0), money ? valor.money(check) : valor.checked(check)});
    auto *edit = b.table.require<QLineEdit>("Edi_Valor");
    b.table.require<QLineEdit>("Edi_Nome")->setText(name);
    const validation::TFm_Funcoes funcoes;
    QCOMPARE(complaintText(check({edit->text(), funcoes, b.table})).has_value(), expected.isNull());
    if (expected.isNull())
        return; // leaving would show the error box
    b.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&b.window));
    edit->setFocus();
    b.table.widget("Edi_Nome")->setFocus();
    QCOMPARE(edit->text(), expected);
}

QTEST_MAIN(TestFieldTable)
#include "test_fieldtable.moc"
