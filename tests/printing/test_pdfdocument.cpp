#include "printing/PdfDocument.h"
#include "printing/PdfFontProgram.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtEndian>
#include <QtTest>

#include <functional>

using namespace printing;

namespace {

constexpr int kDpi = 1200;
const QString kAccents = QStringLiteral("Inscrição nº 12 – ª § Ação ÁÉÍÓÚ ãõ Ç");

// A font set up as the form painter sets its fonts.
QFont formFont(const QString &family, double points, bool bold = false)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferNoShaping));
    return f;
}

QByteArray render(const std::function<void(QPainter &, PdfDocument &)> &draw, PdfDocument *reuse = nullptr)
{
    PdfDocument own;
    PdfDocument &doc = reuse ? *reuse : own;
    QPainter painter(&doc);
    draw(painter, doc);
    painter.end();
    return doc.data();
}

QByteArray drawText(const QFont &font, const QString &text, QPointF at = QPointF(1000, 2000))
{
    return render([&](QPainter &p, PdfDocument &) {
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(at, text);
    });
}

// Runs a poppler tool on the PDF (after `args`, then `output` when given) and gives what it
// printed, or the file it wrote when `written` names it.
QByteArray poppler(const QString &tool, const QByteArray &pdf, QStringList args = {}, const QString &output = {},
                   const QString &written = {})
{
    const QString program = QStandardPaths::findExecutable(tool);
    QTemporaryDir dir;
    if (program.isEmpty() || !dir.isValid())
        return {};
    QFile file(dir.filePath(QStringLiteral("in.pdf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return {};
    file.close();
    args << file.fileName();
    if (!output.isEmpty())
        args << (output == u"-" ? output : dir.filePath(output));
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    if (written.isEmpty())
        return p.readAllStandardOutput();
    QFile result(dir.filePath(written));
    return result.open(QIODevice::ReadOnly) ? result.readAll() : QByteArray();
}

#define REQUIRE_TOOL(tool)                                                                                             \
    if (QStandardPaths::findExecutable(QStringLiteral(tool)).isEmpty())                                                \
    QSKIP(tool " (poppler-utils) is not installed")

// Word boxes of `pdftotext -bbox`, in points.
struct Word {
    QRectF box;
    QString text;
};

QList<Word> words(const QByteArray &pdf)
{
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> out;
    const QString html = QString::fromUtf8(poppler(QStringLiteral("pdftotext"), pdf, {QStringLiteral("-bbox")}, QStringLiteral("-")));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        out.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                           QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                    m.captured(5)});
    }
    return out;
}

// --- a TrueType face made of the tables the subsetter reads -----------------------------

QByteArray be16(int v)
{
    const char bytes[2] = {char(v >> 8), char(v)};
    return QByteArray(bytes, 2);
}
QByteArray be32(quint32 v) { return be16(int(v >> 16)) + be16(int(v & 0xffff)); }

// A one-point simple glyph, and a composite glyph of the given components (`cutShort`: its
// last component record ends before its arguments).
QByteArray simpleGlyph() { return be16(1) + QByteArray(8, 0) + be16(0) + be16(0) + char(1) + be16(100) + be16(100); }
QByteArray compositeGlyph(const QList<int> &components, bool cutShort = false)
{
    QByteArray g = be16(-1) + QByteArray(8, 0);
    for (qsizetype i = 0; i < components.size(); ++i) {
        const bool more = i + 1 < components.size() || cutShort;
        g += be16(0x0001 | (more ? 0x0020 : 0)) + be16(components[i]) + be16(10) + be16(20);
    }
    if (cutShort)
        g += be16(0x0021) + be16(components.value(0));
    return g;
}

