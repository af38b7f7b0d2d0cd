#include "editors/faca/UF_Faca.h"
#include "platform/ProgramFolder.h"
#include "printing/LayoutEngine.h"
#include "printing/PaperFit.h"
#include "printing/PrintRun.h"
#include "printing/ReportFactory.h"
#include "printing/TextMeasurer.h"
#include "validation/TFm_Funcoes.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace printing;

using Values = QMap<int, QString>;

namespace printing {
char *toString(const CutValue &c)
{
    return QTest::toString(QStringLiteral("%1 tag %2: %3 of %4").arg(c.layout).arg(c.tag).arg(c.shown).arg(c.total));
}
} // namespace printing

namespace {

QString inkOf(const QString &text) { return QString(text).remove(QRegularExpression(QStringLiteral("[ \r\n]"))); }

} // namespace

class TestPaperFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void monospaceBoxHoldsItsCharacters_data();
    void monospaceBoxHoldsItsCharacters();
    void fitAgreesWithPrintedLines();
    void cutValuesOfARequest_data();
    void cutValuesOfARequest();

private:
    QTemporaryDir m_dir;
    FontMeasurer m_measurer;
    validation::TFm_Funcoes m_funcoes;
};

void TestPaperFit::initTestCase()
{
    QVERIFY(m_dir.isValid());
    platform::ProgramFolder::setCurrent(m_dir.path());
}

void TestPaperFit::monospaceBoxHoldsItsCharacters_data()
{
    QTest::addColumn<bool>("wordWrap");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("chars");
    QTest::addColumn<bool>("whole");

    // The box holds 20 characters a line.
    QTest::newRow("one line, 20") << true << 1 << 20 << true;
    QTest::newRow("one line, 21") << true << 1 << 21 << false;
    QTest::newRow("not wrapping, 20") << false << 1 << 20 << true;
    QTest::newRow("not wrapping, 21") << false << 1 << 21 << false;
    QTest::newRow("two lines, 40") << true << 2 << 40 << true;
    QTest::newRow("two lines, 41") << true << 2 << 41 << false;
}

void TestPaperFit::monospaceBoxHoldsItsCharacters()
{
    QFETCH(bool, wordWrap);
    QFETCH(int, lines);
    QFETCH(int, chars);
    QFETCH(bool, whole);

    // Courier New prints as Liberation Mono: every advance is 0.6 em, 6 pt at 10 pt.
    const double advanceMm = 6.0 * 25.4 / 72.0;
    TextLabel label;
    label.font = FontSpec{QStringLiteral("Courier New"), 10.0, true};
    label.wordWrap = wordWrap;
    label.text = QString(chars, QLatin1Char('M'));
    label.box = QRectF(0.0, 0.0, 20.5 * advanceMm, (lines + 0.5) * m_measurer.lineHeight(label.font));

    const TextFit fit = LayoutEngine(m_measurer).fit(label, 200.0);
    QCOMPARE(fit.total, chars);
    QCOMPARE(fit.shown, whole ? chars : 20 * lines);
}

// Over many texts and boxes, what fit() says is what labelLines() prints: the ink of
// the printed lines is the ink of the text's first `shown` characters.
void TestPaperFit::fitAgreesWithPrintedLines()
{
    const QStringList words{QStringLiteral("RUA"), QStringLiteral("São"), QStringLiteral("JOÃO"),
                            QStringLiteral("123"), QStringLiteral("AVENIDA"), QStringLiteral("W"),
                            QStringLiteral("ÇÕÉÍ"), QStringLiteral("PARQUE-ECOLÓGICO-MUNICIPAL")};
    const QList<FontSpec> fonts{{QStringLiteral("Arial"), 8.0, false},
                                {QStringLiteral("Courier New"), 8.0, true},
                                {QStringLiteral("Times New Roman"), 10.0, false}};
    QRandomGenerator random(20);
    const LayoutEngine engine(m_measurer);
    int cut = 0;
    for (int i = 0; i < 300; ++i) {
        QString text;
        const int count = random.bounded(1, 14);
        for (int w = 0; w < count; ++w) {
            text += words.at(random.bounded(words.size()));
            text += random.bounded(8) == 0 ? QStringLiteral("\r\n") : QString(random.bounded(1, 3), QLatin1Char(' '));
        }
        TextLabel label;
        label.text = text;
        label.font = fonts.at(random.bounded(fonts.size()));
        label.box = QRectF(0.0, 0.0, 8.0 + random.bounded(82.0), 3.0 + random.bounded(11.0));
        const TextFit fit = engine.fit(label, 200.0);
        QString printed;
        for (const TextLineOp &line : engine.labelLines(label, QPointF(), 200.0))
            printed += line.text;
        const QString plain = QString(text).remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        QCOMPARE(inkOf(printed), inkOf(plain.left(fit.shown)));
        QCOMPARE(fit.whole(), inkOf(printed) == inkOf(text));
        cut += fit.whole() ? 0 : 1;
    }
    // Both kinds were met.
    QVERIFY(cut > 30 && cut < 270);
}

