#include "printing/PdfDocument.h"

#include "printing/PdfFontProgram.h"

#include <QBitmap>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSet>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>

namespace printing {

namespace {

constexpr double kPointsPerInch = 72.0;

// The page in points as its size is defined: QPageSize's own points are whole numbers
// (A4 595 × 842) and would put the MediaBox off the real paper.
QSizeF pagePoints(const QPageSize &page)
{
    const QSizeF size = page.definitionSize();
    switch (page.definitionUnits()) {
    case QPageSize::Millimeter:
        return size * kPointsPerInch / 25.4;
    case QPageSize::Inch:
        return size * kPointsPerInch;
    case QPageSize::Point:
        return size;
    default:
        return page.size(QPageSize::Millimeter) * kPointsPerInch / 25.4;
    }
}

// Fixed objects; the others are numbered as they are made.
enum : int { kCatalog = 1, kPages = 2, kResources = 3, kInfo = 4, kFirstFree = 5 };

// A PDF real: fixed point, no exponent, no trailing zeros. NaN and infinities, which would
// make the file unreadable, are written as 0.
void appendNumber(QByteArray &out, double v, int decimals = 3)
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

// Subpaths that end where they start are closed, as Qt's stroker joins them instead of
// putting caps on both ends.
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

// A clip made of axis-aligned rectangles (a clip rect, the rects of a region) as `re`,
// anything else as its path.
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

// Plain ASCII as a literal string; anything else as UTF-16BE with a byte order mark.
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

QByteArray pdfDate(const QDateTime &when)
{
    auto two = [](int v) { return QByteArray::number(v).rightJustified(2, '0'); };
    const QDate d = when.date();
    const QTime t = when.time();
    const int offset = when.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return "D:" + QByteArray::number(d.year()).rightJustified(4, '0') + two(d.month()) + two(d.day()) + two(t.hour()) + two(t.minute())
        + two(t.second()) + (offset < 0 ? '-' : '+') + two(minutes / 60) + '\'' + two(minutes % 60) + '\'';
}

// zlib stream for /FlateDecode: qCompress puts the uncompressed length before it.
QByteArray deflate(const QByteArray &data) { return qCompress(data, 1).mid(4); }

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

} // namespace

// The content stream operators QPainter's calls turn into, and the file they end up in.
class PdfPaintEngine : public QPaintEngine {
public:
    explicit PdfPaintEngine(PdfDocument &document);

    bool begin(QPaintDevice *device) override;
    bool end() override;
    void updateState(const QPaintEngineState &state) override;

    using QPaintEngine::drawLines;
    using QPaintEngine::drawPolygon;
    using QPaintEngine::drawRects;
    void drawRects(const QRectF *rects, int count) override;
    void drawLines(const QLineF *lines, int count) override;
    void drawPath(const QPainterPath &path) override;
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override;
    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override;
    void drawImage(const QRectF &target, const QImage &image, const QRectF &source, Qt::ImageConversionFlags flags) override;
    void drawTextItem(const QPointF &p, const QTextItem &textItem) override;
    Type type() const override { return QPaintEngine::User; }

    bool newPage();
    const QByteArray &data() const { return m_data; }

private:
    // What the content stream has set since its start or the last Q, so that each drawing
    // only writes what changed.
    struct GraphicsState {
        QByteArray fill = "0 g";
        QByteArray stroke = "0 G";
        double width = 1;
        int cap = 0;
        int join = 0;
        double miter = 10;
        QByteArray dash = "[] 0";
        QByteArray alpha = "1 1";    // fill and stroke alpha; the page starts opaque
    };

    struct Face {
        explicit Face(const QRawFont &raw)
            : program(raw), name(fallbackFontName(raw.familyName(), raw.styleName()))
        {
            if (!program.postScriptName().isEmpty())
                name = program.postScriptName().toLatin1();
            unicode.assign(size_t(program.glyphCount()), 0);
            used.assign(size_t(program.glyphCount()), 0);
        }
        PdfFontProgram program;
        QByteArray name;
        std::vector<char32_t> unicode;   // by glyph id: the character first drawn with it
        std::vector<char> used;
        QByteArray resource;              // "/F1"…, set when first drawn
        int object = 0;
    };

    int newObject();
    void beginObject(int object);
    void writeObject(int object, const QByteArray &body);
    void writeStream(int object, const QByteArray &entries, const QByteArray &data);