QHash<QByteArray, QByteArray> syntheticFont(const QList<QByteArray> &glyphs)
{
    QHash<QByteArray, QByteArray> t;
    QByteArray head = be32(0x00010000) + QByteArray(50, 0);
    head.replace(12, 4, be32(0x5F0F3CF5));
    head.replace(18, 2, be16(1000));
    head.replace(50, 2, be16(1));
    t["head"] = head;
    QByteArray hhea(36, 0);
    hhea.replace(34, 2, be16(int(glyphs.size())));
    t["hhea"] = hhea;
    t["maxp"] = be32(0x00005000) + be16(int(glyphs.size()));
    QByteArray loca, glyf, hmtx;
    for (const QByteArray &g : glyphs) {
        loca += be32(quint32(glyf.size()));
        glyf += g;
        hmtx += be16(500 + int(hmtx.size())) + be16(0);
    }
    t["loca"] = loca + be32(quint32(glyf.size()));
    t["glyf"] = glyf;
    t["hmtx"] = hmtx;
    return t;
}

PdfFontProgram program(const QHash<QByteArray, QByteArray> &tables)
{
    return PdfFontProgram([&tables](const char *tag) { return tables.value(QByteArray(tag, 4)); });
}

quint32 u32(const QByteArray &b, qsizetype at) { return qFromBigEndian<quint32>(b.constData() + at); }

// The tables of a font file; fails the test when its directory or checksums are wrong.
QHash<QByteArray, QByteArray> readFont(const QByteArray &font)
{
    QHash<QByteArray, QByteArray> tables;
    const int count = qFromBigEndian<quint16>(font.constData() + 4);
    QByteArray previous;
    quint32 whole = 0;
    for (qsizetype i = 0; i + 3 < font.size(); i += 4)
        whole += u32(font, i);
    if (whole != 0xB1B0AFBAu)
        qWarning("font checksum off");
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 12 + i * 16;
        const QByteArray tag = font.mid(entry, 4);
        const quint32 offset = u32(font, entry + 8);
        const QByteArray data = font.mid(offset, u32(font, entry + 12));
        QByteArray padded = data + QByteArray((4 - data.size() % 4) % 4, 0);
        quint32 sum = 0;
        for (qsizetype at = 0; at < padded.size(); at += 4)
            sum += u32(padded, at);
        if (tag == "head")
            sum -= u32(data, 8);
        if (tag <= previous || offset % 4 || sum != u32(font, entry + 4))
            return {};
        previous = tag;
        tables.insert(tag, data);
    }
    return whole == 0xB1B0AFBAu ? tables : QHash<QByteArray, QByteArray>();
}

qsizetype glyphLength(const QHash<QByteArray, QByteArray> &tables, int glyph)
{
    const QByteArray &loca = tables["loca"];
    return u32(loca, glyph * 4 + 4) - u32(loca, glyph * 4);
}

} // namespace

class TestPdfDocument : public QObject {
    Q_OBJECT
private slots:
    void textComesBack_data();
    void textComesBack();
    void eachFaceIsOneEmbeddedSubset();
    void documentInformation_data();
    void documentInformation();
    void sameDrawingSameBytes();
    void newPageNeedsAnActivePainter();
    void inkWhereDrawn_data();
    void inkWhereDrawn();
    void textAdvanceMatchesQt_data();
    void textAdvanceMatchesQt();
    void crossReferencesPointAtObjects();
    void subsetOfARealFace_data();
    void subsetOfARealFace();
    void subsetFollowsComposites_data();
    void subsetFollowsComposites();
    void damagedFacesAreRefused_data();
    void damagedFacesAreRefused();

private:
    QImage m_page;   // inkWhereDrawn's page, rendered once
};

void TestPdfDocument::textComesBack_data()
{
    QTest::addColumn<QFont>("font");
    QTest::newRow("Liberation Mono") << formFont(QStringLiteral("Liberation Mono"), 10);
    QTest::newRow("Liberation Serif") << formFont(QStringLiteral("Liberation Serif"), 9);
    QTest::newRow("Liberation Sans") << formFont(QStringLiteral("Liberation Sans"), 8);
    QTest::newRow("Liberation Sans Bold") << formFont(QStringLiteral("Liberation Sans"), 11, true);
    QTest::newRow("DejaVu Sans Bold") << formFont(QStringLiteral("DejaVu Sans"), 9, true);
    QFont merging(QStringLiteral("Liberation Sans"));   // kerned, and ✓ from another font
    merging.setPointSizeF(10);
    QTest::newRow("kerning and fallback") << merging;
}