void TestPaperFit::cutValuesOfARequest_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<Values>("values");
    QTest::addColumn<int>("cutTag");   // 0: nothing cut
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("line");   // the cut label's whole text
    QTest::addColumn<bool>("twice");     // printed again in a box half as wide

    const QString date = QStringLiteral("01/02/2026");
    const QString cpf = QStringLiteral("123.456.789-09");
    const QString x60(60, QLatin1Char('X'));
    const QString x70(70, QLatin1Char('X'));
    const QString x80(80, QLatin1Char('X'));
    QTest::newRow("FCA, values fit") << "FCA" << Values{{2, cpf}, {3, QStringLiteral("FAZENDA BOA VISTA")}} << 0
                                     << "" << "" << false;
    QTest::newRow("FCA, long property") << "FCA" << Values{{2, cpf}, {3, x60}} << 3 << "" << x60 << false;
    QTest::newRow("FCA, listed where least shows") << "FCA" << Values{{2, cpf}, {3, x60}} << 3 << "" << x60 << true;
    QTest::newRow("FACA, place fits with date") << "FACA" << Values{{31, QStringLiteral("CAMPO GRANDE")}, {32, date}}
                                                << 0 << "" << "" << false;
    // The line breaks at the blank before the date.
    QTest::newRow("FACA, place fits without date") << "FACA" << Values{{31, x70}, {32, date}} << 31
                                                   << "lab_LocalData" << x70 + ", " + date << false;
    QTest::newRow("FACA, place too long alone") << "FACA" << Values{{31, x80}, {32, date}} << 31 << "lab_LocalData"
                                                << x80 + ", " + date << false;
}

void TestPaperFit::cutValuesOfARequest()
{
    QFETCH(QString, form);
    QFETCH(Values, values);
    QFETCH(int, cutTag);
    QFETCH(QString, label);
    QFETCH(QString, line);
    QFETCH(bool, twice);

    PrintLayout layout{QStringLiteral("TRl_Fca"), {}};
    if (form == QLatin1String("FACA"))
        layout = editors::TFm_Faca(m_funcoes).printLayouts().first();
    PrintRequest request{{layout}, [values](int tag) {
                             return values.contains(tag) ? std::optional(values.value(tag)) : std::nullopt;
                         }};
    if (twice) {
        layout.steps.afterFill = [cutTag](Layout &l, const TagValues &) {
            l.forEachElement([cutTag](Element &e) {
                if (auto *label = std::get_if<TextLabel>(&e); label && label->tag == cutTag)
                    label->box.setWidth(label->box.width() / 2.0);
            });
        };
        request.layouts.append(layout);
    }

    const QList<CutValue> cuts = cutValues(request);
    if (cutTag == 0) {
        QCOMPARE(cuts, QList<CutValue>{});
        return;
    }
    const QString value = values.value(cutTag);
    QCOMPARE(cuts.size(), 1);
    QCOMPARE(cuts.first().tag, cutTag);
    QCOMPARE(cuts.first().total, int(value.size()));
    const int shown = cuts.first().shown;
    if (!label.isEmpty()) {
        // A joined line: with `shown` characters of the value the whole line prints, with
        // one more it does not.
        auto cutWith = [&](int n) {
            Values shorter = values;
            shorter.insert(cutTag, value.left(n));
            return cutValues({{layout}, [shorter](int tag) {
                                  return shorter.contains(tag) ? std::optional(shorter.value(tag)) : std::nullopt;
                              }});
        };
        QVERIFY(shown < value.size());
        QCOMPARE(cutWith(shown), QList<CutValue>{});
        QCOMPARE(cutWith(shown + 1).size(), 1);
        return;
    }
    // What the printed page shows of the label: one line, and the hidden text starts
    // after it and the blanks at its break.
    const PageContent page = LayoutEngine(m_measurer).paginate(createLayoutForPrint(layout, request.values)).first();
    const QList<TextLineOp> lines = page.linesOf(cutTag);
    QCOMPARE(lines.size(), 1);
    QVERIFY(line.startsWith(lines.first().text));
    qsizetype hidden = lines.first().text.size();
    while (line.at(hidden) == QLatin1Char(' '))
        ++hidden;
    QCOMPARE(cuts, (QList<CutValue>{{layout.name, cutTag, int(hidden), int(value.size())}}));
}

QTEST_MAIN(TestPaperFit)
#include "test_paperfit.moc"
