#include "editors/common/FieldValues.h"
#include "editors/fas/UF_Fas.h"
#include "platform/Settings.h"
#include "printing/LayoutEngine.h"
#include "printing/LayoutLoader.h"
#include "printing/Margins.h"
#include "printing/PrintRun.h"
#include "printing/ReportFactory.h"
#include "printing/TextMeasurer.h"
#include "validation/TFm_Funcoes.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

using namespace printing;
using editors::FieldValues;
using editors::TFm_Fas;

namespace {

// The controls that fill partner 1's data labels, item by item (items 1 to 18, then 19).
const QStringList kPartner1{"Inc_Trata_Socio_1", "Mae_DtJnt_Socio1", "Cmb_TpReg_1", "Mae_NrReg_1",
                            "Cmb_Parti_1",       "Edi_Razao_1",      "Edi_Cargo_1", "Edi_Perce_1",
                            "Edi_TpLog_1",       "Edi_NmLog_1",      "Edi_NrImv_1", "Edi_Compl_1",
                            "Edi_Bairr_1",       "Mae_Cep_1",        "Mae_Tel_1",   "Edi_Distr_1",
                            "Edi_Munic_1",       "Cmb_Uf_1",         "Edit1"};

} // namespace

class TestFasLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyDataLabelHasItsControl_data();
    void everyDataLabelHasItsControl();
    void fitsWithRoomToSpare_data();
    void fitsWithRoomToSpare();
    void codedValuesAndEmptyFields_data();
    void codedValuesAndEmptyFields();
    void fullFieldsStayInsideTheirBoxes();

private:
    PageContent firstPage(const TFm_Fas &editor, const MarginValues &margins, int *pages = nullptr);

    QTemporaryDir m_dir;
    FontMeasurer m_measurer;
    validation::TFm_Funcoes m_funcoes;
};

void TestFasLayout::initTestCase() { QVERIFY(m_dir.isValid()); }

PageContent TestFasLayout::firstPage(const TFm_Fas &editor, const MarginValues &margins, int *pages)
{
    const QString ini = m_dir.filePath(QStringLiteral("Forms.ini"));
    writeMargins(ini, margins);
    const FieldValues values(editor.recordFields());
    const Layout layout = createLayout(PrintLayout{QStringLiteral("TRl_Fas"), {}}, [&values](int tag) { return values.valueOf(tag); }, ini);
    const QList<PageContent> result = LayoutEngine(m_measurer).paginate(layout);
    if (pages)
        *pages = int(result.size());
    return result.first();
}

// Every data label of the page against the real editor: the control with its tag, and
// no control without its label.
void TestFasLayout::everyDataLabelHasItsControl_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("control");
    QTest::newRow("1") << 1 << "Edi_Razao_Empresa";
    QTest::newRow("2") << 2 << "Mae_NrReg_Emp";
    for (int k = 1; k <= 3; ++k) {
        for (int j = 1; j <= 19; ++j) {
            const int tag = j == 19 ? 56 + k : 3 + 18 * (k - 1) + (j - 1);
            QString control = kPartner1.at(j - 1);
            if (j == 19)
                control = QStringLiteral("Edit%1").arg(k);
            else if (k > 1 && j == 15)
                control = QStringLiteral("Edi_Tel_%1").arg(k);
            else if (j == 2)
                control.replace(QLatin1String("Socio1"), QStringLiteral("Socio%1").arg(k));
            else
                control.replace(QLatin1String("_1"), QStringLiteral("_%1").arg(k));
            QTest::addRow("%d", tag) << tag << control;
        }
    }
}

void TestFasLayout::everyDataLabelHasItsControl()
{
    QFETCH(int, tag);
    QFETCH(QString, control);
    TFm_Fas editor(m_funcoes);
    editor.setAttribute(Qt::WA_DeleteOnClose, false);
    Layout layout = LayoutLoader::load(QStringLiteral("TRl_Fas"));
    std::multiset<int> printed;
    layout.forEachElement([&printed](Element &e) {
        if (const auto *l = std::get_if<TextLabel>(&e); l && l->tag > 0)
            printed.insert(l->tag);
    });
    QCOMPARE(int(printed.count(tag)), 1);
    QCOMPARE(editor.fields().byTag(tag)->objectName(), control);
    // Nothing else prints: one label per stored field.
    QCOMPARE(int(printed.size()), 59);
}

void TestFasLayout::fitsWithRoomToSpare_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("pages");
    QTest::newRow("defaults") << 5 << 5 << 1;
    QTest::newRow("15 mm together") << 10 << 5 << 1;
    QTest::newRow("16 mm together") << 11 << 5 << 2;
    QTest::newRow("bottom grows") << 5 << 11 << 2;
}

