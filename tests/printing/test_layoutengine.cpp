#include "printing/LayoutEngine.h"
#include "printing/TextMeasurer.h"

#include <QtTest>

using namespace printing;

namespace {

// Every character 2 mm wide, every line 3 mm high: line breaks become arithmetic.
class FixedMeasurer final : public TextMeasurer {
public:
    double width(const FontSpec &, const QString &text) const override { return 2.0 * text.size(); }
    double lineHeight(const FontSpec &) const override { return 3.0; }
};

TextLabel fixedLabel(const QString &text, QRectF box)
{
    TextLabel l;
    l.text = text;
    l.box = box;
    l.tag = 7;
    return l;
}

Band band(double height, QList<Element> elements = {}, BandKind kind = BandKind::Section)
{
    Band b;
    b.kind = kind;
    b.height = height;
    b.elements = std::move(elements);
    return b;
}

} // namespace

class TestLayoutEngine : public QObject {
    Q_OBJECT
private slots:
    void wrapsText_data();
    void wrapsText();
    void dropsLinesThatDoNotFit_data();
    void dropsLinesThatDoNotFit();
    void autoSizeKeepsItsEdge_data();
    void autoSizeKeepsItsEdge();
    void alignsLinesInFixedBox();
    void printsNothingForDisabledOrEmpty();
    void beforePrintHookReplacesTextForThisPrintOnly();
    void bandsOverflowToNewPage_data();
    void bandsOverflowToNewPage();
    void bandTallerThanPagePrintsWhereItIs();
    void pageElementsOnEveryPageFromPaperCorner();
    void shapesBecomeLinesAndRectangles();
    void fitCountsWhatThePaperShows_data();
    void fitCountsWhatThePaperShows();

private:
    FixedMeasurer m_measurer;
};

void TestLayoutEngine::wrapsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<QStringList>("lines");

    // 10 mm = 5 characters.
    QTest::newRow("fits") << "ABCDE" << 10.0 << QStringList{"ABCDE"};
    QTest::newRow("breaks at blank") << "AB CD EF" << 10.0 << QStringList{"AB CD", "EF"};
    QTest::newRow("blanks at break dropped") << "ABC   DEF" << 10.0 << QStringList{"ABC", "DEF"};
    QTest::newRow("trailing blank does not wrap") << "ABCDE " << 10.0 << QStringList{"ABCDE "};
    QTest::newRow("leading blanks kept") << "  /  /    " << 20.0 << QStringList{"  /  /    "};
    QTest::newRow("long word split at edge") << "ABCDEFGHIJKL" << 10.0 << QStringList{"ABCDE", "FGHIJ", "KL"};
    QTest::newRow("word after short one") << "AB CDEFGHIJ" << 10.0 << QStringList{"AB", "CDEFG", "HIJ"};
    QTest::newRow("carriage return starts line") << "AB\rCD" << 10.0 << QStringList{"AB", "CD"};
    QTest::newRow("line feed ignored") << "AB\nCD" << 10.0 << QStringList{"ABCD"};
    QTest::newRow("CR LF is one break") << "AB\r\nCD" << 10.0 << QStringList{"AB", "CD"};
    QTest::newRow("empty paragraph kept") << "AB\r\rCD" << 10.0 << QStringList{"AB", "", "CD"};
    QTest::newRow("box narrower than a character") << "ABC" << 1.0 << QStringList{"A", "B", "C"};
}

void TestLayoutEngine::wrapsText()
{
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(QStringList, lines);
    QCOMPARE(LayoutEngine(m_measurer).wrap(text, width, FontSpec()), lines);
}

void TestLayoutEngine::dropsLinesThatDoNotFit_data()
{
    QTest::addColumn<double>("height");
    QTest::addColumn<QStringList>("printed");

    QTest::newRow("one line box") << 4.0 << QStringList{"AAAAA"};
    QTest::newRow("exactly two lines") << 6.0 << QStringList{"AAAAA", "BBBBB"};
    QTest::newRow("room for all") << 20.0 << QStringList{"AAAAA", "BBBBB", "CCCCC"};
    QTest::newRow("less than a line") << 2.9 << QStringList{};
}

void TestLayoutEngine::dropsLinesThatDoNotFit()
{
    QFETCH(double, height);
    QFETCH(QStringList, printed);
    const TextLabel label = fixedLabel(QStringLiteral("AAAAA BBBBB CCCCC"), QRectF(1.0, 2.0, 10.0, height));
    const QList<TextLineOp> lines = LayoutEngine(m_measurer).labelLines(label, QPointF(100.0, 50.0), 204.0);
    QStringList texts;
    for (int i = 0; i < lines.size(); ++i) {
        texts.append(lines.at(i).text);
        QCOMPARE(lines.at(i).rect.topLeft(), QPointF(101.0, 52.0 + 3.0 * i));
    }
    QCOMPARE(texts, printed);
}

