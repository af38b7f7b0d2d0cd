#include "printing/LayoutEngine.h"

#include "printing/TextMeasurer.h"

#include <algorithm>

namespace printing {

namespace {

constexpr double kEpsilon = 1e-6;

QString trimmedRight(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == QLatin1Char(' '))
        --n;
    return s.left(n);
}

QString trimmedLeft(const QString &s)
{
    qsizetype n = 0;
    while (n < s.size() && s.at(n) == QLatin1Char(' '))
        ++n;
    return s.mid(n);
}

double penMm(int penWidth) { return kThinPenMm * std::max(1, penWidth); }

} // namespace

int fitLength(const QString &text)
{
    QString plain = text;
    plain.remove(QLatin1Char('\n'));
    plain.remove(QLatin1Char('\r'));
    return int(trimmedRight(plain).size());
}

QList<TextLineOp> PageContent::linesOf(int tag) const
{
    QList<TextLineOp> result;
    for (const DrawOp &op : ops)
        if (const auto *t = std::get_if<TextLineOp>(&op); t && t->tag == tag)
            result.append(*t);
    return result;
}

QList<TextLineOp> PageContent::linesOf(const QString &labelName) const
{
    QList<TextLineOp> result;
    for (const DrawOp &op : ops)
        if (const auto *t = std::get_if<TextLineOp>(&op); t && t->label == labelName)
            result.append(*t);
    return result;
}

QStringList PageContent::texts() const
{
    QStringList result;
    for (const DrawOp &op : ops)
        if (const auto *t = std::get_if<TextLineOp>(&op))
            result.append(t->text);
    return result;
}