void TestPdfDocument::textComesBack()
{
    REQUIRE_TOOL("pdftotext");
    QFETCH(QFont, font);
    const QString text = kAccents + (font.kerning() ? QStringLiteral(" AVAVA ✓") : QString());
    const QByteArray pdf = drawText(font, text);
    QCOMPARE(QString::fromUtf8(poppler(QStringLiteral("pdftotext"), pdf, {}, QStringLiteral("-"))).simplified(), text);
}

void TestPdfDocument::eachFaceIsOneEmbeddedSubset()
{
    REQUIRE_TOOL("pdffonts");
    const QList<QFont> fonts{formFont(QStringLiteral("Liberation Mono"), 10), formFont(QStringLiteral("Liberation Serif"), 9),
                             formFont(QStringLiteral("Liberation Serif"), 10, true), formFont(QStringLiteral("Liberation Sans"), 8),
                             formFont(QStringLiteral("Liberation Sans"), 11, true), formFont(QStringLiteral("DejaVu Sans"), 9, true)};
    const QByteArray pdf = render([&](QPainter &p, PdfDocument &doc) {
        for (int page = 0; page < 2; ++page) {
            for (int i = 0; i < fonts.size(); ++i) {
                for (const double size : {8.0, 11.0}) {
                    QFont f = fonts[i];
                    f.setPointSizeF(size);
                    p.setFont(f);
                    p.drawText(QPointF(500, 500 + i * 400 + size * 10), kAccents);
                }
            }
            if (page == 0)
                doc.newPage();
        }
    });
    const QStringList lines = QString::fromUtf8(poppler(QStringLiteral("pdffonts"), pdf)).split(u'\n', Qt::SkipEmptyParts);
    QStringList faces;
    for (const QString &line : lines.mid(2)) {
        const QStringList c = line.split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(c.size(), 9);
        QVERIFY2(QRegularExpression(QStringLiteral("^[A-Z]{6}\\+")).match(c[0]).hasMatch(), qPrintable(c[0]));
        QCOMPARE(c.mid(1, 6), QStringList({"CID", "TrueType", "Identity-H", "yes", "yes", "yes"}));
        faces << c[0].mid(7);
    }
    faces.sort();
    QCOMPARE(faces, QStringList({"DejaVuSans-Bold", "LiberationMono", "LiberationSans", "LiberationSans-Bold", "LiberationSerif",
                                 "LiberationSerif-Bold"}));
}

void TestPdfDocument::documentInformation_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QDateTime>("created");
    QTest::addColumn<QByteArray>("dateEntry");
    QTest::addColumn<QString>("isoDate");
    QTest::addColumn<int>("pages");

    const QDate day(2024, 5, 6);
    const QTime time(7, 8, 9);
    QTest::newRow("ascii, utc") << QStringLiteral("Ficha (1) \\ FCA") << QDateTime(day, time, QTimeZone::utc())
                                << QByteArray("/CreationDate (D:20240506070809+00'00')") << QStringLiteral("2024-05-06T07:08:09Z") << 1;
    QTest::newRow("accents, -03:00") << QStringLiteral("Inscrição – Produtor") << QDateTime(day, time, QTimeZone(-3 * 3600))
                                     << QByteArray("/CreationDate (D:20240506070809-03'00')") << QStringLiteral("2024-05-06T07:08:09-03") << 3;
}

void TestPdfDocument::documentInformation()
{
    REQUIRE_TOOL("pdfinfo");
    QFETCH(QString, title);
    QFETCH(QDateTime, created);
    QFETCH(QByteArray, dateEntry);
    QFETCH(QString, isoDate);
    QFETCH(int, pages);

    PdfDocument doc;
    doc.setTitle(title);
    doc.setCreator(QStringLiteral("fichas"));
    doc.setCreationDate(created);
    QCOMPARE(QSize(doc.width(), doc.height()), QSize(9921, 14031));   // A4 at 1200 dpi
    QCOMPARE(QSize(doc.widthMM(), doc.heightMM()), QSize(210, 297));
    QCOMPARE(doc.logicalDpiY(), kDpi);
    const QByteArray pdf = render(
        [&](QPainter &p, PdfDocument &) {
            for (int i = 1; i < pages; ++i) {
                p.drawLine(QLineF(0, 0, 100, 100));
                QVERIFY(doc.newPage());
            }
        },
        &doc);
    QVERIFY(pdf.contains(dateEntry));
    const QString info = QString::fromUtf8(poppler(QStringLiteral("pdfinfo"), pdf, {QStringLiteral("-isodates")}));
    QVERIFY2(info.contains(QStringLiteral("Title:           ") + title + u'\n'), qPrintable(info));
    QVERIFY(info.contains(QStringLiteral("Creator:         fichas\n")));
    QVERIFY2(info.contains(QStringLiteral("CreationDate:    ") + isoDate + u'\n'), qPrintable(info));
    QVERIFY(info.contains(QStringLiteral("Pages:           ") + QString::number(pages) + u'\n'));
    QVERIFY(info.contains(QStringLiteral("Page size:       595.276 x 841.89 pts (A4)")));
}

