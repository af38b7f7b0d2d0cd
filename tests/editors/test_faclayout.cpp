// The FAC's two pages as the real editor fills them: fixed-format values print whole,
// nothing overlaps, the pages fit, and the page steps (Central Vorda, the date of
// printing) do their part.
#include "editors/fac/FacPrint.h"
#include "editors/fac/UF_Fac.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/Locale.h"
#include "printing/LayoutEngine.h"
#include "printing/LayoutLoader.h"
#include "printing/Margins.h"
#include "printing/ReportFactory.h"
#include "printing/TextMeasurer.h"
#include "validation/TFm_Funcoes.h"
#include "widgets/FieldValue.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"
#include "widgets/MaskModel.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <set>

using namespace printing;
using editors::FieldRow;
using editors::FieldType;
using editors::TFm_Fac;
namespace facprint = editors::facprint;

namespace {

// A masked field's mask filled at every entry position.
QString fullMaskText(const QString &mask)
{
    const widgets::MaskModel model(mask);
    QString edit = model.emptyEditText();
    for (int pos = 0; pos < model.length(); ++pos) {
        if (!model.isEntry(pos))
            continue;
        const QChar digit = model.accept(pos, QLatin1Char('8'));
        edit[pos] = digit.isNull() ? model.accept(pos, QLatin1Char('W')) : digit;
    }
    return model.text(edit);
}

// Every data label of a layout: its Tag and its box.
QList<const TextLabel *> dataLabels(const Layout &layout)
{
    QList<const TextLabel *> result;
    for (const Band &band : layout.bands)
        for (const Element &e : band.elements)
            if (const auto *l = std::get_if<TextLabel>(&e); l && l->tag > 0)
                result.append(l);
    return result;
}

// Capitals of every width, as long as asked.
QString capitals(int length)
{
    QString s;
    for (int i = 0; i < length; ++i)
        s.append(QChar(u'A' + i % 26));
    return s;
}

} // namespace

class TestFacLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void captionsPrintWhole_data() { bothPages(); }
    void captionsPrintWhole();
    void everyDataLabelHoldsItsValues_data();
    void everyDataLabelHoldsItsValues();
    void onlyTheUnprintedFieldsLackALabel();
    void fitsOnOneSheet_data();
    void fitsOnOneSheet();
    void fullFormOverlapsNothing_data() { bothPages(); }
    void fullFormOverlapsNothing();
    void centralVorda_data();
    void centralVorda();
    void dateOfPrinting();

private:
    static void bothPages();
    QList<PageContent> pages(const QString &layoutName, const MarginValues &margins = {5, 5, 5, 5});
    // Every field at its longest: lists at their longest item, masks full, texts at
    // their maximum length (multi-line fields at 150).
    void fillToTheBrim();

    QTemporaryDir m_dir;
    validation::TFm_Funcoes m_funcoes;
    std::unique_ptr<TFm_Fac> m_fac;
    FontMeasurer m_measurer;
};

void TestFacLayout::initTestCase()
{
    QVERIFY(m_dir.isValid());
    platform::installBrazilianLocale();
    platform::installFontSubstitutions();
}

void TestFacLayout::init() { m_fac = std::make_unique<TFm_Fac>(m_funcoes); }

QList<PageContent> TestFacLayout::pages(const QString &layoutName, const MarginValues &margins)
{
    const QString ini = m_dir.filePath(QStringLiteral("Forms.ini"));
    writeMargins(ini, margins);
    const Layout layout =
        createLayout(PrintLayout{layoutName, facprint::pageSteps(layoutName)}, m_fac->printValues(), ini);
    return LayoutEngine(m_measurer).paginate(layout);
}

void TestFacLayout::fillToTheBrim()
{
    QList<FieldRow> rows = m_fac->fields().rows();
    // Lists first: their rules open, close and clear other fields.
    std::stable_partition(rows.begin(), rows.end(), [](const FieldRow &r) { return r.type == FieldType::List; });
    for (const FieldRow &row : rows) {
        if (row.tag <= 0)
            continue;
        QWidget *w = m_fac->fields().byTag(row.tag);
        switch (row.type) {
        case FieldType::List: {
            auto *combo = qobject_cast<widgets::TIncCombo *>(w);
            int longest = 0;
            for (int i = 1; i < row.items.size(); ++i)
                if (row.items.at(i).size() > row.items.at(longest).size())
                    longest = i;
            combo->SetItemIndex(longest);
            break;
        }
        case FieldType::Text:
            widgets::setTextKeepingLength(qobject_cast<QLineEdit *>(w), capitals(row.maxLength));
            break;
        case FieldType::MultiLine:
            widgets::setFieldText({row.tag, widgets::FieldKind::RichText, w}, capitals(150));
            break;
        case FieldType::Masked: {
            auto *edit = qobject_cast<widgets::TMaskEdit *>(w);
            // A field without a mask takes what the box shows of it.
            edit->SetText(edit->EditMask().isEmpty() ? QString(16, QLatin1Char('8')) : fullMaskText(edit->EditMask()));
            break;
        }
        }
    }
}

