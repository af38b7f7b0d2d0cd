#include "printing/PdfFontProgram.h"

#include <QRawFont>

#include <algorithm>
#include <array>

namespace printing {

namespace {

// Big-endian reads that give 0 past the end of the table, so a short table cannot be
// read out of bounds.
quint16 u16(const QByteArray &t, qsizetype at)
{
    if (at < 0 || at + 2 > t.size())
        return 0;
    return quint16((uchar(t[at]) << 8) | uchar(t[at + 1]));
}

qint16 s16(const QByteArray &t, qsizetype at) { return qint16(u16(t, at)); }

quint32 u32(const QByteArray &t, qsizetype at) { return (quint32(u16(t, at)) << 16) | u16(t, at + 2); }

void put16(QByteArray &t, qsizetype at, quint16 v)
{
    t[at] = char(v >> 8);
    t[at + 1] = char(v);
}

void put32(QByteArray &t, qsizetype at, quint32 v)
{
    put16(t, at, quint16(v >> 16));
    put16(t, at + 2, quint16(v));
}

void append16(QByteArray &t, quint16 v)
{
    t += char(v >> 8);
    t += char(v);
}

void append32(QByteArray &t, quint32 v)
{
    append16(t, quint16(v >> 16));
    append16(t, quint16(v));
}

void padTo4(QByteArray &t)
{
    while (t.size() % 4)
        t += '\0';
}

// The sum of the table read as big-endian 32-bit words, zero-padded.
quint32 checksum(const QByteArray &t)
{
    const auto *p = reinterpret_cast<const uchar *>(t.constData());
    const qsizetype whole = t.size() / 4 * 4;
    quint32 sum = 0;
    for (qsizetype i = 0; i < whole; i += 4)
        sum += (quint32(p[i]) << 24) | (quint32(p[i + 1]) << 16) | (quint32(p[i + 2]) << 8) | p[i + 3];
    quint32 last = 0;
    for (qsizetype i = whole; i < whole + 4; ++i)
        last = (last << 8) | (i < t.size() ? p[i] : 0u);
    return sum + (whole < t.size() ? last : 0u);
}

// Keeps the characters a PDF name takes without escapes (and no delimiters).
QString pdfNameSafe(const QString &name)
{
    QString out;
    for (const QChar c : name) {
        const ushort u = c.unicode();
        if (u > 32 && u < 127 && !QStringView(u"[](){}<>/%#").contains(c))
            out += c;
    }
    return out.left(127);
}

QString postScriptNameFrom(const QByteArray &name)
{
    const int count = u16(name, 2);
    const int strings = u16(name, 4);
    QString windows, mac;
    for (int i = 0; i < count; ++i) {
        const qsizetype rec = 6 + qsizetype(i) * 12;
        if (rec + 12 > name.size())
            break;
        if (u16(name, rec + 6) != 6)
            continue;
        const int platform = u16(name, rec);
        const int encoding = u16(name, rec + 2);
        const qsizetype length = u16(name, rec + 8);
        const qsizetype start = qsizetype(strings) + u16(name, rec + 10);
        if (start + length > name.size())
            continue;
        if ((platform == 3 && (encoding == 0 || encoding == 1 || encoding == 10)) || platform == 0) {
            if (!windows.isEmpty())
                continue;
            QString s;
            for (qsizetype at = start; at + 1 < start + length; at += 2)
                s += QChar(u16(name, at));
            windows = s;
        } else if (platform == 1 && encoding == 0 && mac.isEmpty()) {
            mac = QString::fromLatin1(name.constData() + start, length);
        }
    }
    const QString chosen = pdfNameSafe(windows);
    return chosen.isEmpty() ? pdfNameSafe(mac) : chosen;
}

} // namespace

PdfFontProgram::PdfFontProgram(const QRawFont &font)
{
    read([&font](const char *tag) { return font.fontTable(tag); });
}

PdfFontProgram::PdfFontProgram(const TableReader &tables) { read(tables); }

void PdfFontProgram::read(const TableReader &tables)
{
    m_head = tables("head");
    m_hhea = tables("hhea");
    m_maxp = tables("maxp");
    m_hmtx = tables("hmtx");
    m_loca = tables("loca");
    m_glyf = tables("glyf");
    m_cvt = tables("cvt ");
    m_fpgm = tables("fpgm");
    m_prep = tables("prep");
    const QByteArray os2 = tables("OS/2");
    const QByteArray post = tables("post");

    if (m_head.size() < 54 || m_hhea.size() < 36 || m_maxp.size() < 6 || m_glyf.isEmpty())
        return;
    m_unitsPerEm = u16(m_head, 18);
    m_glyphCount = u16(m_maxp, 4);
    m_longLoca = s16(m_head, 50) != 0;
    m_longMetrics = std::min<int>(u16(m_hhea, 34), int(m_hmtx.size() / 4));
    const qsizetype locaNeeded = (qsizetype(m_glyphCount) + 1) * (m_longLoca ? 4 : 2);
    if (m_unitsPerEm < 16 || m_unitsPerEm > 16384 || m_glyphCount < 1 || m_longMetrics < 1 || m_loca.size() < locaNeeded) {
        m_unitsPerEm = 1000;
        m_glyphCount = 0;
        return;
    }

    m_bbox = QRect(QPoint(s16(m_head, 36), s16(m_head, 38)), QPoint(s16(m_head, 40), s16(m_head, 42)));
    m_ascent = s16(m_hhea, 4);
    m_descent = s16(m_hhea, 6);
    m_capHeight = m_ascent;
    if (os2.size() >= 6)
        m_weightClass = u16(os2, 4);
    if (u16(os2, 0) >= 2 && os2.size() >= 90 && s16(os2, 88) > 0)
        m_capHeight = s16(os2, 88);
    if (post.size() >= 16) {
        m_italicAngle = qint32(u32(post, 4)) / 65536.0;
        m_fixedPitch = u32(post, 12) != 0;
    }
    m_postScriptName = postScriptNameFrom(tables("name"));
    m_valid = true;
}

int PdfFontProgram::advance(quint32 glyph) const
{
    if (!m_valid || glyph >= quint32(m_glyphCount))
        return 0;
    const int metric = std::min<int>(int(glyph), m_longMetrics - 1);
    return u16(m_hmtx, qsizetype(metric) * 4);
}

QByteArray PdfFontProgram::glyphData(quint32 glyph) const
{
    if (glyph >= quint32(m_glyphCount))
        return {};
    const qsizetype start = m_longLoca ? qsizetype(u32(m_loca, glyph * 4)) : qsizetype(u16(m_loca, glyph * 2)) * 2;
    const qsizetype end = m_longLoca ? qsizetype(u32(m_loca, glyph * 4 + 4)) : qsizetype(u16(m_loca, glyph * 2 + 2)) * 2;
    if (start >= end || end > m_glyf.size())
        return {};
    return QByteArray::fromRawData(m_glyf.constData() + start, end - start);
}

QByteArray PdfFontProgram::subset(const std::vector<quint32> &glyphs) const
{
    if (!m_valid)
        return {};

    // The glyphs drawn, glyph 0 (drawn for missing characters) and, through any depth of
    // composite glyphs, their components. Each glyph is visited once, so loops in a broken
    // font end too.
    std::vector<char> keep(size_t(m_glyphCount), 0);
    std::vector<quint32> pending{0};
    keep[0] = 1;
    for (const quint32 g : glyphs) {
        if (g < quint32(m_glyphCount) && !keep[g]) {
            keep[g] = 1;
            pending.push_back(g);
        }
    }
    while (!pending.empty()) {
        const QByteArray data = glyphData(pending.back());
        pending.pop_back();
        if (data.size() < 10 || s16(data, 0) >= 0)
            continue;
        enum : quint16 { WordArgs = 0x1, Scale = 0x8, More = 0x20, XYScale = 0x40, TwoByTwo = 0x80 };
        qsizetype at = 10;
        while (at + 4 <= data.size()) {
            const quint16 flags = u16(data, at);
            const quint16 component = u16(data, at + 2);
            if (component < m_glyphCount && !keep[component]) {
                keep[component] = 1;
                pending.push_back(component);
            }
            at += 4 + ((flags & WordArgs) ? 4 : 2);
            if (flags & Scale)
                at += 2;
            else if (flags & XYScale)
                at += 4;
            else if (flags & TwoByTwo)
                at += 8;
            if (!(flags & More))
                break;
        }
    }

    QByteArray glyf;
    glyf.reserve(m_glyf.size() / 4);
    QByteArray loca;
    loca.reserve((qsizetype(m_glyphCount) + 1) * 4);
    for (int g = 0; g < m_glyphCount; ++g) {
        append32(loca, quint32(glyf.size()));
        if (keep[size_t(g)]) {
            glyf += glyphData(quint32(g));
            padTo4(glyf);
        }
    }
    append32(loca, quint32(glyf.size()));

    // Metrics of glyphs left out are zeroed: they compress to nothing. The last long entry
    // stays, as it gives the advance of every glyph after it.
    QByteArray hmtx = m_hmtx;
    for (int g = 0; g < m_glyphCount; ++g) {
        if (keep[size_t(g)] || g == m_longMetrics - 1)
            continue;
        const qsizetype at = g < m_longMetrics ? qsizetype(g) * 4 : qsizetype(m_longMetrics) * 4 + qsizetype(g - m_longMetrics) * 2;
        const int bytes = g < m_longMetrics ? 4 : 2;
        if (at + bytes <= hmtx.size())
            std::fill_n(hmtx.begin() + at, bytes, '\0');
    }

    QByteArray head = m_head;
    put32(head, 8, 0);           // checkSumAdjustment, set below
    put16(head, 50, 1);          // loca written with 32-bit offsets

    struct Table {
        const char *tag;
        QByteArray data;
    };
    // In tag order, as the table directory wants them.
    std::array<Table, 9> all{{{"cvt ", m_cvt},
                              {"fpgm", m_fpgm},
                              {"glyf", glyf},
                              {"head", head},
                              {"hhea", m_hhea},
                              {"hmtx", hmtx},
                              {"loca", loca},
                              {"maxp", m_maxp},
                              {"prep", m_prep}}};
    std::vector<const Table *> tables;
    for (const Table &t : all)
        if (!t.data.isEmpty())
            tables.push_back(&t);

    const auto count = quint16(tables.size());
    quint16 powerOfTwo = 1;
    quint16 log2 = 0;
    while (powerOfTwo * 2 <= count) {
        powerOfTwo *= 2;
        ++log2;
    }
    QByteArray font;
    append32(font, 0x00010000);
    append16(font, count);
    append16(font, quint16(powerOfTwo * 16));
    append16(font, log2);
    append16(font, quint16(count * 16 - powerOfTwo * 16));
    qsizetype offset = 12 + qsizetype(count) * 16;
    qsizetype headAt = -1;
    for (const Table *t : tables) {
        font.append(t->tag, 4);
        append32(font, checksum(t->data));
        append32(font, quint32(offset));
        append32(font, quint32(t->data.size()));
        if (qstrncmp(t->tag, "head", 4) == 0)
            headAt = offset;
        offset += (t->data.size() + 3) / 4 * 4;
    }
    for (const Table *t : tables) {
        font += t->data;
        padTo4(font);
    }
    if (headAt >= 0)
        put32(font, headAt + 8, 0xB1B0AFBAu - checksum(font));
    return font;
}

} // namespace printing
