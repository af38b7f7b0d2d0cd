#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>

#include <functional>
#include <variant>

namespace printing {

// A font as a layout names it: the Windows face name, the size in points.
struct FontSpec {
    QString face;
    double pointSize = 8.0;
    bool bold = false;
    bool grey = false;   // grey instead of black ink
};

enum class Align { Left, Center, Right };

// A text label of a layout. Positions are millimetres from the band's top-left corner
// (from the paper's corner for page elements).
struct TextLabel {
    QString name;        // the layout's own name for it, when it has one
    QRectF box;          // an auto-size label's width is its design width
    QString text;
    FontSpec font;
    Align align = Align::Left;
    bool autoSize = false;
    bool wordWrap = true;
    bool centerOnBand = false;
    bool enabled = true;
    int tag = 0;         // > 0: a data label, filled from the editor control with that Tag
    // Runs as the label is drawn: gets the text about to print, returns the text to
    // print this time only.
    std::function<QString(const QString &)> beforePrint;
};

enum class ShapeKind { Rectangle, HorizontalLine, VerticalLine };

struct Shape {
    ShapeKind kind = ShapeKind::Rectangle;
    QRectF box;
    int penWidth = 1;    // printer dots: 1 thin, 2 heavy
    bool dotted = false;
    QColor fill = Qt::white;
    bool framed = false; // an extra one-point frame round the box
    int tag = 0;
};

struct Image {
    QRectF box;
    QString resource;    // Qt resource path of the bitmap
};

using Element = std::variant<TextLabel, Shape, Image>;

enum class BandKind { Title, Section };

struct Band {
    BandKind kind = BandKind::Section;
    double height = 0.0;
    bool bottomRule = false;
    QList<Element> elements;
};

// The unit in which a layout takes its run-time geometry (the page margins).
enum class LayoutUnit { Millimetres, TenthsOfMillimetre };

// Whole numbers as Forms.ini stores them, in a layout's unit or the dialog's millimetres.
struct MarginValues {
    int top = 0;
    int bottom = 0;
    int left = 0;
    int right = 0;
    friend bool operator==(const MarginValues &, const MarginValues &) = default;
};

// Page margins in millimetres.
struct PageMargins {
    double top = 0.0;
    double bottom = 0.0;
    double left = 0.0;
    double right = 0.0;
};

// One printed page kind (TRl_<Name>): an A4 page of bands and page elements.
struct Layout {
    QString name;
    QString reportTitle;        // the print job's title
    LayoutUnit unit = LayoutUnit::Millimetres;
    MarginValues marginDefaults; // in the layout's unit
    int copies = 1;             // the form type's usual copies preset
    double bandWidth = 0.0;
    QSizeF paper{210.0, 297.0};
    QList<Band> bands;
    QList<Element> pageElements; // drawn on every page, from the paper's corner
    PageMargins margins;         // set when the layout is created (Forms.ini)

    // The first label with that name, or nullptr.
    TextLabel *label(const QString &labelName);
    // Every element of the layout in fill order: band by band, then the page elements.
    void forEachElement(const std::function<void(Element &)> &fn);
};

} // namespace printing
