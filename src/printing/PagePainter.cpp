#include "printing/PagePainter.h"

#include "printing/TextMeasurer.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>

namespace printing {

PagePainter::PagePainter(QPainter &painter, double dotsPerMmX, double dotsPerMmY)
    : m_painter(painter), m_sx(dotsPerMmX), m_sy(dotsPerMmY)
{
}

QPointF PagePainter::toDevice(QPointF mm) const { return QPointF(mm.x() * m_sx, mm.y() * m_sy); }

QRectF PagePainter::toDevice(const QRectF &mm) const
{
    return QRectF(toDevice(mm.topLeft()), toDevice(mm.bottomRight()));
}

double PagePainter::penWidth(double mm) const { return mm * (m_sx + m_sy) / 2.0; }

void PagePainter::draw(const PageContent &page)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const DrawOp &op : page.ops)
        std::visit([this](const auto &o) { draw(o); }, op);
    m_painter.restore();
}

void PagePainter::draw(const FillOp &op) { m_painter.fillRect(toDevice(op.rect), op.color); }

void PagePainter::draw(const StrokeRectOp &op)
{
    QPen pen(Qt::black, penWidth(op.penMm), op.dotted ? Qt::DotLine : Qt::SolidLine, Qt::SquareCap,
             Qt::MiterJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(toDevice(op.rect));
}

void PagePainter::draw(const LineOp &op)
{
    QPen pen(Qt::black, penWidth(op.penMm), op.dotted ? Qt::DotLine : Qt::SolidLine, Qt::FlatCap);
    m_painter.setPen(pen);
    m_painter.drawLine(QLineF(toDevice(op.line.p1()), toDevice(op.line.p2())));
}

const PagePainter::DeviceFont &PagePainter::deviceFont(const FontSpec &layoutFont)
{
    const auto key = std::make_tuple(layoutFont.face, layoutFont.pointSize, layoutFont.bold);
    auto it = m_fonts.find(key);
    if (it == m_fonts.end()) {
        const QFont font = FontMeasurer::qfont(layoutFont);
        it = m_fonts.emplace(key, DeviceFont{font, QFontMetricsF(font, m_painter.device()).ascent()}).first;
    }
    return it->second;
}

void PagePainter::draw(const TextLineOp &op)
{
    const DeviceFont &font = deviceFont(op.font);
    m_painter.setFont(font.font);
    m_painter.setPen(op.font.grey ? QColor(Qt::gray) : QColor(Qt::black));
    if (!op.clip.isEmpty()) {
        m_painter.save();
        m_painter.setClipRect(toDevice(op.clip));
    }
    const QPointF topLeft = toDevice(op.rect.topLeft());
    m_painter.drawText(QPointF(topLeft.x(), topLeft.y() + font.ascent), op.text);
    if (!op.clip.isEmpty())
        m_painter.restore();
}

void PagePainter::draw(const ImageOp &op)
{
    const QImage image(op.resource);
    if (!image.isNull())
        m_painter.drawImage(toDevice(op.rect), image);
}

} // namespace printing
