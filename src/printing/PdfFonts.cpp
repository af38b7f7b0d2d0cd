#include "printing/PdfFonts.h"

#include "printing/PdfObjectWriter.h"
#include "printing/PdfSyntax.h"

#include <cmath>

namespace printing {

using namespace pdf;

namespace {

// The PDF name of a face without a usable PostScript name: family and style, no blanks.
QByteArray fallbackFontName(const QString &family, const QString &style)
{
    QByteArray out;
    for (const QChar c : family + style) {
        const ushort u = c.unicode();
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '-' || u == '_')
            out += char(u);
    }
    return out.isEmpty() ? QByteArray("Font") : out;
}

// Six capitals that depend only on the font and the glyphs in its subset, so the same
// drawing gives the same name and different subsets of one face get different names.
QByteArray subsetTag(const QByteArray &name, const std::vector<quint32> &glyphs)
{
    quint64 hash = 1469598103934665603ull;
    auto mix = [&hash](uchar b) {
        hash ^= b;
        hash *= 1099511628211ull;
    };
    for (const char c : name)
        mix(uchar(c));
    for (const quint32 g : glyphs) {
        mix(uchar(g >> 8));
        mix(uchar(g));
    }
    QByteArray tag;
    for (int i = 0; i < 6; ++i) {
        tag += char('A' + hash % 26);
        hash /= 26;
    }
    return tag;
}

// The Type 0 font of a face with its descendant CIDFontType2, descriptor, subset program
// and ToUnicode map.
void writeFont(PdfObjectWriter &writer, const PdfFonts::Face &face)
{
    const PdfFontProgram &program = face.program;
    std::vector<quint32> glyphs;
    for (size_t g = 0; g < face.used.size(); ++g)
        if (face.used[g])
            glyphs.push_back(quint32(g));
    const QByteArray baseFont = '/' + subsetTag(face.name, glyphs) + '+' + face.name;
    const double toThousandths = 1000.0 / program.unitsPerEm();

    const QByteArray fontProgram = program.subset(glyphs);
    const int fontFile = writer.newObject();
    writer.writeStream(fontFile, " /Length1 " + QByteArray::number(fontProgram.size()), fontProgram);

    QByteArray descriptor = "<< /Type /FontDescriptor /FontName " + baseFont + " /Flags ";
    appendInt(descriptor, 32 + (program.isFixedPitch() ? 1 : 0) + (program.italicAngle() != 0 ? 64 : 0));
    descriptor += " /FontBBox [";
    const QRect box = program.boundingBox();
    for (const int v : {box.left(), box.top(), box.right(), box.bottom()}) {
        appendNumber(descriptor, v * toThousandths, 0);
        descriptor += ' ';
    }
    descriptor += "] /ItalicAngle ";
    appendNumber(descriptor, program.italicAngle(), 2);
    descriptor += " /Ascent ";
    appendNumber(descriptor, program.ascent() * toThousandths, 0);
    descriptor += " /Descent ";
    appendNumber(descriptor, program.descent() * toThousandths, 0);
    descriptor += " /CapHeight ";
    appendNumber(descriptor, program.capHeight() * toThousandths, 0);
    descriptor += " /StemV ";
    // No table has it; this is the usual estimate from the weight.
    appendInt(descriptor, 50 + qRound(std::pow(program.weightClass() / 65.0, 2)));
    descriptor += " /FontFile2 " + ref(fontFile) + " >>";
    const int descriptorObject = writer.newObject();
    writer.writeObject(descriptorObject, descriptor);

    // Widths to the thousandth of a unit, so that long texts do not drift from Qt's layout.
    QByteArray widths = "[";
    for (size_t i = 0; i < glyphs.size();) {
        appendInt(widths, glyphs[i]);
        widths += " [";
        size_t j = i;
        do {
            if (j > i)
                widths += ' ';
            appendNumber(widths, program.advance(glyphs[j]) * toThousandths);
            ++j;
        } while (j < glyphs.size() && glyphs[j] == glyphs[j - 1] + 1);
        widths += "] ";
        i = j;
    }
    widths += ']';
    const int cidFont = writer.newObject();
    writer.writeObject(cidFont, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + baseFont
                                    + " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor "
                                    + ref(descriptorObject) + " /CIDToGIDMap /Identity /W " + widths + " >>");

    QByteArray pairs;
    int pairCount = 0;
    QByteArray cmap = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    auto flush = [&] {
        if (!pairCount)
            return;
        appendInt(cmap, pairCount);
        cmap += " beginbfchar\n" + pairs + "endbfchar\n";
        pairs.clear();
        pairCount = 0;
    };
    for (const quint32 g : glyphs) {
        const char32_t c = face.unicode[g];
        if (!c)
            continue;
        pairs += '<';
        appendHex4(pairs, g);
        pairs += "> <";
        if (QChar::requiresSurrogates(c)) {
            appendHex4(pairs, QChar::highSurrogate(c));
            appendHex4(pairs, QChar::lowSurrogate(c));
        } else {
            appendHex4(pairs, c);
        }
        pairs += ">\n";
        if (++pairCount == 100)   // the most one bfchar block may hold
            flush();
    }
    flush();
    cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    const int toUnicode = writer.newObject();
    writer.writeStream(toUnicode, QByteArray(), cmap);

    writer.writeObject(face.object, "<< /Type /Font /Subtype /Type0 /BaseFont " + baseFont
                                        + " /Encoding /Identity-H /DescendantFonts [" + ref(cidFont) + "] /ToUnicode " + ref(toUnicode)
                                        + " >>");
}

} // namespace

