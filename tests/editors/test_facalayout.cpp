#include "TestSupport.h"
#include "editors/faca/UF_Faca.h"
#include "editors/common/FieldValues.h"
#include "printing/LayoutEngine.h"
#include "printing/LayoutLoader.h"
#include "printing/PrintRun.h"
#include "printing/ReportFactory.h"
#include "printing/TextMeasurer.h"
#include "validation/TFm_Funcoes.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using editors::TFm_Faca;
using namespace printing;

class TestFacaLayout : public QObject {
    Q_OBJECT
private slots:
    void init();
    void everyDataLabelFilledFromItsControl_data();
    void everyDataLabelFilledFromItsControl();
    void marginsInTenthsMoveThePage_data();
    void marginsInTenthsMoveThePage();
    void printedValues_data();
    void printedValues();
    void placeAndDateOnOneLine_data();
    void placeAndDateOnOneLine();
    void fullFormPrintsWithoutOverlaps();

private:
    QList<PageContent> pages(const QByteArray &formsIni = {});
    void set(const QString &control, const QString &text);

    std::unique_ptr<QTemporaryDir> m_dir;
    validation::TFm_Funcoes m_funcoes;
    std::unique_ptr<TFm_Faca> m_editor;
    FontMeasurer m_measurer;
};

void TestFacaLayout::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_editor = std::make_unique<TFm_Faca>(m_funcoes);
}

QList<PageContent> TestFacaLayout::pages(const QByteArray &formsIni)
{
    const QString ini = m_dir->filePath(QStringLiteral("Forms.ini"));
    if (!formsIni.isEmpty())
        testsupport::writeBytes(ini, formsIni);
    const Layout layout = createLayout(m_editor->printLayouts().first(), m_editor->printValues(), ini);
    return LayoutEngine(m_measurer).paginate(layout);
}

void TestFacaLayout::set(const QString &control, const QString &text)
{
    QWidget *w = m_editor->fields().widget(control);
    if (auto *m = qobject_cast<widgets::TMaskEdit *>(w))
        m->SetText(text);
    else if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setText(text);
}

void TestFacaLayout::everyDataLabelFilledFromItsControl_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("control");
    const QList<std::pair<int, const char *>> rows{
        {1, "Mae_Inscricao"},  {2, "Inc_Pedido"},   {11, "Edit6"},     {12, "mae_Cpf"},
        {13, "MaskEdit5"},     {14, "incCmb_Condicao"}, {50, "MaskEdit3"}, {15, "incCmb_Prazo"},
        {16, "mae_DtFimContrato"}, {45, "MaskEdit2"}, {17, "Edit9"},  {18, "Edit10"},
        {33, "Edit5"},         {19, "Edit12"},      {20, "Edit13"},    {21, "MaskEdit6"},
        {22, "Edit14"},        {23, "Edit15"},      {24, "Edit19"},    {25, "Edit2"},
        {26, "Edit3"},         {27, "Edit4"},       {28, "Edit7"},     {29, "Edit8"},
        {43, "Edit23"},        {34, "Edit11"},      {35, "MaskEdit1"}, {36, "Edit16"},
        {37, "Edit17"},        {38, "Edit22"},      {39, "Edit18"},    {40, "Edit20"},
        {41, "me_TelProprietario"}, {42, "Edit21"}, {44, "Edit24"},    {30, "Edit35"},
        {31, "Edit1"},         {32, "mae_DataDeclaracao"}};
    for (const auto &[tag, control] : rows)
        QTest::addRow("%d %s", tag, control) << tag << QString::fromLatin1(control);
}

void TestFacaLayout::everyDataLabelFilledFromItsControl()
{
    QFETCH(int, tag);
    QFETCH(QString, control);
    Layout layout = LayoutLoader::load(QStringLiteral("TRl_Faca"));
    int labels = 0;
    int dataLabels = 0;
    layout.forEachElement([&](Element &e) {
        if (const auto *l = std::get_if<TextLabel>(&e); l && l->tag > 0) {
            ++dataLabels;
            labels += l->tag == tag ? 1 : 0;
        }
    });
    QCOMPARE(labels, 1);
    QCOMPARE(layout.reportTitle, QString::fromUtf8("FACA - Página 1/1"));
    // The layout prints every field of the editor once, and nothing else.
    QCOMPARE(dataLabels, int(m_editor->recordFields().size()));
    QCOMPARE(m_editor->fields().byTag(tag)->objectName(), control);
}

