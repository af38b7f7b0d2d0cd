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

// How much of a label's text the paper shows, in characters of the text as printed with
// its line feeds and carriage returns taken out and its trailing blanks not counted
// (see fitLength).
struct TextFit {
    int shown = 0;   // characters before the first one that does not print
    int total = 0;
    bool whole() const { return shown >= total; }
};

// The characters of a text that TextFit counts: line feeds, carriage returns and the
// trailing blanks left out.
int fitLength(const QString &text);

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

    // Whether labelLines() prints all of a label's text (after its before-print hook),
    // and if not, how much of it. A wrapping label loses the lines below its box: shown
    // is where the first of them starts, when any of them has ink. A label that does not
    // wrap also loses what runs past its box's edges: on the first line that does, shown
    // counts the lines before it plus the characters of it that print whole (for a
    // left-aligned line its fitting prefix; for a right-aligned or centred one, whose
    // start the box cuts too, those between the edges). A disabled, empty or auto-size
    // label is whole.
    TextFit fit(const TextLabel &label, double bandWidth) const;

private:
    // One line as laid out, with where it starts in the text without line feeds and
    // carriage returns.
    struct Line {
        QString text;
        int start = 0;
    };
    // The lines of a text: one per paragraph (carriage return), each broken to the
    // width when wordWrap is set.
    QList<Line> breakLines(const QString &text, double width, const FontSpec &font, bool wordWrap) const;
    // The characters of a line of a non-wrapping label that print whole between its
    // box's edges, or -1 when all of its ink prints.
    int printedInBox(const QString &line, double boxWidth, const FontSpec &font, Align align) const;
    void addElement(PageContent &page, const Element &element, QPointF origin, double bandWidth) const;
    int fittingPrefix(const QString &text, double width, const FontSpec &font) const;

    const TextMeasurer &m_measurer;
};

} // namespace printing