PdfFonts::Face::Face(const QRawFont &raw)
    : program(raw), name(fallbackFontName(raw.familyName(), raw.styleName()))
{
    if (!program.postScriptName().isEmpty())
        name = program.postScriptName().toLatin1();
    unicode.assign(size_t(program.glyphCount()), 0);
    used.assign(size_t(program.glyphCount()), 0);
}

void PdfFonts::Face::recordCharacters(const QString &text, const QList<quint32> &glyphs, const QSet<quint32> *only)
{
    qsizetype k = 0;
    for (qsizetype i = 0; i < text.size() && k < glyphs.size(); ++i, ++k) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const quint32 g = glyphs[k];
        if (g >= unicode.size() || (only && !only->contains(g)))
            continue;
        used[g] = 1;
        if (g != 0 && unicode[g] == 0)
            unicode[g] = c;
    }
}

PdfFonts::Face *PdfFonts::faceFor(const QRawFont &raw)
{
    const auto known = m_faceByRawFont.constFind(raw);
    if (known != m_faceByRawFont.constEnd())
        return *known;
    // Qt has an engine per size; the PDF has one font per face.
    const QByteArray key = raw.familyName().toUtf8() + '\n' + raw.styleName().toUtf8() + '\n' + QByteArray::number(raw.weight())
        + '\n' + QByteArray::number(int(raw.style())) + '\n' + raw.fontTable("head");
    Face *&face = m_faceByKey[key];
    if (!face) {
        m_faces.push_back(std::make_unique<Face>(raw));
        face = m_faces.back().get();
    }
    m_faceByRawFont.insert(raw, face);
    return face;
}

const QByteArray &PdfFonts::resourceOf(Face &face, PdfObjectWriter &writer)
{
    if (!face.object) {
        face.object = writer.newObject();
        face.resource = "/F" + QByteArray::number(++m_fontCount);
    }
    return face.resource;
}

QByteArray PdfFonts::resourceEntry() const
{
    if (!m_fontCount)
        return QByteArray();
    QByteArray out = " /Font <<";
    for (const auto &face : m_faces)
        if (face->object)
            out += ' ' + face->resource + ' ' + ref(face->object);
    out += " >>";
    return out;
}

void PdfFonts::write(PdfObjectWriter &writer) const
{
    for (const auto &face : m_faces)
        if (face->object)
            writeFont(writer, *face);
}

void PdfFonts::clear()
{
    m_faces.clear();
    m_faceByRawFont.clear();
    m_faceByKey.clear();
    m_fontCount = 0;
}

// The /W widths advance from one glyph to the next; Qt's advances are those widths cut to
// 1/64 dot (and at a pixel size Qt may have rounded), so wherever the two drift apart by
// more than a tenth of a dot a correction puts the glyph back where Qt has it.
void appendGlyphs(QByteArray &out, const PdfFonts::Face &face, const quint32 *glyphs, const double *x, qsizetype count,
                  double size, double hscale)
{
    const double toDots = size * hscale / face.program.unitsPerEm();
    QByteArray shown = "<";
    bool corrected = false;
    double at = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const double drift = at - x[i];
        if (i > 0 && std::abs(drift) > 0.1) {
            // TJ moves back by the number, in thousandths of the (scaled) font size.
            shown += "> ";
            appendNumber(shown, drift * 1000 / (size * hscale));
            shown += " <";
            at = x[i];
            corrected = true;
        }
        const quint32 g = glyphs[i] < quint32(face.program.glyphCount()) ? glyphs[i] : 0;
        appendHex4(shown, g);
        at += face.program.advance(g) * toDots;
    }
    shown += '>';
    if (corrected)
        out += '[' + shown + "] TJ";
    else
        out += shown + " Tj";
}

} // namespace printing