void TestFacaLayout::marginsInTenthsMoveThePage_data()
{
    QTest::addColumn<QByteArray>("formsIni");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("left");
    QTest::addColumn<int>("pageCount");

    QTest::newRow("no Forms.ini: 6.5 and 5 mm") << QByteArray() << 6.5 << 6.5 << 1;
    QTest::newRow("dialog's 6 and 5 are tenths here")
        << QByteArray("[Margens]\r\nSuperior=6\r\nInferior=5\r\nEsquerda=6\r\nDireitaa=5\r\n") << 0.6 << 0.6 << 1;
    QTest::newRow("not a number reads the default") << QByteArray("[Margens]\r\nSuperior=6,5\r\nEsquerda=x\r\n") << 6.5
                                                     << 6.5 << 1;
    QTest::newRow("left 20 mm") << QByteArray("[Margens]\r\nEsquerda=200\r\n") << 6.5 << 20.0 << 1;
    QTest::newRow("12.4 mm together still fit") << QByteArray("[Margens]\r\nSuperior=74\r\nInferior=50\r\n") << 7.4
                                                << 6.5 << 1;
    QTest::newRow("12.5 mm together: last band moves on") << QByteArray("[Margens]\r\nSuperior=75\r\nInferior=50\r\n")
                                                          << 7.5 << 6.5 << 2;
}

void TestFacaLayout::marginsInTenthsMoveThePage()
{
    QFETCH(QByteArray, formsIni);
    QFETCH(double, top);
    QFETCH(double, left);
    QFETCH(int, pageCount);
    set(QStringLiteral("Edit6"), QStringLiteral("PRODUTOR"));
    const QList<PageContent> result = pages(formsIni);
    QCOMPARE(result.size(), pageCount);
    QCOMPARE(result.first().bands.first().top, top);
    // Edit6 prints 0.8 mm into band 2, which follows the 47.2 mm title band.
    const QRectF name = result.first().linesOf(11).first().rect;
    QCOMPARE(name.left(), left + 0.8);
    QCOMPARE(name.top(), top + 47.2 + 8.5);
    if (pageCount == 2) {
        QCOMPARE(result.at(1).bands.size(), 1);
        QCOMPARE(result.at(1).bands.first().index, 7);
        QCOMPARE(result.at(1).bands.first().top, top);
    }
}

void TestFacaLayout::printedValues_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");   // a list's choice; -2: not a list
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("printed"); // empty: nothing prints

    QTest::newRow("nature prints its code") << "Inc_Pedido" << 1 << "" << 2 << QString::fromUtf8("2-Alteração");
    QTest::newRow("blank nature prints nothing") << "Inc_Pedido" << 5 << "" << 2 << "";
    QTest::newRow("no nature prints nothing") << "Inc_Pedido" << -1 << "" << 2 << "";
    QTest::newRow("condition code") << "incCmb_Condicao" << 7 << "" << 14 << "8-Posseiro";
    QTest::newRow("indigenous reserve prints code 8") << "incCmb_Condicao" << 12 << "" << 14
                                                      << "8-Pr.Rur.Res.Indigena";
    QTest::newRow("fixed term Sim") << "incCmb_Prazo" << 0 << "" << 15 << "SIM";
    QTest::newRow("fixed term Não") << "incCmb_Prazo" << 1 << "" << 15 << QString::fromUtf8("NÃO");
    QTest::newRow("empty date keeps its literals") << "mae_DtFimContrato" << -2 << "" << 16 << "  /  /    ";
    QTest::newRow("empty telephone keeps its literals") << "MaskEdit6" << -2 << "" << 21 << "(    )";
    QTest::newRow("IE without literals") << "Mae_Inscricao" << -2 << "123456789" << 1 << "123456789";
    QTest::newRow("closed quilombo CNPJ still prints") << "MaskEdit3" << -2 << "12345678000195" << 50
                                                       << "12.345.678/0001-95";
}