void TestLayoutEngine::autoSizeKeepsItsEdge_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("left");

    // Designed at 20.0 mm from 30 mm wide.
    QTest::newRow("left, longer") << int(Align::Left) << "ABCDEFGHIJKLMNOPQRST" << 20.0;
    QTest::newRow("left, shorter") << int(Align::Left) << "AB" << 20.0;
    QTest::newRow("right, longer") << int(Align::Right) << "ABCDEFGHIJKLMNOPQRST" << 10.0;
    QTest::newRow("right, shorter") << int(Align::Right) << "AB" << 46.0;
    QTest::newRow("centre, longer") << int(Align::Center) << "ABCDEFGHIJKLMNOPQRST" << 15.0;
    QTest::newRow("centre, shorter") << int(Align::Center) << "AB" << 33.0;
}

void TestLayoutEngine::autoSizeKeepsItsEdge()
{
    QFETCH(int, align);
    QFETCH(QString, text);
    QFETCH(double, left);
    TextLabel label = fixedLabel(text, QRectF(20.0, 1.0, 30.0, 3.0));
    label.autoSize = true;
    label.align = Align(align);
    const QList<TextLineOp> lines = LayoutEngine(m_measurer).labelLines(label, QPointF(), 204.0);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first().text, text);
    QCOMPARE(lines.first().rect.left(), left);
    QCOMPARE(lines.first().rect.width(), 2.0 * text.size());
}

void TestLayoutEngine::alignsLinesInFixedBox()
{
    TextLabel label = fixedLabel(QStringLiteral("AB\rABCD"), QRectF(0.0, 0.0, 10.0, 6.0));
    label.align = Align::Right;
    QList<TextLineOp> lines = LayoutEngine(m_measurer).labelLines(label, QPointF(), 204.0);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).rect.left(), 6.0);
    QCOMPARE(lines.at(1).rect.left(), 2.0);

    label.align = Align::Center;
    label.centerOnBand = true;
    lines = LayoutEngine(m_measurer).labelLines(label, QPointF(5.0, 0.0), 100.0);
    // The box is centred on the 100 mm band, the line on the box.
    QCOMPARE(lines.at(0).rect.left(), 5.0 + 45.0 + 3.0);
}

void TestLayoutEngine::printsNothingForDisabledOrEmpty()
{
    const LayoutEngine engine(m_measurer);
    TextLabel label = fixedLabel(QStringLiteral("ABC"), QRectF(0, 0, 10, 4));
    label.enabled = false;
    QVERIFY(engine.labelLines(label, QPointF(), 204.0).isEmpty());
    label.enabled = true;
    label.text.clear();
    QVERIFY(engine.labelLines(label, QPointF(), 204.0).isEmpty());
    label.autoSize = true;
    QVERIFY(engine.labelLines(label, QPointF(), 204.0).isEmpty());
}

void TestLayoutEngine::beforePrintHookReplacesTextForThisPrintOnly()
{
    TextLabel label = fixedLabel(QStringLiteral("DATA: 99/99/9999"), QRectF(164.6, 4.8, 28.6, 4.0));
    label.autoSize = true;
    label.align = Align::Right;
    QString seen;
    label.beforePrint = [&seen](const QString &text) {
        seen = text;
        return QStringLiteral("DATA: 01/02/2024");
    };
    const QList<TextLineOp> lines = LayoutEngine(m_measurer).labelLines(label, QPointF(), 204.0);
    QCOMPARE(seen, QStringLiteral("DATA: 99/99/9999"));
    QCOMPARE(lines.first().text, QStringLiteral("DATA: 01/02/2024"));
    QCOMPARE(lines.first().rect.right(), 164.6 + 28.6);
    QCOMPARE(label.text, QStringLiteral("DATA: 99/99/9999"));
}

void TestLayoutEngine::bandsOverflowToNewPage_data()
{
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");
    QTest::addColumn<int>("pages");

    // Bands of 100 + 100 + 87 mm on 297 mm paper leave 10 mm for the margins.
    QTest::newRow("exactly fits") << 5.0 << 5.0 << 1;
    QTest::newRow("one tenth too much") << 5.0 << 5.1 << 2;
    QTest::newRow("top alone") << 10.1 << 0.0 << 2;
}