void TestPdfDocument::sameDrawingSameBytes()
{
    QImage logo(54, 57, QImage::Format_ARGB32);
    logo.fill(QColor(0, 0, 200, 128));
    auto draw = [&](QPainter &p, PdfDocument &doc) {
        doc.setCreationDate(QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), QTimeZone::utc()));
        for (const QString &family : {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}) {
            p.setFont(formFont(family, 10));
            p.drawText(QPointF(500, 500), kAccents);
        }
        p.drawImage(QRectF(100, 100, 540, 570), logo);
        doc.newPage();
        p.setPen(QPen(Qt::gray, 5, Qt::DotLine));
        p.drawRect(QRectF(100, 100, 2000, 1000));
    };
    PdfDocument reused;
    const QByteArray first = render(draw, &reused);
    QVERIFY(first.startsWith("%PDF-1.4\n"));
    QCOMPARE(render(draw), first);
    QCOMPARE(render(draw, &reused), first);   // a second painter starts the document again
}

void TestPdfDocument::newPageNeedsAnActivePainter()
{
    PdfDocument doc;
    QVERIFY(!doc.newPage());
    QVERIFY(doc.data().isEmpty());
    QPainter p(&doc);
    QVERIFY(doc.newPage());
    QVERIFY(doc.data().isEmpty());   // not finished yet
    p.end();
    QVERIFY(!doc.newPage());
    QVERIFY(doc.data().endsWith("%%EOF\n"));
}

void TestPdfDocument::inkWhereDrawn_data()
{
    QTest::addColumn<QRectF>("area");   // in dots
    QTest::addColumn<bool>("inked");

    QTest::newRow("filled rect") << QRectF(1100, 1100, 800, 300) << true;
    QTest::newRow("beside the filled rect") << QRectF(2100, 1100, 300, 300) << false;
    QTest::newRow("line") << QRectF(2400, 1990, 200, 20) << true;
    QTest::newRow("beside the line") << QRectF(2400, 2100, 200, 100) << false;
    // Dots of one pen width every three widths: 120 on, 240 off from x = 1000.
    QTest::newRow("dot of a dotted line") << QRectF(1000 + 3 * 360 + 30, 2990, 60, 20) << true;
    QTest::newRow("gap of a dotted line") << QRectF(1000 + 3 * 360 + 160, 2990, 150, 20) << false;
    QTest::newRow("text") << QRectF(1000, 4300, 1500, 250) << true;
    QTest::newRow("text outside its clip") << QRectF(1000, 5300, 3000, 300) << false;
    QTest::newRow("text inside its clip") << QRectF(1000, 6300, 600, 250) << true;
    QTest::newRow("text past its clip") << QRectF(1750, 6250, 1500, 350) << false;
    QTest::newRow("opaque half of the image") << QRectF(5050, 1100, 180, 400) << true;
    QTest::newRow("transparent half of the image") << QRectF(5330, 1100, 180, 400) << false;
    QTest::newRow("translated fill") << QRectF(6100, 4100, 400, 400) << true;
    QTest::newRow("blank") << QRectF(7000, 7000, 2000, 2000) << false;
}