void TestFacaLayout::printedValues()
{
    QFETCH(QString, control);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, tag);
    QFETCH(QString, printed);
    if (index != -2)
        m_editor->fields().require<widgets::TIncCombo>(control)->SetItemIndex(index);
    else
        set(control, text);
    const QList<TextLineOp> lines = pages().first().linesOf(tag);
    if (printed.isEmpty()) {
        QVERIFY(lines.isEmpty());
        return;
    }
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first().text.trimmed(), printed.trimmed());
    if (tag == 15) // centred in its 8.9 mm box at 120.2 mm
        QVERIFY(qAbs(lines.first().rect.center().x() - (6.5 + 120.2 + 8.9 / 2)) < 0.05);
}

void TestFacaLayout::placeAndDateOnOneLine_data()
{
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("printed");

    QTest::newRow("place and date") << QString::fromUtf8("Cuiabá") << "01/02/2024"
                                    << QString::fromUtf8("Cuiabá, 01/02/2024");
    QTest::newRow("no date: the empty mask") << QString::fromUtf8("Cuiabá") << "" << QString::fromUtf8("Cuiabá,   /  /");
    QTest::newRow("no place") << "" << "01/02/2024" << ", 01/02/2024";
}

void TestFacaLayout::placeAndDateOnOneLine()
{
    QFETCH(QString, local);
    QFETCH(QString, data);
    QFETCH(QString, printed);
    set(QStringLiteral("Edit1"), local);
    set(QStringLiteral("mae_DataDeclaracao"), data);
    const PageContent page = pages().first();
    const QList<TextLineOp> line = page.linesOf(QStringLiteral("lab_LocalData"));
    QCOMPARE(line.size(), 1);
    QCOMPARE(line.first().text.trimmed(), printed);
    // The working labels print nothing of their own.
    QVERIFY(page.linesOf(31).isEmpty());
    QVERIFY(page.linesOf(32).isEmpty());
}

void TestFacaLayout::fullFormPrintsWithoutOverlaps()
{
    // Every text field as long as the layout's box takes it, the lists at their longest codes.
    for (const auto &f : m_editor->recordFields()) {
        if (auto *c = qobject_cast<widgets::TIncCombo *>(f.widget))
            c->SetItemIndex(f.tag == 14 ? 10 : 1);
        else if (auto *m = qobject_cast<widgets::TMaskEdit *>(f.widget))
            m->SetText(m->IsMasked() ? QStringLiteral("12345678901234") : QStringLiteral("NR 123456789"));
        else if (auto *e = qobject_cast<QLineEdit *>(f.widget))
            e->setText(QStringLiteral("VALOR %1").arg(f.tag));
    }
    const QList<PageContent> result = pages();
    QCOMPARE(result.size(), 1);
    QList<TextLineOp> lines;
    for (const DrawOp &op : result.first().ops)
        if (const auto *t = std::get_if<TextLineOp>(&op))
            lines.append(*t);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Nothing leaves the form's frame: 0.3 to 195.8 mm of the band.
        QVERIFY2(lines[i].rect.left() >= 6.5 && lines[i].rect.right() <= 6.5 + 196.1, qPrintable(lines[i].text));
        for (qsizetype j = i + 1; j < lines.size(); ++j) {
            const QRectF both = lines[i].rect.intersected(lines[j].rect);
            QVERIFY2(both.width() < 0.2 || both.height() < 0.6,
                     qPrintable(QStringLiteral("\"%1\" overlaps \"%2\"").arg(lines[i].text, lines[j].text)));
        }
    }
    // Every value printed whole.
    const editors::FieldValues values(m_editor->recordFields());
    for (const auto &f : m_editor->recordFields()) {
        const QList<TextLineOp> printed = result.first().linesOf(f.tag);
        if (f.tag == 31 || f.tag == 32)
            continue;
        QVERIFY2(printed.size() == 1, qPrintable(QString::number(f.tag)));
        QCOMPARE(printed.first().text.trimmed(), values.valueOf(f.tag).value().trimmed());
    }
}

QTEST_MAIN(TestFacaLayout)
#include "test_facalayout.moc"