void TestLayoutEngine::bandsOverflowToNewPage()
{
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(int, pages);
    Layout layout;
    layout.bandWidth = 200.0;
    layout.bands = {band(100.0, {}, BandKind::Title), band(100.0), band(87.0)};
    layout.margins = PageMargins{top, bottom, 5.0, 5.0};
    const QList<PageContent> result = LayoutEngine(m_measurer).paginate(layout);
    QCOMPARE(result.size(), pages);
    QCOMPARE(result.first().bands.first().top, top);
    if (pages == 2) {
        QCOMPARE(result.at(1).bands.size(), 1);
        QCOMPARE(result.at(1).bands.first().index, 2);
        QCOMPARE(result.at(1).bands.first().top, top);
    }
}

void TestLayoutEngine::bandTallerThanPagePrintsWhereItIs()
{
    Layout layout;
    layout.bandWidth = 200.0;
    layout.bands = {band(10.0, {}, BandKind::Title), band(400.0), band(10.0)};
    layout.margins = PageMargins{5.0, 5.0, 5.0, 5.0};
    const QList<PageContent> pages = LayoutEngine(m_measurer).paginate(layout);
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages.at(1).bands.size(), 1);
    QCOMPARE(pages.at(1).bands.first().top, 5.0);
}

void TestLayoutEngine::pageElementsOnEveryPageFromPaperCorner()
{
    Layout layout;
    layout.bandWidth = 200.0;
    TextLabel inBand = fixedLabel(QStringLiteral("BAND"), QRectF(2.0, 1.0, 20.0, 4.0));
    inBand.tag = 5;
    layout.bands = {band(150.0, {inBand}, BandKind::Title), band(150.0, {inBand})};
    TextLabel element = fixedLabel(QStringLiteral("NOME"), QRectF(13.2, 32.3, 86.8, 4.0));
    element.tag = 1;
    layout.pageElements = {element};
    layout.margins = PageMargins{15.0, 5.0, 15.0, 5.0};
    const QList<PageContent> pages = LayoutEngine(m_measurer).paginate(layout);
    QCOMPARE(pages.size(), 2);
    for (const PageContent &page : pages) {
        QCOMPARE(page.linesOf(1).size(), 1);
        QCOMPARE(page.linesOf(1).first().rect.topLeft(), QPointF(13.2, 32.3));
        // The band's own label moves with the margins.
        QCOMPARE(page.linesOf(5).first().rect.topLeft(), QPointF(17.0, 16.0));
        // Drawn after, so on top of, the bands.
        QCOMPARE(page.texts().last(), QStringLiteral("NOME"));
    }
}

void TestLayoutEngine::shapesBecomeLinesAndRectangles()
{
    Shape rect;
    rect.box = QRectF(1.0, 2.0, 10.0, 4.0);
    rect.penWidth = 2;
    Shape hline = rect;
    hline.kind = ShapeKind::HorizontalLine;
    hline.penWidth = 1;
    hline.dotted = true;
    Shape vline = rect;
    vline.kind = ShapeKind::VerticalLine;
    vline.framed = true;
    Band b = band(20.0, {rect, hline, vline}, BandKind::Title);
    b.bottomRule = true;
    Layout layout;
    layout.bandWidth = 100.0;
    layout.bands = {b};
    layout.margins = PageMargins{10.0, 5.0, 20.0, 5.0};
    const QList<DrawOp> ops = LayoutEngine(m_measurer).paginate(layout).first().ops;
    QCOMPARE(ops.size(), 7);
    QCOMPARE(std::get<FillOp>(ops.at(0)).rect, QRectF(20.0, 10.0, 100.0, 20.0));   // white band
    QCOMPARE(std::get<FillOp>(ops.at(1)).color, QColor(Qt::white));
    QCOMPARE(std::get<StrokeRectOp>(ops.at(2)).rect, QRectF(21.0, 12.0, 10.0, 4.0));
    QCOMPARE(std::get<StrokeRectOp>(ops.at(2)).penMm, 2 * kThinPenMm);
    const LineOp h = std::get<LineOp>(ops.at(3));
    QCOMPARE(h.line, QLineF(21.0, 14.0, 31.0, 14.0));
    QVERIFY(h.dotted);
    QCOMPARE(h.penMm, kThinPenMm);
    QCOMPARE(std::get<LineOp>(ops.at(4)).line, QLineF(26.0, 12.0, 26.0, 16.0));
    QCOMPARE(std::get<StrokeRectOp>(ops.at(5)).penMm, kPointMm);                    // frame
    QCOMPARE(std::get<LineOp>(ops.at(6)).line, QLineF(20.0, 30.0, 120.0, 30.0));    // bottom rule
}

