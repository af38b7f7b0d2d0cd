#pragma once

#include "printing/LayoutModel.h"

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QStringList>

#include <variant>

namespace printing {

class TextMeasurer;

// What a page is made of once laid out: drawing operations in millimetres from the
// paper's top-left corner, in drawing order.
struct FillOp {
    QRectF rect;
    QColor color;
};
struct StrokeRectOp {
    QRectF rect;
    double penMm = 0.0;
    bool dotted = false;
};
struct LineOp {
    QLineF line;
    double penMm = 0.0;
    bool dotted = false;
};
// One printed line of a label. rect is the line's box: its left edge where the text
// starts, its top the top of the line, its width the text's width.
struct TextLineOp {
    QRectF rect;
    QString text;
    FontSpec font;
    QRectF clip;       // a label that does not wrap is cut at its box; empty: no cut
    int tag = 0;       // the label's Tag and name, so a page can be inspected
    QString label;
};
struct ImageOp {
    QRectF rect;
    QString resource;
};
using DrawOp = std::variant<FillOp, StrokeRectOp, LineOp, TextLineOp, ImageOp>;

struct PlacedBand {
    int index = 0;     // in the layout's band list
    double top = 0.0;  // on the page, mm
};

struct PageContent {
    QList<PlacedBand> bands;
    QList<DrawOp> ops;

    // The printed lines of every label with that Tag (or name), in drawing order.
    QList<TextLineOp> linesOf(int tag) const;
    QList<TextLineOp> linesOf(const QString &labelName) const;
    QStringList texts() const;
};

// Line weights of the report layer.
inline constexpr double kThinPenMm = 25.4 / 96.0;   // pen width 1
inline constexpr double kPointMm = 25.4 / 72.0;     // bottom rules and shape frames

// Lays a layout out in pages: bands stacked from the top margin, a band that does not
// fit above the bottom margin starting a new page, the page elements on every page.
// The labels' before-print hooks run here, as the page is produced.
class LayoutEngine {
public:
    explicit LayoutEngine(const TextMeasurer &measurer) : m_measurer(measurer) {}

    QList<PageContent> paginate(const Layout &layout) const;

    // The lines of a label's text in a box of that width: a carriage return starts a
    // new line, line feeds are ignored, lines break at blanks, and a word wider than
    // the box is split at the box edge.
    QStringList wrap(const QString &text, double width, const FontSpec &font) const;

    // The printed lines of one label whose box corner (band corner + position) is at
    // origin; none for a disabled or empty label.
    QList<TextLineOp> labelLines(const TextLabel &label, QPointF origin, double bandWidth) const;

private:
    void addElement(PageContent &page, const Element &element, QPointF origin, double bandWidth) const;
    int fittingPrefix(const QString &text, double width, const FontSpec &font) const;

    const TextMeasurer &m_measurer;
};

} // namespace printing