    void startPage();
    void finishPage();
    bool beginDrawing();
    void closeClip();
    void setClip(Qt::ClipOperation op, const QPainterPath &devicePath);

    void setFill(const QColor &color);
    void setStroke();
    void setAlpha(double fill, double stroke);
    double penAlpha() const;
    double brushAlpha() const;
    bool hasFill() const;
    bool hasStroke() const;
    // Writes the geometry (in painter coordinates; `map` given when the points are to be
    // written in device coordinates) and paints it with the brush and/or the pen.
    template<typename Geometry>
    void paint(Geometry &&geometry, bool fill, bool evenOdd, bool stroke);

    Face *faceFor(const QRawFont &raw);
    const QByteArray &resourceOf(Face &face);
    void recordCharacters(Face &face, const QString &text, const QList<quint32> &glyphs, const QSet<quint32> *only = nullptr);
    bool drawPlainText(const QPointF &p, const QTextItem &ti, const QString &text, const QFont &font, double hscale);
    bool drawLaidOutText(const QPointF &p, const QTextItem &ti, const QString &text, const QFont &font, double hscale);
    void appendGlyphs(const Face &face, const quint32 *glyphs, const double *x, qsizetype count, double size, double hscale);
    QByteArray imageResource(const QImage &image);
    void writeFont(const Face &face);
    void writeTrailer();

    PdfDocument &m_document;
    QByteArray m_out;
    std::vector<qint64> m_offsets;   // by object number; -1 until written
    std::vector<int> m_pageObjects;
    QByteArray m_data;
    double m_pageWidth = 0;
    double m_pageHeight = 0;

    QByteArray m_page;
    GraphicsState m_gs;
    GraphicsState m_gsBeforeClip;
    bool m_clipOpen = false;
    bool m_clipChanged = true;
    bool m_clipAll = false;

    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
    double m_opacity = 1;
    bool m_clipEnabled = false;
    std::vector<QPainterPath> m_clips;   // in device coordinates, all of them apply