void TestPdfDocument::inkWhereDrawn()
{
    REQUIRE_TOOL("pdftoppm");
    QFETCH(QRectF, area);
    QFETCH(bool, inked);

    if (m_page.isNull()) {
        QImage logo(54, 57, QImage::Format_ARGB32);
        logo.fill(Qt::transparent);
        QPainter(&logo).fillRect(0, 0, 27, 57, Qt::black);
        const QByteArray pdf = render([&](QPainter &p, PdfDocument &) {
            p.setRenderHint(QPainter::Antialiasing);
            p.fillRect(QRectF(0, 0, 9921, 14031), Qt::white);
            p.fillRect(QRectF(1000, 1000, 1000, 500), Qt::black);
            p.setPen(QPen(Qt::black, 50, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QLineF(1000, 2000, 4000, 2000));
            p.setPen(QPen(Qt::black, 120, Qt::DotLine, Qt::FlatCap));
            p.drawLine(QLineF(1000, 3000, 7000, 3000));
            p.setPen(Qt::black);
            p.setFont(formFont(QStringLiteral("Liberation Sans"), 11, true));
            p.drawText(QPointF(1000, 4500), QStringLiteral("MMMMMMMMMM"));
            p.save();
            p.setClipRect(QRect(1000, 4900, 100, 100));
            p.drawText(QPointF(1000, 5500), QStringLiteral("MMMMMMMMMM"));
            p.restore();
            p.save();
            p.setClipRect(QRectF(900.5, 6000, 800, 800));
            p.drawText(QPointF(1000, 6500), QStringLiteral("MMMMMMMMMM"));
            p.restore();
            p.drawImage(QRectF(5000, 1000, 540, 570), logo);
            p.translate(6000, 4000);
            p.fillRect(QRectF(0, 0, 600, 600), Qt::black);
        });
        m_page = QImage::fromData(poppler(QStringLiteral("pdftoppm"), pdf,
                                          {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"), QStringLiteral("-singlefile")},
                                          QStringLiteral("page"), QStringLiteral("page.pgm")),
                                  "PGM");
        QVERIFY(!m_page.isNull());
        QCOMPARE(m_page.size(), QSize(596, 842));   // 595.276 × 841.89 points
    }
    const QRect pixels = QTransform::fromScale(72.0 / kDpi, 72.0 / kDpi).mapRect(area).toAlignedRect();
    int darkest = 255;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            darkest = std::min(darkest, qGray(m_page.pixel(x, y)));
    if (inked)
        QVERIFY2(darkest < 100, qPrintable(QString::number(darkest)));
    else
        QVERIFY2(darkest > 220, qPrintable(QString::number(darkest)));
}

void TestPdfDocument::textAdvanceMatchesQt_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("text");

    const QString longText = QStringLiteral("Razão social do contribuinte e endereço completo nº 1234 – bairro, município/UF");
    QTest::newRow("mono 10") << formFont(QStringLiteral("Liberation Mono"), 10) << longText;
    QTest::newRow("serif 9") << formFont(QStringLiteral("Liberation Serif"), 9) << longText;
    QTest::newRow("sans 8") << formFont(QStringLiteral("Liberation Sans"), 8) << longText;
    QTest::newRow("sans bold 11") << formFont(QStringLiteral("Liberation Sans"), 11, true) << longText;
    QTest::newRow("dejavu bold 9") << formFont(QStringLiteral("DejaVu Sans"), 9, true) << longText;
    QFont pixels = formFont(QStringLiteral("Liberation Serif"), 10);
    pixels.setPixelSize(173);
    QTest::newRow("pixel size") << pixels << longText;
    QFont kerned(QStringLiteral("Liberation Sans"));
    kerned.setPointSizeF(11);
    QTest::newRow("kerned") << kerned << QStringLiteral("AVAVAVAV Towards WAVY name");
    QFont spaced = formFont(QStringLiteral("Liberation Sans"), 9);
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    QTest::newRow("letter spacing") << spaced << QStringLiteral("Razão social nº 12");
}

// Where the PDF's glyphs end up against Qt's own layout for this device: the start where
// the text was drawn, the last word where Qt puts it and, unless letters are spaced (Qt
// spaces the last one too), the end where Qt's advance ends.
void TestPdfDocument::textAdvanceMatchesQt()
{
    REQUIRE_TOOL("pdftotext");
    QFETCH(QFont, font);
    QFETCH(QString, text);

    PdfDocument doc;
    const QFontMetricsF metrics(font, &doc);
    const QPointF at(1234.5, 3000);
    const QList<Word> found = words(drawText(font, text, at));
    QVERIFY(found.size() > 1);
    const double toDots = kDpi / 72.0;
    const double start = found.first().box.left() * toDots;
    QVERIFY2(std::abs(start - at.x()) < 0.5, qPrintable(QString::number(start)));
    const QString before = text.left(text.lastIndexOf(found.last().text));
    const double lastWord = found.last().box.left() * toDots - start;
    QVERIFY2(std::abs(lastWord - metrics.horizontalAdvance(before)) < 0.5,
             qPrintable(QStringLiteral("%1 against %2").arg(lastWord).arg(metrics.horizontalAdvance(before))));
    if (font.letterSpacing() == 0) {
        const double advance = found.last().box.right() * toDots - start;
        QVERIFY2(std::abs(advance - metrics.horizontalAdvance(text)) < 0.5,
                 qPrintable(QStringLiteral("%1 against %2").arg(advance).arg(metrics.horizontalAdvance(text))));
    }
}

void TestPdfDocument::crossReferencesPointAtObjects()
{
    const QByteArray pdf = render([](QPainter &p, PdfDocument &doc) {
        p.setFont(formFont(QStringLiteral("Liberation Serif"), 10));
        p.drawText(QPointF(100, 300), kAccents);
        doc.newPage();
        p.drawText(QPointF(100, 300), kAccents);
    });
    QVERIFY(pdf.endsWith("%%EOF\n"));
    const qsizetype startxref = pdf.lastIndexOf("startxref\n");
    QVERIFY(startxref > 0);
    const qsizetype xref = pdf.mid(startxref + 10).split('\n').first().toLongLong();
    QVERIFY(pdf.mid(xref).startsWith("xref\n0 "));
    const qsizetype countAt = xref + 7;
    const qsizetype entries = pdf.indexOf('\n', countAt) + 1;
    const int count = pdf.mid(countAt, entries - 1 - countAt).toInt();
    QVERIFY(count > 10);
    QCOMPARE(pdf.mid(entries, 20), QByteArray("0000000000 65535 f \n"));
    for (int n = 1; n < count; ++n) {
        const QByteArray entry = pdf.mid(entries + n * 20, 20);
        QVERIFY2(entry.endsWith(" 00000 n \n"), entry.constData());
        QVERIFY2(pdf.mid(entry.left(10).toLongLong()).startsWith(QByteArray::number(n) + " 0 obj\n"), entry.constData());
    }
    QVERIFY(pdf.mid(entries + count * 20).startsWith("trailer\n<< /Size " + QByteArray::number(count) + ' '));
}

void TestPdfDocument::subsetOfARealFace_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("postScriptName");
    QTest::addColumn<bool>("fixedPitch");

    QTest::newRow("Liberation Sans") << QStringLiteral("Liberation Sans") << QStringLiteral("LiberationSans") << false;
    QTest::newRow("Liberation Mono") << QStringLiteral("Liberation Mono") << QStringLiteral("LiberationMono") << true;
    QTest::newRow("DejaVu Sans") << QStringLiteral("DejaVu Sans") << QStringLiteral("DejaVuSans") << false;
}

