#include "FcaFields.h"

#include "platform/Settings.h"
#include "editors/common/FieldValues.h"
#include "printing/LayoutEngine.h"
#include "printing/LayoutLoader.h"
#include "printing/Margins.h"
#include "printing/PrintRun.h"
#include "printing/ReportFactory.h"
#include "printing/TextMeasurer.h"

#include <QTemporaryDir>
#include <QtTest>

#include <set>

using namespace printing;
using editors::FieldValues;

class TestFcaLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void designedAsTheFormIs();
    void fitsWithRoomToSpare_data();
    void fitsWithRoomToSpare();
    void pageElementsSitInHolderBox_data();
    void pageElementsSitInHolderBox();
    void fullFieldsStayInsideTheirBoxes();
    void holderBlockWithoutTreatmentPrintsNothingThere();
    void everyTextStaysInsideTheFormBorder();

private:
    QList<PageContent> pagesWith(const FcaFields &fca, const MarginValues &margins);

    QTemporaryDir m_dir;
    FontMeasurer m_measurer;
};

void TestFcaLayout::initTestCase() { QVERIFY(m_dir.isValid()); }

QList<PageContent> TestFcaLayout::pagesWith(const FcaFields &fca, const MarginValues &margins)
{
    const QString ini = m_dir.filePath(QStringLiteral("Forms.ini"));
    writeMargins(ini, margins);
    const FieldValues values(fca.fields);
    const Layout layout = createLayout(PrintLayout{QStringLiteral("TRl_Fca"), {}}, [&values](int tag) { return values.valueOf(tag); }, ini);
    return LayoutEngine(m_measurer).paginate(layout);
}

void TestFcaLayout::designedAsTheFormIs()
{
    const Layout layout = LayoutLoader::load(QStringLiteral("TRl_Fca"));
    QCOMPARE(layout.reportTitle, QStringLiteral("FAS - Página 1/1"));
    QCOMPARE(layout.copies, 2);
    QCOMPARE(copiesPreset(QStringLiteral("TRl_Fca")), 2);
    QCOMPARE(layout.unit, LayoutUnit::Millimetres);
    QCOMPARE(layout.marginDefaults, (MarginValues{5, 5, 5, 5}));
    QCOMPARE(layout.bandWidth, 204.0);
    QList<double> heights;
    for (const Band &b : layout.bands)
        heights.append(b.height);
    QCOMPARE(heights, (QList<double>{17.2, 31.0, 69.8, 69.8, 70.4, 25.4}));
    QCOMPARE(layout.bands.first().kind, BandKind::Title);
    QVERIFY(LayoutLoader::names().contains(QStringLiteral("TRl_Fca")));
}

void TestFcaLayout::fitsWithRoomToSpare_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("pages");

    QTest::newRow("defaults") << 5 << 5 << 1;
    QTest::newRow("13 mm together") << 8 << 5 << 1;
    QTest::newRow("14 mm together") << 9 << 5 << 2;
    QTest::newRow("bottom grows") << 5 << 9 << 2;
}

void TestFcaLayout::fitsWithRoomToSpare()
{
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(int, pages);
    FcaFields fca;
    fca.setText(1, QStringLiteral("JOSE DA SILVA"));
    const QList<PageContent> result = pagesWith(fca, MarginValues{top, bottom, 5, 5});
    QCOMPARE(result.size(), pages);
    if (pages == 2) {
        // Only the last band moves; the name prints on both pages at the same place.
        QCOMPARE(result.at(1).bands.size(), 1);
        QCOMPARE(result.at(1).bands.first().index, 5);
        QVERIFY(result.at(1).texts().contains(QStringLiteral("Página")));
        QCOMPARE(result.at(0).linesOf(1).first().rect, result.at(1).linesOf(1).first().rect);
        QCOMPARE(result.at(1).linesOf(1).first().text, QStringLiteral("JOSE DA SILVA"));
    }
}

void TestFcaLayout::pageElementsSitInHolderBox_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<bool>("inside");

    QTest::newRow("default margins") << 5 << true;
    QTest::newRow("left margin 15") << 15 << false;
}

