#pragma once

#include <QByteArray>
#include <QtGlobal>

class QColor;
class QDateTime;
class QPainterPath;
class QPointF;
class QString;
class QTransform;

// The pieces of PDF syntax PdfDocument writes. Everything is appended as bytes; none of it
// depends on the locale.
namespace printing::pdf {

// A real: fixed point with up to `decimals` (0 to 6) digits, no exponent, no trailing
// zeros, -0 as 0. NaN and infinities, which would make the file unreadable, are written as
// 0; magnitudes are clamped to 1e9.
void appendNumber(QByteArray &out, double v, int decimals = 3);
void appendInt(QByteArray &out, qint64 v);
// An indirect reference, "12 0 R".
QByteArray ref(int object);
// Four upper-case hex digits: a glyph id or a UTF-16 unit in a hex string.
void appendHex4(QByteArray &out, quint32 v);

// The six numbers of `cm` and `Tm`: the linear part to 1e-6, the offset to 1e-3.
void appendMatrix(QByteArray &out, const QTransform &m);
// "x y " of a path operator, mapped by `map` when given.
void appendPoint(QByteArray &out, QPointF p, const QTransform *map);
// The path's m/l/c/h operators, its points mapped by `map` when given. Subpaths that end
// where they start are closed, as Qt's stroker joins them instead of putting caps on both
// ends.
void appendPath(QByteArray &out, const QPainterPath &path, const QTransform *map);
// A clip made of axis-aligned rectangles (a clip rect, the rects of a region) as `re`,
// anything else as its path.
void appendClip(QByteArray &out, const QPainterPath &path);

// "g"/"G" for grays, "rg"/"RG" otherwise; the alpha goes elsewhere.
QByteArray colorOperator(const QColor &color, bool stroke);
// A text string: plain ASCII as a literal string, anything else as UTF-16BE with a byte
// order mark.
QByteArray textString(const QString &text);
// D:YYYYMMDDHHmmSS+HH'mm' with the time's own offset from UTC.
QByteArray date(const QDateTime &when);
// A zlib stream for /FlateDecode.
QByteArray deflate(const QByteArray &data);

} // namespace printing::pdf