// The subset is a font FreeType loads, in which the glyphs asked for (accented letters
// included, whatever their components) keep their outlines and the others have none.
void TestPdfDocument::subsetOfARealFace()
{
    QFETCH(QString, family);
    QFETCH(QString, postScriptName);
    QFETCH(bool, fixedPitch);

    QFont font(family);
    font.setPixelSize(200);
    const QRawFont raw = QRawFont::fromFont(font);
    const PdfFontProgram face(raw);
    QVERIFY(face.isValid());
    QCOMPARE(face.postScriptName(), postScriptName);
    QCOMPARE(face.isFixedPitch(), fixedPitch);
    const QList<quint32> kept = raw.glyphIndexesForString(QStringLiteral("Aéç"));
    const quint32 dropped = raw.glyphIndexesForString(QStringLiteral("B")).first();

    const QByteArray subset = face.subset(std::vector<quint32>(kept.begin(), kept.end()));
    const auto tables = readFont(subset);
    QVERIFY(!tables.isEmpty());
    QCOMPARE(qFromBigEndian<qint16>(tables["head"].constData() + 50), qint16(1));
    const QRawFont loaded(subset, 200);
    QVERIFY(loaded.isValid());
    for (const quint32 g : kept)
        QCOMPARE(loaded.pathForGlyph(g).boundingRect(), raw.pathForGlyph(g).boundingRect());
    QVERIFY(loaded.pathForGlyph(dropped).isEmpty());
    QCOMPARE(glyphLength(tables, int(dropped)), 0);
}