    std::vector<std::unique_ptr<Face>> m_faces;
    QHash<QRawFont, Face *> m_faceByRawFont;
    QHash<QByteArray, Face *> m_faceByKey;
    int m_fontCount = 0;
    QHash<QByteArray, QByteArray> m_imageByContent;
    std::vector<std::pair<QByteArray, int>> m_images;
    QHash<QByteArray, QByteArray> m_extGStateByAlpha;
    std::vector<std::pair<QByteArray, QByteArray>> m_extGStates;
};

PdfPaintEngine::PdfPaintEngine(PdfDocument &document)
    // Everything else (gradients, patterns, composition modes, projective transforms)
    // QPainter draws into an image and hands over as one.
    : QPaintEngine(PrimitiveTransform | PixmapTransform | AlphaBlend | PainterPaths | Antialiasing | ConstantOpacity
                   | PaintOutsidePaintEvent),
      m_document(document)
{
}

bool PdfPaintEngine::begin(QPaintDevice *)
{
    const QSizeF points = pagePoints(m_document.m_pageSize);
    m_pageWidth = points.width();
    m_pageHeight = points.height();
    m_out = QByteArray("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    m_offsets.assign(kFirstFree, -1);
    m_pageObjects.clear();
    m_data.clear();
    m_faces.clear();
    m_faceByRawFont.clear();
    m_faceByKey.clear();
    m_fontCount = 0;
    m_imageByContent.clear();
    m_images.clear();
    m_extGStateByAlpha.clear();
    m_extGStates.clear();
    m_pen = QPen();
    m_brush = QBrush();
    m_transform = QTransform();
    m_opacity = 1;
    m_clipEnabled = false;
    m_clips.clear();
    startPage();
    return true;
}

bool PdfPaintEngine::end()
{
    finishPage();
    for (const auto &face : m_faces)
        if (face->object)
            writeFont(*face);
    writeTrailer();
    m_data = std::move(m_out);
    m_out = QByteArray();
    m_faces.clear();
    m_faceByRawFont.clear();
    m_faceByKey.clear();
    m_imageByContent.clear();
    m_page = QByteArray();
    return true;
}

bool PdfPaintEngine::newPage()
{
    finishPage();
    startPage();
    return true;
}

int PdfPaintEngine::newObject()
{
    m_offsets.push_back(-1);
    return int(m_offsets.size() - 1);
}

void PdfPaintEngine::beginObject(int object)
{
    m_offsets[size_t(object)] = m_out.size();
    appendInt(m_out, object);
    m_out += " 0 obj\n";
}

void PdfPaintEngine::writeObject(int object, const QByteArray &body)
{
    beginObject(object);
    m_out += body;
    m_out += "\nendobj\n";
}

void PdfPaintEngine::writeStream(int object, const QByteArray &entries, const QByteArray &data)
{
    const QByteArray packed = data.isEmpty() ? data : deflate(data);
    beginObject(object);
    m_out += "<< /Length ";
    appendInt(m_out, packed.size());
    if (!data.isEmpty())
        m_out += " /Filter /FlateDecode";
    m_out += entries;
    m_out += " >>\nstream\n";
    m_out += packed;
    m_out += "\nendstream\nendobj\n";
}

void PdfPaintEngine::startPage()
{
    m_page.clear();
    m_page.reserve(1 << 16);
    // Device dots, y down, to points, y up.
    const double scale = kPointsPerInch / m_document.m_resolution;
    appendMatrix(m_page, QTransform(scale, 0, 0, -scale, 0, m_pageHeight));
    m_page += " cm\n";
    m_gs = GraphicsState();
    m_clipOpen = false;
    m_clipChanged = true;
}

void PdfPaintEngine::finishPage()
{
    closeClip();
    const int contents = newObject();
    writeStream(contents, QByteArray(), m_page);
    const int page = newObject();
    QByteArray body = "<< /Type /Page /Parent " + ref(kPages) + " /MediaBox [0 0 ";
    appendNumber(body, m_pageWidth);
    body += ' ';
    appendNumber(body, m_pageHeight);
    body += "] /Resources " + ref(kResources) + " /Contents " + ref(contents) + " >>";
    writeObject(page, body);
    m_pageObjects.push_back(page);
}

void PdfPaintEngine::updateState(const QPaintEngineState &state)
{
    const DirtyFlags flags = state.state();
    if (flags & DirtyTransform)
        m_transform = state.transform();
    if (flags & DirtyPen)
        m_pen = state.pen();
    if (flags & DirtyBrush)
        m_brush = state.brush();
    if (flags & DirtyOpacity)
        m_opacity = state.opacity();
    if (flags & DirtyClipPath)
        setClip(state.clipOperation(), state.transform().map(state.clipPath()));
    if (flags & DirtyClipRegion) {
        QPainterPath path;
        for (const QRect &r : state.clipRegion())
            path.addRect(r);
        setClip(state.clipOperation(), state.transform().map(path));
    }
    if (flags & DirtyClipEnabled) {
        m_clipEnabled = state.isClipEnabled();
        m_clipChanged = true;
    }
}

void PdfPaintEngine::setClip(Qt::ClipOperation op, const QPainterPath &devicePath)
{
    m_clipChanged = true;
    switch (op) {
    case Qt::NoClip:
        m_clips.clear();
        m_clipEnabled = false;
        break;
    case Qt::ReplaceClip:
        m_clips.assign(1, devicePath);
        m_clipEnabled = true;
        break;
    case Qt::IntersectClip:
        m_clips.push_back(devicePath);
        m_clipEnabled = true;
        break;
    }
}

void PdfPaintEngine::closeClip()
{
    if (!m_clipOpen)
        return;
    m_page += "Q\n";
    m_gs = m_gsBeforeClip;
    m_clipOpen = false;
}

// Opens the clip of the drawings that follow when it changed. False when it leaves nothing
// to draw.
bool PdfPaintEngine::beginDrawing()
{
    if (m_clipChanged) {
        closeClip();
        m_clipChanged = false;
        m_clipAll = false;
        if (m_clipEnabled && !m_clips.empty()) {
            m_clipAll = std::any_of(m_clips.begin(), m_clips.end(), [](const QPainterPath &p) { return p.isEmpty(); });
            if (!m_clipAll) {
                m_gsBeforeClip = m_gs;
                m_page += "q\n";
                for (const QPainterPath &clip : m_clips) {
                    appendClip(m_page, clip);
                    m_page += clip.fillRule() == Qt::OddEvenFill ? "W* n\n" : "W n\n";
                }
                m_clipOpen = true;
            }
        }
    }
    return !m_clipAll;
}

void PdfPaintEngine::setAlpha(double fill, double stroke)
{
    QByteArray key;
    appendNumber(key, std::clamp(fill, 0.0, 1.0));
    key += ' ';
    appendNumber(key, std::clamp(stroke, 0.0, 1.0));
    if (key == m_gs.alpha)
        return;
    QByteArray &name = m_extGStateByAlpha[key];
    if (name.isEmpty()) {
        name = "/GS" + QByteArray::number(m_extGStates.size() + 1);
        const qsizetype blank = key.indexOf(' ');
        m_extGStates.emplace_back(name, "<< /Type /ExtGState /ca " + key.left(blank) + " /CA " + key.mid(blank + 1) + " >>");
    }
    m_page += name + " gs\n";
    m_gs.alpha = key;
}

double PdfPaintEngine::penAlpha() const { return m_pen.color().alphaF() * m_opacity; }
double PdfPaintEngine::brushAlpha() const { return m_brush.color().alphaF() * m_opacity; }
bool PdfPaintEngine::hasFill() const { return m_brush.style() != Qt::NoBrush && brushAlpha() > 0; }
bool PdfPaintEngine::hasStroke() const { return m_pen.style() != Qt::NoPen && penAlpha() > 0; }

void PdfPaintEngine::setFill(const QColor &color)
{
    QByteArray op = colorOperator(color, false);
    if (op != m_gs.fill) {
        m_page += op + '\n';
        m_gs.fill = std::move(op);
    }
}

void PdfPaintEngine::setStroke()
{
    QByteArray color = colorOperator(m_pen.color(), true);
    if (color != m_gs.stroke) {
        m_page += color + '\n';
        m_gs.stroke = std::move(color);
    }
    // Width 0 is Qt's one-dot cosmetic pen.
    const double width = m_pen.widthF() > 0 ? m_pen.widthF() : 1.0;
    if (width != m_gs.width) {
        appendNumber(m_page, width);
        m_page += " w\n";
        m_gs.width = width;
    }
    const int cap = m_pen.capStyle() == Qt::SquareCap ? 2 : m_pen.capStyle() == Qt::RoundCap ? 1 : 0;
    if (cap != m_gs.cap) {
        appendInt(m_page, cap);
        m_page += " J\n";
        m_gs.cap = cap;
    }
    const int join = m_pen.joinStyle() == Qt::RoundJoin ? 1 : m_pen.joinStyle() == Qt::BevelJoin ? 2 : 0;
    if (join != m_gs.join) {
        appendInt(m_page, join);
        m_page += " j\n";
        m_gs.join = join;
    }
    // Qt bevels where the miter tip is farther than limit × width / 2 from the join point:
    // the same ratio as PDF's miter length to line width.
    const double miter = std::max(1.0, m_pen.miterLimit());
    if (join == 0 && miter != m_gs.miter) {
        appendNumber(m_page, miter);
        m_page += " M\n";
        m_gs.miter = miter;
    }
    // Qt's patterns are in pen widths.
    QByteArray dash = "[] 0";
    if (m_pen.style() != Qt::SolidLine) {
        dash = "[";
        const QList<qreal> pattern = m_pen.dashPattern();
        for (qsizetype i = 0; i < pattern.size(); ++i) {
            if (i)
                dash += ' ';
            appendNumber(dash, std::max(pattern[i] * width, 0.001));
        }
        dash += "] ";
        appendNumber(dash, m_pen.dashOffset() * width);
    }
    if (dash != m_gs.dash) {
        m_page += dash + " d\n";
        m_gs.dash = std::move(dash);
    }
}

template<typename Geometry>
void PdfPaintEngine::paint(Geometry &&geometry, bool fill, bool evenOdd, bool stroke)
{
    fill = fill && hasFill();
    stroke = stroke && hasStroke();
    if ((!fill && !stroke) || !beginDrawing())
        return;
    if (fill)
        setFill(m_brush.color());
    if (stroke)
        setStroke();
    setAlpha(fill ? brushAlpha() : 1.0, stroke ? penAlpha() : 1.0);
    // A cosmetic pen keeps its width in device dots whatever the transform: its points are
    // mapped here. Otherwise the transform goes to the content stream and scales the pen
    // too, as in Qt.
    const bool identity = m_transform.isIdentity();
    const bool mapPoints = !identity && stroke && m_pen.isCosmetic();
    const bool wrap = !identity && !mapPoints;
    if (wrap) {
        m_page += "q ";
        appendMatrix(m_page, m_transform);
        m_page += " cm\n";
    }
    geometry(mapPoints ? &m_transform : nullptr);
    if (fill && stroke)
        m_page += evenOdd ? "B*\n" : "B\n";
    else if (fill)
        m_page += evenOdd ? "f*\n" : "f\n";
    else
        m_page += "S\n";
    if (wrap)
        m_page += "Q\n";
}

void PdfPaintEngine::drawRects(const QRectF *rects, int count)
{
    paint(
        [&](const QTransform *map) {
            for (int i = 0; i < count; ++i) {
                const QRectF &r = rects[i];
                if (map) {
                    appendPoint(m_page, r.topLeft(), map);
                    m_page += "m ";
                    appendPoint(m_page, r.topRight(), map);
                    m_page += "l ";
                    appendPoint(m_page, r.bottomRight(), map);
                    m_page += "l ";
                    appendPoint(m_page, r.bottomLeft(), map);
                    m_page += "l h\n";
                    continue;
                }
                appendNumber(m_page, r.x());
                m_page += ' ';
                appendNumber(m_page, r.y());
                m_page += ' ';
                appendNumber(m_page, r.width());
                m_page += ' ';
                appendNumber(m_page, r.height());
                m_page += " re\n";
            }
        },
        true, false, true);
}

void PdfPaintEngine::drawLines(const QLineF *lines, int count)
{
    paint(
        [&](const QTransform *map) {
            for (int i = 0; i < count; ++i) {
                appendPoint(m_page, lines[i].p1(), map);
                m_page += "m ";
                appendPoint(m_page, lines[i].p2(), map);
                m_page += "l\n";
            }
        },
        false, false, true);
}

void PdfPaintEngine::drawPath(const QPainterPath &path)
{
    if (path.isEmpty())
        return;
    paint([&](const QTransform *map) { appendPath(m_page, path, map); }, true, path.fillRule() == Qt::OddEvenFill, true);
}

void PdfPaintEngine::drawPolygon(const QPointF *points, int count, PolygonDrawMode mode)
{
    if (count < 1)
        return;
    const bool polyline = mode == PolylineMode;
    const bool closes = !polyline || (count > 2 && points[0] == points[count - 1]);
    paint(
        [&](const QTransform *map) {
            for (int i = 0; i < count; ++i) {
                appendPoint(m_page, points[i], map);
                m_page += i ? "l\n" : "m\n";
            }
            if (closes)
                m_page += "h\n";
        },
        !polyline, mode == OddEvenMode, true);
}

void PdfPaintEngine::drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source)
{
    if (pixmap.depth() != 1) {
        drawImage(target, pixmap.toImage(), source, Qt::AutoColor);
        return;
    }
    // A bitmap paints its set pixels with the pen and leaves the others alone.
    const QImage bits = pixmap.toImage().convertToFormat(QImage::Format_MonoLSB);
    QImage colored(bits.size(), QImage::Format_ARGB32);
    colored.fill(Qt::transparent);
    const QRgb ink = m_pen.color().rgba();
    for (int y = 0; y < bits.height(); ++y)
        for (int x = 0; x < bits.width(); ++x)
            if (bits.pixelIndex(x, y) == 1)
                colored.setPixel(x, y, ink);
    drawImage(target, colored, source, Qt::AutoColor);
}

void PdfPaintEngine::drawImage(const QRectF &target, const QImage &image, const QRectF &source, Qt::ImageConversionFlags)
{
    if (image.isNull() || target.width() == 0 || target.height() == 0)
        return;
    const QRect part = source.toAlignedRect() & image.rect();
    if (part.isEmpty())
        return;
    if (m_opacity <= 0 || !beginDrawing())
        return;
    const QByteArray name = imageResource(part == image.rect() ? image : image.copy(part));
    setAlpha(m_opacity, m_opacity);
    m_page += "q ";
    if (!m_transform.isIdentity()) {
        appendMatrix(m_page, m_transform);
        m_page += " cm ";
    }
    // The image's first row at the top of the target.
    appendMatrix(m_page, QTransform(target.width(), 0, 0, -target.height(), target.x(), target.y() + target.height()));
    m_page += " cm " + name + " Do Q\n";
}

QByteArray PdfPaintEngine::imageResource(const QImage &image)
{
    const bool alphaChannel = image.hasAlphaChannel();
    const QImage src = image.convertToFormat(alphaChannel ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int w = src.width();
    const int h = src.height();
    QByteArray rgb(qsizetype(w) * h * 3, Qt::Uninitialized);
    QByteArray alpha(alphaChannel ? qsizetype(w) * h : 0, Qt::Uninitialized);
    bool gray = true;
    bool translucent = false;
    char *out = rgb.data();
    char *outAlpha = alpha.data();
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            *out++ = char(qRed(p));
            *out++ = char(qGreen(p));
            *out++ = char(qBlue(p));
            gray = gray && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
            if (alphaChannel) {
                *outAlpha++ = char(qAlpha(p));
                translucent = translucent || qAlpha(p) != 255;
            }
        }
    }
    if (gray) {
        char *pixels = rgb.data();
        for (qsizetype i = 0; i < qsizetype(w) * h; ++i)
            pixels[i] = pixels[i * 3];
        rgb.truncate(qsizetype(w) * h);
    }
    if (!translucent)
        alpha.clear();

