#include "printing/PdfSyntax.h"

#include <QColor>
#include <QDateTime>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace printing::pdf {

void appendNumber(QByteArray &out, double v, int decimals)
{
    static constexpr qint64 kScale[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    if (!std::isfinite(v))
        v = 0;
    v = std::clamp(v, -1e9, 1e9);
    const qint64 scale = kScale[decimals];
    qint64 n = std::llround(v * double(scale));
    char buf[40];
    char *p = buf;
    if (n < 0) {
        *p++ = '-';
        n = -n;
    }
    p = std::to_chars(p, buf + sizeof buf, n / scale).ptr;
    qint64 fraction = n % scale;
    if (fraction) {
        int digits = decimals;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        char tmp[8];
        const int length = int(std::to_chars(tmp, tmp + sizeof tmp, fraction).ptr - tmp);
        *p++ = '.';
        for (int i = length; i < digits; ++i)
            *p++ = '0';
        std::memcpy(p, tmp, size_t(length));
        p += length;
    }
    out.append(buf, p - buf);
}

void appendInt(QByteArray &out, qint64 v)
{
    char buf[24];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr - buf);
}

QByteArray ref(int object)
{
    QByteArray out;
    appendInt(out, object);
    out += " 0 R";
    return out;
}

void appendHex4(QByteArray &out, quint32 v)
{
    static const char digits[] = "0123456789ABCDEF";
    const char hex[4] = {digits[(v >> 12) & 15], digits[(v >> 8) & 15], digits[(v >> 4) & 15], digits[v & 15]};
    out.append(hex, 4);
}

void appendMatrix(QByteArray &out, const QTransform &m)
{
    for (const double v : {m.m11(), m.m12(), m.m21(), m.m22()}) {
        appendNumber(out, v, 6);
        out += ' ';
    }
    appendNumber(out, m.dx());
    out += ' ';
    appendNumber(out, m.dy());
}

void appendPoint(QByteArray &out, QPointF p, const QTransform *map)
{
    if (map)
        p = map->map(p);
    appendNumber(out, p.x());
    out += ' ';
    appendNumber(out, p.y());
    out += ' ';
}

void appendPath(QByteArray &out, const QPainterPath &path, const QTransform *map)
{
    const int count = path.elementCount();
    QPointF start;
    QPointF last;
    int inSubpath = 0;
    auto closeIfLoop = [&] {
        if (inSubpath > 1 && qFuzzyCompare(start.x() + 1, last.x() + 1) && qFuzzyCompare(start.y() + 1, last.y() + 1))
            out += "h\n";
    };
    for (int i = 0; i < count; ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            closeIfLoop();
            start = last = e;
            inSubpath = 1;
            appendPoint(out, e, map);
            out += "m\n";
        } else if (e.isCurveTo() && i + 2 < count) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            appendPoint(out, e, map);
            appendPoint(out, c2, map);
            appendPoint(out, end, map);
            out += "c\n";
            last = end;
            ++inSubpath;
            i += 2;
        } else {
            appendPoint(out, e, map);
            out += "l\n";
            last = e;
            ++inSubpath;
        }
    }
    closeIfLoop();
}

void appendClip(QByteArray &out, const QPainterPath &path)
{
    const int count = path.elementCount();
    bool rects = count > 0 && count % 5 == 0;
    for (int i = 0; rects && i < count; i += 5) {
        const QPainterPath::Element a = path.elementAt(i), b = path.elementAt(i + 1), c = path.elementAt(i + 2),
                                    d = path.elementAt(i + 3), e = path.elementAt(i + 4);
        rects = a.isMoveTo() && b.isLineTo() && c.isLineTo() && d.isLineTo() && e.isLineTo() && e.x == a.x && e.y == a.y
            && ((a.y == b.y && b.x == c.x && c.y == d.y && d.x == a.x) || (a.x == b.x && b.y == c.y && c.x == d.x && d.y == a.y));
    }
    if (!rects) {
        appendPath(out, path, nullptr);
        return;
    }
    for (int i = 0; i < count; i += 5) {
        const QPainterPath::Element a = path.elementAt(i), c = path.elementAt(i + 2);
        const QRectF r = QRectF(QPointF(a.x, a.y), QPointF(c.x, c.y)).normalized();
        for (const double v : {r.x(), r.y(), r.width(), r.height()}) {
            appendNumber(out, v);
            out += ' ';
        }
        out += "re\n";
    }
}

QByteArray colorOperator(const QColor &color, bool stroke)
{
    const QColor c = color.toRgb();
    QByteArray out;
    if (c.red() == c.green() && c.green() == c.blue()) {
        appendNumber(out, c.red() / 255.0);
        out += stroke ? " G" : " g";
    } else {
        appendNumber(out, c.red() / 255.0);
        out += ' ';
        appendNumber(out, c.green() / 255.0);
        out += ' ';
        appendNumber(out, c.blue() / 255.0);
        out += stroke ? " RG" : " rg";
    }
    return out;
}

QByteArray textString(const QString &text)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 32 && c.unicode() < 127; });
    QByteArray out;
    if (ascii) {
        out += '(';
        for (const QChar c : text) {
            if (c == u'(' || c == u')' || c == u'\\')
                out += '\\';
            out += char(c.unicode());
        }
        out += ')';
        return out;
    }
    out += "<FEFF";
    for (const QChar c : text)
        appendHex4(out, c.unicode());
    out += '>';
    return out;
}

QByteArray date(const QDateTime &when)
{
    auto two = [](int v) { return QByteArray::number(v).rightJustified(2, '0'); };
    const QDate d = when.date();
    const QTime t = when.time();
    const int offset = when.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return "D:" + QByteArray::number(d.year()).rightJustified(4, '0') + two(d.month()) + two(d.day()) + two(t.hour()) + two(t.minute())
        + two(t.second()) + (offset < 0 ? '-' : '+') + two(minutes / 60) + '\'' + two(minutes % 60) + '\'';
}

// qCompress puts the uncompressed length before the zlib stream.
QByteArray deflate(const QByteArray &data) { return qCompress(data, 1).mid(4); }

} // namespace printing::pdf
