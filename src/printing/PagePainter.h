#pragma once

#include "printing/LayoutEngine.h"

#include <QFont>

#include <map>
#include <tuple>

class QPainter;

namespace printing {

// Draws laid-out pages with a QPainter on any paged device (a printer, a PDF writer)
// or an image, placing millimetres by the device's resolution from the paper's corner.
class PagePainter {
public:
    // dotsPerMmX/Y: device units per millimetre.
    PagePainter(QPainter &painter, double dotsPerMmX, double dotsPerMmY);

    void draw(const PageContent &page);

private:
    QPointF toDevice(QPointF mm) const;
    QRectF toDevice(const QRectF &mm) const;
    double penWidth(double mm) const;
    void draw(const FillOp &op);
    void draw(const StrokeRectOp &op);
    void draw(const LineOp &op);
    void draw(const TextLineOp &op);
    void draw(const ImageOp &op);

    struct DeviceFont {
        QFont font;
        double ascent;   // in device units
    };
    const DeviceFont &deviceFont(const FontSpec &layoutFont);

    QPainter &m_painter;
    double m_sx;
    double m_sy;
    std::map<std::tuple<QString, double, bool>, DeviceFont> m_fonts;   // by face, size and weight
};

} // namespace printing