    // The same picture on every page is stored once.
    QByteArray key = QByteArray::number(w) + 'x' + QByteArray::number(h) + (gray ? 'g' : 'c') + rgb + alpha;
    const auto known = m_imageByContent.constFind(key);
    if (known != m_imageByContent.constEnd())
        return *known;

    QByteArray size = " /Width " + QByteArray::number(w) + " /Height " + QByteArray::number(h) + " /BitsPerComponent 8";
    QByteArray entries = " /Type /XObject /Subtype /Image" + size + (gray ? " /ColorSpace /DeviceGray" : " /ColorSpace /DeviceRGB");
    if (translucent) {
        const int mask = newObject();
        writeStream(mask, " /Type /XObject /Subtype /Image" + size + " /ColorSpace /DeviceGray", alpha);
        entries += " /SMask " + ref(mask);
    }
    const int object = newObject();
    writeStream(object, entries, rgb);
    const QByteArray name = "/Im" + QByteArray::number(m_images.size() + 1);
    m_images.emplace_back(name, object);
    m_imageByContent.insert(key, name);
    return name;
}

PdfPaintEngine::Face *PdfPaintEngine::faceFor(const QRawFont &raw)
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

const QByteArray &PdfPaintEngine::resourceOf(Face &face)
{
    if (!face.object) {
        face.object = newObject();
        face.resource = "/F" + QByteArray::number(++m_fontCount);
    }
    return face.resource;
}