void TestFacLayout::bothPages()
{
    QTest::addColumn<QString>("layout");
    QTest::newRow("page 1") << facprint::kLayoutPage1;
    QTest::newRow("page 2") << facprint::kLayoutPage2;
}

// No caption loses a line to its box.
void TestFacLayout::captionsPrintWhole()
{
    QFETCH(QString, layout);
    const Layout loaded = LayoutLoader::load(layout);
    const LayoutEngine engine(m_measurer);
    for (const Band &band : loaded.bands) {
        for (const Element &e : band.elements) {
            const auto *caption = std::get_if<TextLabel>(&e);
            if (!caption || caption->tag > 0)
                continue;
            QStringList printed;
            for (const TextLineOp &line : engine.labelLines(*caption, QPointF(), loaded.bandWidth))
                printed.append(line.text);
            QCOMPARE(printed.join(QLatin1Char(' ')).simplified(), caption->text.simplified());
        }
    }
}

void TestFacLayout::everyDataLabelHoldsItsValues_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QRectF>("box");
    QTest::addColumn<bool>("autoSize");
    for (const QString &name : {facprint::kLayoutPage1, facprint::kLayoutPage2}) {
        const Layout layout = LayoutLoader::load(name);
        for (const TextLabel *label : dataLabels(layout))
            QTest::addRow("%s tag %d", qPrintable(name), label->tag)
                << label->tag << label->box << label->autoSize;
    }
}

// A list's entries and a mask's full text print whole in their label's box (a coded
// entry such as "EX - EXTERIOR" at least its code).
void TestFacLayout::everyDataLabelHoldsItsValues()
{
    QFETCH(int, tag);
    QFETCH(QRectF, box);
    QFETCH(bool, autoSize);
    if (autoSize)
        return;
    const FieldRow row = *std::find_if(m_fac->fields().rows().begin(), m_fac->fields().rows().end(),
                                       [tag](const FieldRow &r) { return r.tag == tag; });
    // A partner's number takes its mask from the type of registration: the CNPJ's is the longer.
    for (auto *type : {m_fac->Cmb_TpReg_1, m_fac->Cmb_TpReg_2})
        type->SetItemIndex(1);
    QStringList values = row.items;
    if (const auto *masked = qobject_cast<widgets::TMaskEdit *>(m_fac->fields().byTag(tag));
        masked && !masked->EditMask().isEmpty())
        values.append(fullMaskText(masked->EditMask()));
    TextLabel label;
    label.box = box;
    label.font = FontSpec{QStringLiteral("Courier New"), 8.0, true, false};
    const LayoutEngine engine(m_measurer);
    for (const QString &value : values) {
        if (value.trimmed().isEmpty())
            continue;
        label.text = value;
        QStringList printed;
        for (const TextLineOp &line : engine.labelLines(label, QPointF(), 200.0))
            printed.append(line.text);
        const QString code = value.section(QLatin1Char(' '), 0, 0);
        QVERIFY2(printed.join(QLatin1Char(' ')) == value || printed == QStringList{code},
                 qPrintable(QStringLiteral("\"%1\" prints as \"%2\"").arg(value, printed.join(QLatin1Char('|')))));
    }
}

void TestFacLayout::onlyTheUnprintedFieldsLackALabel()
{
    std::multiset<int> printed;
    for (const QString &name : {facprint::kLayoutPage1, facprint::kLayoutPage2}) {
        const Layout layout = LayoutLoader::load(name);
        for (const TextLabel *label : dataLabels(layout))
            printed.insert(label->tag);
    }
    std::multiset<int> expected;
    for (const widgets::TaggedField &f : m_fac->recordFields())
        expected.insert(f.tag);
    // The Central Vorda list shows as the pages' caption, the other legal form inside the
    // legal form's entry, and the second-person marker is the program's own.
    for (const int unprinted : {3, 406, 720})
        expected.erase(unprinted);
    QCOMPARE(printed, expected);
}

void TestFacLayout::fitsOnOneSheet_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("pageCount");

    // Page 1 has 1.9 mm to spare at the default margins, page 2 has 1.5 mm.
    QTest::newRow("page 1, 1 mm more") << facprint::kLayoutPage1 << 6 << 1;
    QTest::newRow("page 1, 2 mm more") << facprint::kLayoutPage1 << 7 << 2;
    QTest::newRow("page 2, 1 mm more") << facprint::kLayoutPage2 << 6 << 1;
    QTest::newRow("page 2, 2 mm more") << facprint::kLayoutPage2 << 7 << 2;
}