void TestPdfDocument::subsetFollowsComposites_data()
{
    QTest::addColumn<QList<QByteArray>>("glyphs");
    QTest::addColumn<quint32>("drawn");
    QTest::addColumn<QList<int>>("kept");

    const QByteArray simple = simpleGlyph();
    QTest::newRow("simple") << QList<QByteArray>{simple, simple, simple} << 2u << QList<int>{0, 2};
    QTest::newRow("nested composites") << QList<QByteArray>{simple, simple, compositeGlyph({1}), compositeGlyph({2, 4}), simple, simple}
                                       << 3u << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("loop") << QList<QByteArray>{simple, compositeGlyph({2}), compositeGlyph({1}), simple} << 1u << QList<int>{0, 1, 2};
    QTest::newRow("component past the end") << QList<QByteArray>{simple, compositeGlyph({999, 2}), simple} << 1u << QList<int>{0, 1, 2};
    QTest::newRow("record cut short") << QList<QByteArray>{simple, compositeGlyph({2}, true), simple, simple} << 1u << QList<int>{0, 1, 2};
    QTest::newRow("glyph past the end") << QList<QByteArray>{simple, simple} << 70u << QList<int>{0};
}

void TestPdfDocument::subsetFollowsComposites()
{
    QFETCH(QList<QByteArray>, glyphs);
    QFETCH(quint32, drawn);
    QFETCH(QList<int>, kept);

    const PdfFontProgram face = program(syntheticFont(glyphs));
    QVERIFY(face.isValid());
    const auto tables = readFont(face.subset({drawn}));
    QVERIFY(!tables.isEmpty());
    for (int g = 0; g < glyphs.size(); ++g) {
        QCOMPARE(glyphLength(tables, g) > 0, kept.contains(g));
        if (kept.contains(g))
            QVERIFY(tables["glyf"].mid(u32(tables["loca"], g * 4)).startsWith(glyphs[g]));
        // Metrics of dropped glyphs are zeroed, except the last, which the ones after it share.
        const int advance = qFromBigEndian<quint16>(tables["hmtx"].constData() + g * 4);
        QCOMPARE(advance, kept.contains(g) || g == glyphs.size() - 1 ? face.advance(quint32(g)) : 0);
    }
}

void TestPdfDocument::damagedFacesAreRefused_data()
{
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<QByteArray>("table");

    const auto good = syntheticFont({simpleGlyph(), simpleGlyph()});
    QTest::newRow("no glyf (CFF outlines)") << QByteArray("glyf") << QByteArray();
    QTest::newRow("short head") << QByteArray("head") << good["head"].left(40);
    QTest::newRow("loca shorter than maxp's count") << QByteArray("loca") << good["loca"].left(8);
    QTest::newRow("no metrics") << QByteArray("hmtx") << QByteArray();
    QByteArray zeroEm = good["head"];
    zeroEm.replace(18, 2, be16(0));
    QTest::newRow("zero units per em") << QByteArray("head") << zeroEm;
}

void TestPdfDocument::damagedFacesAreRefused()
{
    QFETCH(QByteArray, tag);
    QFETCH(QByteArray, table);

    auto tables = syntheticFont({simpleGlyph(), simpleGlyph()});
    QVERIFY(program(tables).isValid());
    tables[tag] = table;
    const PdfFontProgram face = program(tables);
    QVERIFY(!face.isValid());
    QVERIFY(face.subset({1}).isEmpty());
    QCOMPARE(face.advance(1), 0);
}

QTEST_MAIN(TestPdfDocument)
#include "test_pdfdocument.moc"