// Marks the glyphs drawn for `text` (one per code point) and remembers the character of
// each for the ToUnicode map. With `only`, glyphs outside it are left alone.
void PdfPaintEngine::recordCharacters(Face &face, const QString &text, const QList<quint32> &glyphs, const QSet<quint32> *only)
{
    qsizetype k = 0;
    for (qsizetype i = 0; i < text.size() && k < glyphs.size(); ++i, ++k) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const quint32 g = glyphs[k];
        if (g >= face.unicode.size() || (only && !only->contains(g)))
            continue;
        face.used[g] = 1;
        if (g != 0 && face.unicode[g] == 0)
            face.unicode[g] = c;
    }
}

void PdfPaintEngine::drawTextItem(const QPointF &p, const QTextItem &textItem)
{
    const QString text = textItem.text();
    if (text.isEmpty() || !hasStroke() || !beginDrawing())
        return;
    const QFont font = textItem.font();
    const int stretch = font.stretch();
    const double hscale = stretch > 0 && stretch != 100 ? stretch / 100.0 : 1.0;
    if (drawPlainText(p, textItem, text, font, hscale) || drawLaidOutText(p, textItem, text, font, hscale))
        return;
    // Not a TrueType font: its outlines, as Qt draws them.
    QPaintEngine::drawTextItem(p, textItem);
}