void TestFcaLayout::pageElementsSitInHolderBox()
{
    QFETCH(int, left);
    QFETCH(bool, inside);
    FcaFields fca;
    fca.setText(1, QString(46, QLatin1Char('N')));
    const PageContent page = pagesWith(fca, MarginValues{5, 5, left, 5}).first();

    // The holder box: band 2's first rectangle, left of the CPF box.
    const double bandTop = page.bands.at(1).top;
    const QRectF holderBox(left + 5.3, bandTop + 5.0, 152.4 - 5.3, 9.3);
    const QList<TextLineOp> caption = page.linesOf(QString());
    const TextLineOp name = page.linesOf(1).first();
    QCOMPARE(name.rect.topLeft(), QPointF(13.2, 32.3));
    QCOMPARE(holderBox.contains(name.rect), inside);
    bool captionSeen = false;
    for (const TextLineOp &line : caption) {
        if (line.text == QLatin1String("01| NOME")) {
            captionSeen = true;
            QCOMPARE(line.rect.topLeft(), QPointF(13.2, 27.8));
            QCOMPARE(holderBox.contains(line.rect), inside);
        }
    }
    QVERIFY(captionSeen);
    // The band's own caption "03| PROPRIEDADE" moves with the margin.
    bool propertySeen = false;
    for (const TextLineOp &line : caption) {
        if (line.text == QLatin1String("03| PROPRIEDADE")) {
            propertySeen = true;
            QCOMPARE(line.rect.left(), left + 7.7);
        }
    }
    QVERIFY(propertySeen);
}

void TestFcaLayout::fullFieldsStayInsideTheirBoxes()
{
    FcaFields fca;
    fca.fillToTheBrim(QLatin1Char('W'));
    const FieldValues values(fca.fields);
    const PageContent page = pagesWith(fca, MarginValues{5, 5, 5, 5}).first();
    for (const int tag : fca.tags()) {
        const QList<TextLineOp> lines = page.linesOf(tag);
        QVERIFY2(lines.size() == 1, qPrintable(QStringLiteral("Tag %1 prints %2 lines").arg(tag).arg(lines.size())));
        QCOMPARE(lines.first().text, values.valueOf(tag).value());
    }
}

void TestFcaLayout::holderBlockWithoutTreatmentPrintsNothingThere()
{
    FcaFields fca;
    fca.choose(201, 1);
    const PageContent page = pagesWith(fca, MarginValues{5, 5, 5, 5}).first();
    QVERIFY(page.linesOf(101).isEmpty());
    QCOMPARE(page.linesOf(201).first().text, QStringLiteral("2-Alterar"));
    // An empty postcode prints its literal.
    QCOMPARE(page.linesOf(111).first().text, QStringLiteral("     -   "));
}

void TestFcaLayout::everyTextStaysInsideTheFormBorder()
{
    FcaFields fca;
    fca.fillToTheBrim(QLatin1Char('W'));
    const PageContent page = pagesWith(fca, MarginValues{5, 5, 5, 5}).first();
    // The heavy boxes run from 5.3 to 199.0 mm of the band; the title box is 0.3 mm
    // from the band's top and 16.7 mm high.
    const double left = 5.0 + 5.3;
    const double right = 5.0 + 199.0;
    for (const DrawOp &op : page.ops) {
        const auto *line = std::get_if<TextLineOp>(&op);
        if (!line)
            continue;
        QVERIFY2(line->rect.left() >= left - 1e-6 && line->rect.right() <= right,
                 qPrintable(QStringLiteral("\"%1\" from %2 to %3 mm")
                                .arg(line->text)
                                .arg(line->rect.left())
                                .arg(line->rect.right())));
        if (line->rect.top() < page.bands.at(1).top)
            QVERIFY2(line->rect.bottom() <= page.bands.first().top + 0.3 + 16.7, qPrintable(line->text));
    }
}

QTEST_MAIN(TestFcaLayout)
#include "test_fcalayout.moc"