void TestFasLayout::fitsWithRoomToSpare()
{
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(int, pages);
    TFm_Fas editor(m_funcoes);
    editor.setAttribute(Qt::WA_DeleteOnClose, false);
    int count = 0;
    firstPage(editor, MarginValues{top, bottom, 5, 5}, &count);
    QCOMPARE(count, pages);
}

void TestFasLayout::codedValuesAndEmptyFields_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("printed"); // empty: the label prints nothing
    QTest::newRow("treatment coded") << 21 << "2-Alterar";
    QTest::newRow("treatment not chosen") << 3 << "";
    QTest::newRow("type coded") << 5 << "1-CPF";
    QTest::newRow("condition coded") << 7 << "4-Condômino";
    QTest::newRow("state as shown") << 20 << "SC";
    QTest::newRow("taxpayer number without literals") << 2 << "11222333000181";
    QTest::newRow("partner number without literals") << 6 << "12345678909";
    QTest::newRow("empty date prints its literals") << 40 << "  /  /    ";
    QTest::newRow("empty postcode prints its literal") << 52 << "     -   ";
    QTest::newRow("empty telephone prints its literals") << 35 << "(  )    -    ";
    QTest::newRow("empty text") << 44 << "";
}

void TestFasLayout::codedValuesAndEmptyFields()
{
    QFETCH(int, tag);
    QFETCH(QString, printed);
    TFm_Fas editor(m_funcoes);
    editor.setAttribute(Qt::WA_DeleteOnClose, false);
    editor.Cmb_TpReg_Emp->SetItemIndex(1);
    editor.findChild<widgets::TMaskEdit *>("Mae_NrReg_Emp")->SetText("11222333000181");
    editor.findChild<widgets::TIncCombo *>("Inc_Trata_Socio_2")->SetItemIndex(1);
    editor.findChild<widgets::TIncCombo *>("Cmb_TpReg_1")->SetItemIndex(0);
    editor.findChild<widgets::TMaskEdit *>("Mae_NrReg_1")->SetText("12345678909");
    editor.findChild<widgets::TIncCombo *>("Cmb_Parti_1")->SetItemIndex(3);
    editor.findChild<widgets::TIncCombo *>("Cmb_Uf_1")->SetItemIndex(23);
    const PageContent page = firstPage(editor, MarginValues{5, 5, 5, 5});
    const QList<TextLineOp> lines = page.linesOf(tag);
    if (printed.isEmpty()) {
        QVERIFY(lines.isEmpty());
    } else {
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first().text, printed);
    }
}

// The widest value each field takes prints whole, on one line, inside its box.
void TestFasLayout::fullFieldsStayInsideTheirBoxes()
{
    TFm_Fas editor(m_funcoes);
    editor.setAttribute(Qt::WA_DeleteOnClose, false);
    for (const auto &f : editor.recordFields()) {
        if (auto *combo = qobject_cast<widgets::TIncCombo *>(f.widget)) {
            combo->SetItemIndex(combo->Count() - 1);
        } else if (auto *masked = qobject_cast<widgets::TMaskEdit *>(f.widget)) {
            masked->SetText(QStringLiteral("99999999999999"));
        } else if (auto *edit = qobject_cast<QLineEdit *>(f.widget)) {
            const bool percentage = f.widget->objectName().startsWith(QLatin1String("Edi_Perce"));
            edit->setText(percentage ? QStringLiteral("100,0") : QString(edit->maxLength(), QLatin1Char('W')));
        }
    }
    // The number fields get their widest mask.
    for (const char *type : {"Cmb_TpReg_Emp", "Cmb_TpReg_1", "Cmb_TpReg_2", "Cmb_TpReg_3"})
        editor.findChild<widgets::TIncCombo *>(type)->SetItemIndex(1);
    for (const char *number : {"Mae_NrReg_Emp", "Mae_NrReg_1", "Mae_NrReg_2", "Mae_NrReg_3"})
        editor.findChild<widgets::TMaskEdit *>(number)->SetText(QStringLiteral("11222333000181"));
    const FieldValues values(editor.recordFields());
    const PageContent page = firstPage(editor, MarginValues{5, 5, 5, 5});
    for (int tag = 1; tag <= 59; ++tag) {
        const QList<TextLineOp> lines = page.linesOf(tag);
        QVERIFY2(lines.size() == 1, qPrintable(QStringLiteral("Tag %1 prints %2 lines").arg(tag).arg(lines.size())));
        QCOMPARE(lines.first().text, values.valueOf(tag).value());
    }
}

QTEST_MAIN(TestFasLayout)
#include "test_faslayout.moc"