// Writes glyphs whose pen positions along the baseline, in dots from the first one, are
// `x`. The /W widths advance from one to the next; Qt's advances are those widths cut to
// 1/64 dot (and at a pixel size Qt may have rounded), so wherever the two drift apart by
// more than a tenth of a dot a correction puts the glyph back where Qt has it.
void PdfPaintEngine::appendGlyphs(const Face &face, const quint32 *glyphs, const double *x, qsizetype count, double size, double hscale)
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
        m_page += '[' + shown + "] TJ";
    else
        m_page += shown + " Tj";
}

// Text as our forms draw it: one font, glyphs straight from the cmap, each advancing by its
// own width.
bool PdfPaintEngine::drawPlainText(const QPointF &p, const QTextItem &ti, const QString &text, const QFont &font, double hscale)
{
    if (ti.renderFlags() & QTextItem::RightToLeft)
        return false;
    const QRawFont raw = QRawFont::fromFont(font);
    Face *face = raw.isValid() ? faceFor(raw) : nullptr;
    const double size = raw.isValid() ? raw.pixelSize() : 0;
    if (!face || !face->program.isValid() || size <= 0)
        return false;
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    // Qt drew missing characters from another font.
    if (glyphs.contains(0u) && !(font.styleStrategy() & QFont::NoFontMerging))
        return false;
    // The advances Qt laid the text out with, unless it kerned or spaced the letters.
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    std::vector<double> x(size_t(glyphs.size()));
    double end = 0;
    for (qsizetype i = 0; i < glyphs.size() && i < advances.size(); ++i) {
        x[size_t(i)] = end;
        end += advances[i].x();
    }
    if (advances.size() != glyphs.size() || std::abs(end - ti.width()) > 0.01)
        return false;

    recordCharacters(*face, text, glyphs);
    setFill(m_pen.color());
    setAlpha(penAlpha(), 1.0);
    m_page += "BT " + resourceOf(*face) + ' ';
    appendNumber(m_page, size);
    m_page += " Tf ";
    appendMatrix(m_page, QTransform(hscale, 0, 0, -1, p.x(), p.y()) * m_transform);
    m_page += " Tm ";
    appendGlyphs(*face, glyphs.constData(), x.data(), glyphs.size(), size, hscale);
    m_page += " ET\n";
    return true;
}

