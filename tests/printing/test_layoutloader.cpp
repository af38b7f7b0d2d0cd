#include "platform/RaisedError.h"
#include "printing/LayoutLoader.h"

#include <QtTest>

using namespace printing;

namespace {

// A small valid layout; `bands` and `extra` are spliced into it.
QByteArray layoutJson(const QByteArray &bands, const QByteArray &extra = {})
{
    return R"({"name": "TRl_Teste", "reportTitle": "T", "unit": "mm", "bandWidth": 200.0,
               "fonts": {"f": {"face": "Courier New", "size": 8}}, "dataFont": "f",)"
           + extra + R"( "bands": [)" + bands + "]}";
}

const QByteArray kBand = R"({"kind": "title", "height": 10, "captionFont": "f", "elements": [)";

QString problemWith(const QByteArray &json)
{
    try {
        LayoutLoader::parse(json);
    } catch (const platform::RaisedError &e) {
        return e.message();
    }
    return QString();
}

QList<int> dataTags(const Layout &layout)
{
    QList<int> tags;
    Layout copy = layout;
    copy.forEachElement([&tags](Element &e) {
        if (const auto *l = std::get_if<TextLabel>(&e); l && l->tag > 0)
            tags.append(l->tag);
    });
    return tags;
}

} // namespace

class TestLayoutLoader : public QObject {
    Q_OBJECT
private slots:
    void strictAboutWhatItReads_data();
    void strictAboutWhatItReads();
    void blockRepeatsWithItsTagOffset();
    void everyStoredLayoutLoads();
};

void TestLayoutLoader::strictAboutWhatItReads_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("says");   // the whole place and problem

    const QByteArray data7 = R"({"data": 7, "box": [1, 1, 10, 4]})";
    QTest::newRow("unknown key at the top") << layoutJson(kBand + "]}", R"("copeis": 2,)")
                                            << R"(TRl_Teste: chave desconhecida "copeis")";
    QTest::newRow("unknown key in a band") << layoutJson(R"({"kind": "title", "height": 10, "captionFont": "f", "hieght": 3})")
                                           << R"(TRl_Teste, banda 1: chave desconhecida "hieght")";
    QTest::newRow("unknown key in a data label")
        << layoutJson(kBand + data7 + R"(, {"data": 8, "box": [1, 1, 10, 4], "alin": "left"}]})")
        << R"(TRl_Teste, banda 1, elemento 2: chave desconhecida "alin")";
    QTest::newRow("unknown key in a shape") << layoutJson(kBand + R"({"rect": [0, 0, 1, 1], "colour": "red"}]})")
                                            << R"(TRl_Teste, banda 1, elemento 1: chave desconhecida "colour")";
    QTest::newRow("two kinds in one element")
        << layoutJson(kBand + R"({"rect": [0, 0, 1, 1], "caption": "x"}]})")
        << R"(TRl_Teste, banda 1, elemento 1: chave desconhecida "caption")";
    QTest::newRow("unknown key in a font") << layoutJson(kBand + "]}").replace(R"("size": 8})", R"("size": 8, "italic": true})")
                                           << R"(TRl_Teste, fonte "f": chave desconhecida "italic")";
    QTest::newRow("data label tag repeated in a band")
        << layoutJson(kBand + data7 + "," + data7 + "]}")
        << "TRl_Teste, banda 1, elemento 2: Tag 7 repetida (já em TRl_Teste, banda 1, elemento 1)";
    QTest::newRow("data label tag repeated in the page elements")
        << layoutJson(kBand + data7 + "]}", R"("pageElements": [)" + data7 + "],")
        << "TRl_Teste, elementos da página, elemento 1: Tag 7 repetida (já em TRl_Teste, banda 1, elemento 1)";
    QTest::newRow("block offset lands on a used tag")
        << layoutJson(kBand + R"({"data": 107, "box": [1, 1, 10, 4]}, {"block": "b", "tagOffset": 100}]})",
                      R"("blocks": {"b": [)" + data7 + "]},")
        << R"(TRl_Teste, banda 1, elemento 2, bloco "b", elemento 1: Tag 107 repetida (já em TRl_Teste, banda 1, elemento 1))";
    QTest::newRow("unknown block") << layoutJson(kBand + R"({"block": "x"}]})")
                                   << R"(TRl_Teste, banda 1, elemento 1: bloco "x" não definido)";
    QTest::newRow("block that uses itself")
        << layoutJson(kBand + R"({"block": "b"}]})", R"("blocks": {"b": [{"block": "b", "tagOffset": 10}]},)")
        << R"(bloco "b" usado dentro de si mesmo)";
    QTest::newRow("unknown key beside a block") << layoutJson(kBand + R"({"block": "b", "offset": 1}]})", R"("blocks": {"b": []},)")
                                                << R"(TRl_Teste, banda 1, elemento 1: chave desconhecida "offset")";
    QTest::newRow("caption tag is no data tag")
        << layoutJson(kBand + data7 + R"(, {"caption": "x", "at": [0, 0], "tag": 7}]})") << QString();
}

void TestLayoutLoader::strictAboutWhatItReads()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, says);
    const QString problem = problemWith(json);
    if (says.isEmpty())
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    else
        QVERIFY2(problem.contains(says), qPrintable(problem));
}

void TestLayoutLoader::blockRepeatsWithItsTagOffset()
{
    const QByteArray block = R"("blocks": {"p": [{"rect": [1, 2, 3, 4], "tag": -1}, {"caption": "01| NOME", "at": [5, 6]},
                                                 {"data": 1, "box": [7, 8, 9, 4]}, {"data": 2, "box": [7, 12, 9, 4]}]},)";
    const QByteArray bands = kBand + R"({"block": "p", "tagOffset": 100}]},
        {"kind": "section", "height": 20, "captionFont": "f", "elements": [{"caption": "x", "at": [0, 0]},
                                                                          {"block": "p", "tagOffset": 200}]})";
    const Layout layout = LayoutLoader::parse(layoutJson(bands, block));
    QCOMPARE(dataTags(layout), (QList<int>{101, 102, 201, 202}));
    // The copies are the block itself: same shapes with their tags, captions and boxes.
    const QList<Element> &first = layout.bands.at(0).elements;
    const QList<Element> &second = layout.bands.at(1).elements;
    QCOMPARE(first.size(), 4);
    QCOMPARE(second.size(), 5);
    QCOMPARE(std::get<Shape>(second.at(1)).tag, -1);
    QCOMPARE(std::get<Shape>(second.at(1)).box, std::get<Shape>(first.at(0)).box);
    QCOMPARE(std::get<TextLabel>(second.at(2)).text, QStringLiteral("01| NOME"));
    QCOMPARE(std::get<TextLabel>(second.at(4)).box, QRectF(7, 12, 9, 4));
}

void TestLayoutLoader::everyStoredLayoutLoads()
{
    const QStringList names = LayoutLoader::names();
    QVERIFY(!names.isEmpty());
    for (const QString &name : names) {
        const QString problem = [&name] {
            try {
                LayoutLoader::load(name);
            } catch (const platform::RaisedError &e) {
                return e.message();
            }
            return QString();
        }();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
}

QTEST_GUILESS_MAIN(TestLayoutLoader)
#include "test_layoutloader.moc"