int LayoutEngine::fittingPrefix(const QString &text, double width, const FontSpec &font) const
{
    // The longest prefix whose inked part fits; widths grow with the prefix.
    int low = 0;
    int high = int(text.size());
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (m_measurer.width(font, trimmedRight(text.left(mid))) <= width + kEpsilon)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

QList<LayoutEngine::Line> LayoutEngine::breakLines(const QString &text, double width, const FontSpec &font,
                                                   bool wordWrap) const
{
    QList<Line> lines;
    QString plain = text;
    plain.remove(QLatin1Char('\n'));
    int paragraphStart = 0;
    for (const QString &paragraph : plain.split(QLatin1Char('\r'))) {
        if (!wordWrap || paragraph.isEmpty())
            lines.append(Line{paragraph, paragraphStart});
        int pos = 0;
        while (wordWrap && pos < paragraph.size()) {
            const QString rest = paragraph.mid(pos);
            const int fit = fittingPrefix(rest, width, font);
            if (fit == rest.size()) {
                lines.append(Line{rest, paragraphStart + pos});
                break;
            }
            // Break at the last blank that keeps the line inside the box, unless the
            // line would hold nothing but blanks; otherwise split the word at the edge.
            qsizetype cut = -1;
            for (qsizetype i = fit; i > 0; --i) {
                if (rest.at(i) == QLatin1Char(' ') && !trimmedRight(rest.left(i)).isEmpty()) {
                    cut = i;
                    break;
                }
            }
            if (cut > 0) {
                lines.append(Line{trimmedRight(rest.left(cut)), paragraphStart + pos});
                // The blanks at the break print nowhere.
                pos += int(cut);
                while (pos < paragraph.size() && paragraph.at(pos) == QLatin1Char(' '))
                    ++pos;
            } else {
                const int take = std::max(1, fit);
                lines.append(Line{rest.left(take), paragraphStart + pos});
                pos += take;
            }
        }
        paragraphStart += int(paragraph.size());
    }
    return lines;
}

QStringList LayoutEngine::wrap(const QString &text, double width, const FontSpec &font) const
{
    QStringList lines;
    for (const Line &line : breakLines(text, width, font, true))
        lines.append(line.text);
    return lines;
}

QList<TextLineOp> LayoutEngine::labelLines(const TextLabel &label, QPointF origin, double bandWidth) const
{
    QList<TextLineOp> result;
    if (!label.enabled)
        return result;
    const QString text = label.beforePrint ? label.beforePrint(label.text) : label.text;
    if (text.isEmpty())
        return result;

    const double lineHeight = m_measurer.lineHeight(label.font);
    auto makeLine = [&](const QString &line, double left, double top, const QRectF &clip) {
        TextLineOp op;
        op.rect = QRectF(left, top, m_measurer.width(label.font, line), lineHeight);
        op.text = line;
        op.font = label.font;
        op.clip = clip;
        op.tag = label.tag;
        op.label = label.name;
        return op;
    };

    if (label.autoSize) {
        QString line = text;
        line.remove(QLatin1Char('\n'));
        line.remove(QLatin1Char('\r'));
        const double w = m_measurer.width(label.font, line);
        double left = label.box.left();
        if (label.centerOnBand)
            left = (bandWidth - w) / 2.0;
        else if (label.align == Align::Right)
            left = label.box.left() + label.box.width() - w;
        else if (label.align == Align::Center)
            left = label.box.left() + (label.box.width() - w) / 2.0;
        result.append(makeLine(line, origin.x() + left, origin.y() + label.box.top(), QRectF()));
        return result;
    }

    QRectF box = label.box;
    if (label.centerOnBand)
        box.moveLeft((bandWidth - box.width()) / 2.0);
    box.translate(origin);
    const QList<Line> lines = breakLines(text, box.width(), label.font, label.wordWrap);
    const QRectF clip = label.wordWrap ? QRectF() : box;
    const int fitting = int((box.height() + kEpsilon) / lineHeight);
    for (int i = 0; i < std::min<int>(fitting, int(lines.size())); ++i) {
        const QString &line = lines.at(i).text;
        if (line.isEmpty())
            continue;
        const double w = m_measurer.width(label.font, line);
        double left = box.left();
        if (label.align == Align::Right)
            left = box.right() - w;
        else if (label.align == Align::Center)
            left = box.left() + (box.width() - w) / 2.0;
        result.append(makeLine(line, left, box.top() + i * lineHeight, clip));
    }
    return result;
}

int LayoutEngine::printedInBox(const QString &line, double boxWidth, const FontSpec &font, Align align) const
{
    // Where labelLines() puts the line, from the box's left edge; the box clips it.
    const double w = m_measurer.width(font, line);
    double left = 0.0;
    if (align == Align::Right)
        left = boxWidth - w;
    else if (align == Align::Center)
        left = (boxWidth - w) / 2.0;
    const int inkEnd = int(trimmedRight(line).size());
    if (inkEnd == 0)
        return -1;
    const int inkStart = int(line.size() - trimmedLeft(line).size());
    auto startsAt = [&](int i) { return left + m_measurer.width(font, line.left(i)); };
    const bool cutRight = startsAt(inkEnd) > boxWidth + kEpsilon;
    const bool cutLeft = startsAt(inkStart) < -kEpsilon;
    if (!cutRight && !cutLeft)
        return -1;
    // The first character that starts inside the box; positions grow along the line.
    int low = 0;
    int high = int(line.size());
    while (low < high) {
        const int mid = (low + high) / 2;
        if (startsAt(mid) >= -kEpsilon)
            high = mid;
        else
            low = mid + 1;
    }
    const int first = low;
    // The last one that ends inside it, as fittingPrefix measures a left-aligned line;
    // blanks after the ink print nothing.
    const int end = std::min(inkEnd, fittingPrefix(line, boxWidth - left, font));
    return std::max(0, end - first);
}

TextFit LayoutEngine::fit(const TextLabel &label, double bandWidth) const
{
    // The same text and the same lines as labelLines(), counted instead of placed.
    Q_UNUSED(bandWidth);   // moves a centred box, never resizes it
    const QString text = label.enabled && label.beforePrint ? label.beforePrint(label.text) : label.text;
    TextFit result;
    result.total = fitLength(text);
    result.shown = result.total;
    if (!label.enabled || text.isEmpty() || label.autoSize)
        return result;

    const double lineHeight = m_measurer.lineHeight(label.font);
    const int fitting = int((label.box.height() + kEpsilon) / lineHeight);
    const QList<Line> lines = breakLines(text, label.box.width(), label.font, label.wordWrap);
    for (int i = 0; i < lines.size(); ++i) {
        const Line &line = lines.at(i);
        if (i >= fitting) {
            // Blank lines below the box lose nothing; one with ink loses everything
            // from the first hidden line on.
            if (!trimmedRight(line.text).isEmpty()) {
                result.shown = lines.at(fitting).start;
                break;
            }
        } else if (!label.wordWrap) {
            const int printed = printedInBox(line.text, label.box.width(), label.font, label.align);
            if (printed >= 0) {
                result.shown = line.start + printed;
                break;
            }
        }
    }
    result.shown = std::min(result.shown, result.total);
    return result;
}

void LayoutEngine::addElement(PageContent &page, const Element &element, QPointF origin, double bandWidth) const
{
    if (const auto *label = std::get_if<TextLabel>(&element)) {
        for (const TextLineOp &line : labelLines(*label, origin, bandWidth))
            page.ops.append(line);
    } else if (const auto *shape = std::get_if<Shape>(&element)) {
        const QRectF box = shape->box.translated(origin);
        const double pen = penMm(shape->penWidth);
        switch (shape->kind) {
        case ShapeKind::Rectangle:
            if (shape->fill.alpha() > 0)
                page.ops.append(FillOp{box, shape->fill});
            page.ops.append(StrokeRectOp{box, pen, shape->dotted});
            break;
        case ShapeKind::HorizontalLine:
            page.ops.append(LineOp{QLineF(box.left(), box.center().y(), box.right(), box.center().y()), pen,
                                   shape->dotted});
            break;
        case ShapeKind::VerticalLine:
            page.ops.append(LineOp{QLineF(box.center().x(), box.top(), box.center().x(), box.bottom()), pen,
                                   shape->dotted});
            break;
        }
        if (shape->framed)
            page.ops.append(StrokeRectOp{box, kPointMm, false});
    } else if (const auto *image = std::get_if<Image>(&element)) {
        page.ops.append(ImageOp{image->box.translated(origin), image->resource});
    }
}

QList<PageContent> LayoutEngine::paginate(const Layout &layout) const
{
    // The title band prints first, then the section bands in their order.
    QList<int> order;
    for (int i = 0; i < layout.bands.size(); ++i)
        if (layout.bands.at(i).kind == BandKind::Title)
            order.append(i);
    for (int i = 0; i < layout.bands.size(); ++i)
        if (layout.bands.at(i).kind != BandKind::Title)
            order.append(i);

    const double left = layout.margins.left;
    const double bottomLimit = layout.paper.height() - layout.margins.bottom;
    QList<PageContent> pages;
    double y = 0.0;
    for (const int index : order) {
        const Band &band = layout.bands.at(index);
        // A band that does not fit goes to a new page; one taller than a whole page
        // is printed where it is.
        const bool fits = y + band.height <= bottomLimit + kEpsilon;
        if (pages.isEmpty() || (!fits && !pages.last().bands.isEmpty())) {
            pages.append(PageContent());
            y = layout.margins.top;
        }
        PageContent &page = pages.last();
        page.bands.append(PlacedBand{index, y});
        const QRectF rect(left, y, layout.bandWidth, band.height);
        page.ops.append(FillOp{rect, Qt::white});
        for (const Element &element : band.elements)
            addElement(page, element, rect.topLeft(), layout.bandWidth);
        if (band.bottomRule)
            page.ops.append(LineOp{QLineF(rect.bottomLeft(), rect.bottomRight()), kPointMm, false});
        y += band.height;
    }
    for (PageContent &page : pages)
        for (const Element &element : layout.pageElements)
            addElement(page, element, QPointF(0.0, 0.0), layout.bandWidth);
    return pages;
}

} // namespace printing