// Anything else (kerning, letter spacing, fallback fonts, right to left): laid out again by
// Qt, each glyph placed where the layout puts it.
bool PdfPaintEngine::drawLaidOutText(const QPointF &p, const QTextItem &ti, const QString &text, const QFont &font, double hscale)
{
    QTextLayout layout(text, font, paintDevice());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(ti.renderFlags() & QTextItem::RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(std::max(ti.width(), 1.0) * 2 + 100);
    layout.endLayout();
    if (!line.isValid())
        return false;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    std::vector<Face *> faces;
    for (const QGlyphRun &run : runs) {
        Face *face = faceFor(run.rawFont());
        if (!face->program.isValid() || run.rawFont().pixelSize() <= 0)
            return false;
        faces.push_back(face);
    }

    setFill(m_pen.color());
    setAlpha(penAlpha(), 1.0);
    const double baseline = line.ascent();
    for (qsizetype r = 0; r < runs.size(); ++r) {
        Face &face = *faces[size_t(r)];
        const QRawFont raw = runs[r].rawFont();
        const double size = raw.pixelSize();
        const QList<quint32> glyphs = runs[r].glyphIndexes();
        const QList<QPointF> positions = runs[r].positions();
        const qsizetype count = std::min(glyphs.size(), positions.size());
        const QSet<quint32> shown(glyphs.begin(), glyphs.end());
        recordCharacters(face, text, raw.glyphIndexesForString(text), &shown);
        for (const quint32 g : glyphs)
            if (g < face.used.size())
                face.used[g] = 1;

        m_page += "BT " + resourceOf(face) + ' ';
        appendNumber(m_page, size);
        m_page += " Tf\n";
        // One piece per stretch of glyphs on the same baseline.
        std::vector<double> x;
        for (qsizetype i = 0; i < count;) {
            qsizetype j = i + 1;
            while (j < count && positions[j].y() == positions[i].y())
                ++j;
            x.clear();
            for (qsizetype k = i; k < j; ++k)
                x.push_back(positions[k].x() - positions[i].x());
            appendMatrix(m_page, QTransform(hscale, 0, 0, -1, p.x() + positions[i].x(), p.y() + positions[i].y() - baseline) * m_transform);
            m_page += " Tm ";
            appendGlyphs(face, glyphs.constData() + i, x.data(), j - i, size, hscale);
            m_page += '\n';
            i = j;
        }
        m_page += "ET\n";
    }
    return true;
}

void PdfPaintEngine::writeFont(const Face &face)
{
    const PdfFontProgram &program = face.program;
    std::vector<quint32> glyphs;
    for (size_t g = 0; g < face.used.size(); ++g)
        if (face.used[g])
            glyphs.push_back(quint32(g));
    const QByteArray baseFont = '/' + subsetTag(face.name, glyphs) + '+' + face.name;
    const double toThousandths = 1000.0 / program.unitsPerEm();

    const QByteArray fontProgram = program.subset(glyphs);
    const int fontFile = newObject();
    writeStream(fontFile, " /Length1 " + QByteArray::number(fontProgram.size()), fontProgram);

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
    const int descriptorObject = newObject();
    writeObject(descriptorObject, descriptor);

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
    const int cidFont = newObject();
    writeObject(cidFont, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + baseFont
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
    const int toUnicode = newObject();
    writeStream(toUnicode, QByteArray(), cmap);

    writeObject(face.object, "<< /Type /Font /Subtype /Type0 /BaseFont " + baseFont + " /Encoding /Identity-H /DescendantFonts ["
                                 + ref(cidFont) + "] /ToUnicode " + ref(toUnicode) + " >>");
}

void PdfPaintEngine::writeTrailer()
{
    QByteArray resources = "<< /ProcSet [/PDF /Text /ImageB /ImageC]";
    if (m_fontCount) {
        resources += " /Font <<";
        for (const auto &face : m_faces)
            if (face->object)
                resources += ' ' + face->resource + ' ' + ref(face->object);
        resources += " >>";
    }
    if (!m_images.empty()) {
        resources += " /XObject <<";
        for (const auto &[name, object] : m_images)
            resources += ' ' + name + ' ' + ref(object);
        resources += " >>";
    }
    if (!m_extGStates.empty()) {
        resources += " /ExtGState <<";
        for (const auto &[name, dict] : m_extGStates)
            resources += ' ' + name + ' ' + dict;
        resources += " >>";
    }
    resources += " >>";
    writeObject(kResources, resources);

    QByteArray kids;
    for (const int page : m_pageObjects)
        kids += (kids.isEmpty() ? "" : " ") + ref(page);
    writeObject(kPages, "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(m_pageObjects.size()) + " >>");
    writeObject(kCatalog, "<< /Type /Catalog /Pages " + ref(kPages) + " >>");

    QByteArray info = "<<";
    if (!m_document.m_title.isEmpty())
        info += " /Title " + textString(m_document.m_title);
    if (!m_document.m_creator.isEmpty())
        info += " /Creator " + textString(m_document.m_creator);
    if (m_document.m_creationDate.isValid())
        info += " /CreationDate (" + pdfDate(m_document.m_creationDate) + ')';
    info += " >>";
    writeObject(kInfo, info);

    const qint64 xref = m_out.size();
    m_out += "xref\n0 ";
    appendInt(m_out, qint64(m_offsets.size()));
    m_out += "\n0000000000 65535 f \n";
    for (size_t i = 1; i < m_offsets.size(); ++i) {
        Q_ASSERT(m_offsets[i] >= 0);
        m_out += QByteArray::number(std::max<qint64>(m_offsets[i], 0)).rightJustified(10, '0') + " 00000 n \n";
    }
    m_out += "trailer\n<< /Size ";
    appendInt(m_out, qint64(m_offsets.size()));
    m_out += " /Root " + ref(kCatalog) + " /Info " + ref(kInfo) + " >>\nstartxref\n";
    appendInt(m_out, xref);
    m_out += "\n%%EOF\n";
}

PdfDocument::PdfDocument(const QPageSize &pageSize, int resolution)
    : m_pageSize(pageSize.isValid() ? pageSize : QPageSize(QPageSize::A4)),
      m_resolution(std::clamp(resolution, 1, 100000)),
      m_engine(std::make_unique<PdfPaintEngine>(*this))
{
}

PdfDocument::~PdfDocument() = default;

void PdfDocument::setTitle(const QString &title) { m_title = title; }
void PdfDocument::setCreator(const QString &creator) { m_creator = creator; }
void PdfDocument::setCreationDate(const QDateTime &when) { m_creationDate = when; }

bool PdfDocument::newPage() { return m_engine->isActive() && m_engine->newPage(); }

QByteArray PdfDocument::data() const { return m_engine->isActive() ? QByteArray() : m_engine->data(); }

QPaintEngine *PdfDocument::paintEngine() const { return m_engine.get(); }

int PdfDocument::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return qRound(pagePoints(m_pageSize).width() * m_resolution / kPointsPerInch);
    case PdmHeight:
        return qRound(pagePoints(m_pageSize).height() * m_resolution / kPointsPerInch);
    case PdmWidthMM:
        return qRound(m_pageSize.size(QPageSize::Millimeter).width());
    case PdmHeightMM:
        return qRound(m_pageSize.size(QPageSize::Millimeter).height());
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return m_resolution;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

} // namespace printing
