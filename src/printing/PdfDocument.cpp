#include "printing/PdfDocument.h"

#include "printing/PdfFonts.h"
#include "printing/PdfObjectWriter.h"
#include "printing/PdfSyntax.h"

#include <QBitmap>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <cmath>

namespace printing {

using namespace pdf;

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
enum : int { kCatalog = 1, kPages = 2, kResources = 3, kInfo = 4, kFixedObjects = 4 };

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

    bool drawPlainText(const QPointF &p, const QTextItem &ti, const QString &text, const QFont &font, double hscale);
    bool drawLaidOutText(const QPointF &p, const QTextItem &ti, const QString &text, const QFont &font, double hscale);
    QByteArray imageResource(const QImage &image);
    void writeDocumentObjects();

    PdfDocument &m_document;
    PdfObjectWriter m_writer;
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

    PdfFonts m_fonts;
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
    m_writer = PdfObjectWriter(kFixedObjects);
    m_pageObjects.clear();
    m_data.clear();
    m_fonts.clear();
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
    m_fonts.write(m_writer);
    writeDocumentObjects();
    m_data = m_writer.finish(kCatalog, kInfo);
    m_fonts.clear();
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
    const int contents = m_writer.newObject();
    m_writer.writeStream(contents, QByteArray(), m_page);
    const int page = m_writer.newObject();
    QByteArray body = "<< /Type /Page /Parent " + ref(kPages) + " /MediaBox [0 0 ";
    appendNumber(body, m_pageWidth);
    body += ' ';
    appendNumber(body, m_pageHeight);
    body += "] /Resources " + ref(kResources) + " /Contents " + ref(contents) + " >>";
    m_writer.writeObject(page, body);
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
        const int mask = m_writer.newObject();
        m_writer.writeStream(mask, " /Type /XObject /Subtype /Image" + size + " /ColorSpace /DeviceGray", alpha);
        entries += " /SMask " + ref(mask);
    }
    const int object = m_writer.newObject();
    m_writer.writeStream(object, entries, rgb);
    const QByteArray name = "/Im" + QByteArray::number(m_images.size() + 1);
    m_images.emplace_back(name, object);
    m_imageByContent.insert(key, name);
    return name;
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

// Text as our forms draw it: one font, glyphs straight from the cmap, each advancing by its
// own width.
bool PdfPaintEngine::drawPlainText(const QPointF &p, const QTextItem &ti, const QString &text, const QFont &font, double hscale)
{
    if (ti.renderFlags() & QTextItem::RightToLeft)
        return false;
    const QRawFont raw = QRawFont::fromFont(font);
    PdfFonts::Face *face = raw.isValid() ? m_fonts.faceFor(raw) : nullptr;
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

    face->recordCharacters(text, glyphs);
    setFill(m_pen.color());
    setAlpha(penAlpha(), 1.0);
    m_page += "BT " + m_fonts.resourceOf(*face, m_writer) + ' ';
    appendNumber(m_page, size);
    m_page += " Tf ";
    appendMatrix(m_page, QTransform(hscale, 0, 0, -1, p.x(), p.y()) * m_transform);
    m_page += " Tm ";
    appendGlyphs(m_page, *face, glyphs.constData(), x.data(), glyphs.size(), size, hscale);
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
    std::vector<PdfFonts::Face *> faces;
    for (const QGlyphRun &run : runs) {
        PdfFonts::Face *face = m_fonts.faceFor(run.rawFont());
        if (!face->program.isValid() || run.rawFont().pixelSize() <= 0)
            return false;
        faces.push_back(face);
    }

    setFill(m_pen.color());
    setAlpha(penAlpha(), 1.0);
    const double baseline = line.ascent();
    for (qsizetype r = 0; r < runs.size(); ++r) {
        PdfFonts::Face &face = *faces[size_t(r)];
        const QRawFont raw = runs[r].rawFont();
        const double size = raw.pixelSize();
        const QList<quint32> glyphs = runs[r].glyphIndexes();
        const QList<QPointF> positions = runs[r].positions();
        const qsizetype count = std::min(glyphs.size(), positions.size());
        const QSet<quint32> shown(glyphs.begin(), glyphs.end());
        face.recordCharacters(text, raw.glyphIndexesForString(text), &shown);
        for (const quint32 g : glyphs)
            if (g < face.used.size())
                face.used[g] = 1;

        m_page += "BT " + m_fonts.resourceOf(face, m_writer) + ' ';
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
            appendGlyphs(m_page, face, glyphs.constData() + i, x.data(), j - i, size, hscale);
            m_page += '\n';
            i = j;
        }
        m_page += "ET\n";
    }
    return true;
}

// The objects numbered in advance: resources, page tree, catalog and information.
void PdfPaintEngine::writeDocumentObjects()
{
    QByteArray resources = "<< /ProcSet [/PDF /Text /ImageB /ImageC]";
    resources += m_fonts.resourceEntry();
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
    m_writer.writeObject(kResources, resources);

    QByteArray kids;
    for (const int page : m_pageObjects)
        kids += (kids.isEmpty() ? "" : " ") + ref(page);
    m_writer.writeObject(kPages, "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(m_pageObjects.size()) + " >>");
    m_writer.writeObject(kCatalog, "<< /Type /Catalog /Pages " + ref(kPages) + " >>");

    QByteArray info = "<<";
    if (!m_document.m_title.isEmpty())
        info += " /Title " + textString(m_document.m_title);
    if (!m_document.m_creator.isEmpty())
        info += " /Creator " + textString(m_document.m_creator);
    if (m_document.m_creationDate.isValid())
        info += " /CreationDate (" + pdf::date(m_document.m_creationDate) + ')';
    info += " >>";
    m_writer.writeObject(kInfo, info);
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