void TestLayoutEngine::fitCountsWhatThePaperShows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("wordWrap");
    QTest::addColumn<int>("align");
    QTest::addColumn<QString>("state");   // "", "disabled", "autoSize", "printed twice"
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("total");

    const int L = int(Align::Left);
    const int R = int(Align::Right);
    // 10 mm = 5 characters; 3 mm = one line, 6 mm = two.
    QTest::newRow("one line, just fits") << "ABCDE" << 10.0 << 3.0 << true << L << "" << 5 << 5;
    QTest::newRow("one line, one more") << "ABCDEF" << 10.0 << 3.0 << true << L << "" << 5 << 6;
    QTest::newRow("not wrapping, just fits") << "ABCDE" << 10.0 << 3.0 << false << L << "" << 5 << 5;
    QTest::newRow("not wrapping, one more") << "ABCDEF" << 10.0 << 3.0 << false << L << "" << 5 << 6;
    QTest::newRow("two lines, just fit") << "ABCDE FGHIJ" << 10.0 << 6.0 << true << L << "" << 11 << 11;
    QTest::newRow("two lines, one more") << "ABCDE FGHIJK" << 10.0 << 6.0 << true << L << "" << 11 << 12;
    QTest::newRow("third line starts after blank") << "AB CD EF GH IJ" << 10.0 << 6.0 << true << L << "" << 12 << 14;
    QTest::newRow("trailing blanks past box") << "ABCDE    " << 10.0 << 3.0 << true << L << "" << 5 << 5;
    QTest::newRow("not wrapping, trailing blanks") << "ABCDE    " << 10.0 << 3.0 << false << L << "" << 5 << 5;
    QTest::newRow("long word split at edge") << "ABCDEFGHIJKL" << 10.0 << 6.0 << true << L << "" << 10 << 12;
    QTest::newRow("CR LF not counted") << "AB\r\nCD\r\nEF" << 10.0 << 6.0 << true << L << "" << 4 << 6;
    QTest::newRow("not wrapping, second line hidden") << "AB\r\nCD" << 10.0 << 3.0 << false << L << "" << 2 << 4;
    QTest::newRow("not wrapping, second line too wide") << "AB\rCDEFGH" << 10.0 << 6.0 << false << L << "" << 7 << 8;
    QTest::newRow("blank line below box") << "AB\r   " << 10.0 << 3.0 << true << L << "" << 2 << 2;
    QTest::newRow("less than a line") << "AB" << 10.0 << 2.9 << true << L << "" << 0 << 2;
    QTest::newRow("disabled") << "ABCDEFGHIJ" << 4.0 << 3.0 << true << L << "disabled" << 10 << 10;
    QTest::newRow("auto-size") << "ABCDEFGHIJ" << 4.0 << 3.0 << true << L << "autoSize" << 10 << 10;
    QTest::newRow("measured as printed") << "ABCD" << 10.0 << 3.0 << true << L << "printed twice" << 5 << 8;
    QTest::newRow("right-aligned wrapping") << "ABCDEF" << 10.0 << 3.0 << true << R << "" << 5 << 6;
    // A right-aligned line that does not wrap loses its start to the box's left edge,
    // trailing blanks included in its width.
    QTest::newRow("right-aligned, just fits") << "ABCDE" << 10.0 << 3.0 << false << R << "" << 5 << 5;
    QTest::newRow("right-aligned, one more") << "ABCDEF" << 10.0 << 3.0 << false << R << "" << 5 << 6;
    QTest::newRow("right-aligned, pushed by blanks") << "ABCD  " << 10.0 << 3.0 << false << R << "" << 3 << 4;
}

void TestLayoutEngine::fitCountsWhatThePaperShows()
{
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, wordWrap);
    QFETCH(int, align);
    QFETCH(QString, state);
    QFETCH(int, shown);
    QFETCH(int, total);
    TextLabel label = fixedLabel(text, QRectF(1.0, 2.0, width, height));
    label.wordWrap = wordWrap;
    label.align = Align(align);
    label.enabled = state != QLatin1String("disabled");
    label.autoSize = state == QLatin1String("autoSize");
    if (state == QLatin1String("printed twice"))
        label.beforePrint = [](const QString &t) { return t + t; };

    const TextFit fit = LayoutEngine(m_measurer).fit(label, 204.0);
    QCOMPARE(fit.shown, shown);
    QCOMPARE(fit.total, total);
    QCOMPARE(fit.whole(), shown == total);
}

QTEST_GUILESS_MAIN(TestLayoutEngine)
#include "test_layoutengine.moc"