void TestFacLayout::fitsOnOneSheet()
{
    QFETCH(QString, layout);
    QFETCH(int, top);
    QFETCH(int, pageCount);
    const QList<PageContent> result = pages(layout, MarginValues{top, 5, 5, 5});
    QCOMPARE(result.size(), pageCount);
    if (pageCount == 2) {
        // Only the page number's band moves to the new sheet.
        QCOMPARE(result.at(1).bands.size(), 1);
        QCOMPARE(result.at(1).bands.first().index, LayoutLoader::load(layout).bands.size() - 1);
        QCOMPARE(result.at(1).bands.first().top, double(top));
    }
}

// With every field at its longest, no printed line touches another and every line stays
// on the sheet.
void TestFacLayout::fullFormOverlapsNothing()
{
    QFETCH(QString, layout);
    fillToTheBrim();
    const PageContent page = pages(layout).first();
    QList<TextLineOp> lines;
    for (const DrawOp &op : page.ops)
        if (const auto *line = std::get_if<TextLineOp>(&op))
            lines.append(*line);
    QVERIFY(lines.size() > 40);
    for (int i = 0; i < lines.size(); ++i) {
        const QRectF a = lines.at(i).rect;
        QVERIFY2(a.left() >= 5.0 && a.right() <= 210.0 - 1.0, qPrintable(lines.at(i).text));
        for (int j = i + 1; j < lines.size(); ++j) {
            // A line's box holds the font's leading too: the header's lines stand 2.9 mm
            // apart in a 3.2 mm line, and touch without their letters meeting.
            const QRectF b = lines.at(j).rect;
            const QRectF common = a.intersected(b);
            QVERIFY2(common.width() < 0.05 || common.height() < 0.4,
                     qPrintable(QStringLiteral("\"%1\" and \"%2\"").arg(lines.at(i).text, lines.at(j).text)));
        }
    }
}

void TestFacLayout::centralVorda_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("printed");

    QTest::newRow("SIM") << 1 << true;
    QTest::newRow("NÃO") << 0 << false;
    QTest::newRow("blank entry") << 2 << false;
    QTest::newRow("nothing chosen") << -1 << false;
}

void TestFacLayout::centralVorda()
{
    QFETCH(int, index);
    QFETCH(bool, printed);
    m_fac->IncCombo2->SetItemIndex(index);
    QCOMPARE(m_fac->IncCombo2->ItemIndex(), index);
    const QList<TextLineOp> page1 = pages(facprint::kLayoutPage1).first().linesOf(QStringLiteral("Lab_Central_1"));
    const QList<TextLineOp> page2 = pages(facprint::kLayoutPage2).first().linesOf(QStringLiteral("Lab_Central_2"));
    QCOMPARE(!page1.isEmpty(), printed);
    QCOMPARE(!page2.isEmpty(), printed);
    if (printed) {
        QCOMPARE(page1.first().text, QStringLiteral("CENTRAL VORDA"));
        QCOMPARE(page2.first().text, QStringLiteral("CENTRAL VORDA"));
    }
}

// The date is the day of printing, read as the page is drawn, and ends at the label's
// right edge whatever its length.
void TestFacLayout::dateOfPrinting()
{
    QCOMPARE(facprint::Lab_DataImpressaoPrint(QStringLiteral("DATA: 99/99/9999"), QDate(2027, 1, 9)),
             QStringLiteral("DATA: 09/01/2027"));
    platform::Clock::set(QDateTime(QDate(2026, 3, 5), QTime(10, 0)));
    const QList<PageContent> first = pages(facprint::kLayoutPage2, MarginValues{5, 5, 7, 5});
    platform::Clock::set(QDateTime(QDate(2026, 11, 28), QTime(10, 0)));
    const QList<PageContent> second = pages(facprint::kLayoutPage2, MarginValues{5, 5, 7, 5});
    platform::Clock::reset();
    const TextLineOp a = first.first().linesOf(QStringLiteral("Lab_DataImpressao")).value(0);
    const TextLineOp b = second.first().linesOf(QStringLiteral("Lab_DataImpressao")).value(0);
    QCOMPARE(a.text, QStringLiteral("DATA: 05/03/2026"));
    QCOMPARE(b.text, QStringLiteral("DATA: 28/11/2026"));
    QVERIFY(qAbs(a.rect.right() - (7.0 + 193.2)) < 1e-6);
    QVERIFY(qAbs(b.rect.right() - (7.0 + 193.2)) < 1e-6);
    // "SELO CRC", an auto-size caption, starts at its left edge.
    QVERIFY(second.first().texts().contains(QStringLiteral("SELO CRC")));
    for (const DrawOp &op : second.first().ops)
        if (const auto *line = std::get_if<TextLineOp>(&op); line && line->text == QLatin1String("SELO CRC"))
            QCOMPARE(line->rect.left(), 7.0 + 163.5);
}

QTEST_MAIN(TestFacLayout)
#include "test_faclayout.moc"
