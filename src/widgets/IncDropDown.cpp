#include "widgets/IncDropDown.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <qdrawutil.h>

namespace widgets {

TIncDropDown::TIncDropDown(QWidget *owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint), m_owner(owner)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    m_scrollBar->hide();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &TIncDropDown::SetTopRow);
    m_scrollTimer.setInterval(250);
    connect(&m_scrollTimer, &QTimer::timeout, this, &TIncDropDown::autoScroll);
}

void TIncDropDown::SetLook(const Look &look)
{
    m_look = look;
    m_scrollBar->setTracking(look.thumbTracking);
    update();
}

void TIncDropDown::SetGridLayout(const DropDownLayout &layout)
{
    m_layout = layout;
    resize(layout.size);
    updateScrollBar();
    SetTopRow(m_top);
    SetCurrentRow(m_current);
    update();
}

bool TIncDropDown::ScrollBarShown() const { return !m_scrollBar->isHidden(); }

void TIncDropDown::SetCurrentRow(int row)
{
    const int count = RowCount();
    m_current = (row >= 0 && row < count) ? row : -1;
    if (m_current >= 0 && m_layout.visibleRows > 0) {
        if (m_current < m_top)
            SetTopRow(m_current);
        else if (m_current >= m_top + m_layout.visibleRows)
            SetTopRow(m_current - m_layout.visibleRows + 1);
    }
    update();
}

void TIncDropDown::SetTopRow(int row)
{
    const int last = std::max(0, RowCount() - m_layout.visibleRows);
    m_top = std::clamp(row, 0, last);
    if (m_scrollBar->value() != m_top) {
        const QSignalBlocker block(m_scrollBar);
        m_scrollBar->setValue(m_top);
    }
    update();
}

QRect TIncDropDown::cellsRect() const
{
    QRect inner = rect().adjusted(kDropDownBorder, kDropDownBorder, -kDropDownBorder, -kDropDownBorder);
    if (ScrollBarShown())
        inner.setRight(inner.right() - m_scrollBar->width());
    return inner;
}

int TIncDropDown::RowAt(const QPoint &pos) const
{
    QRect rows = cellsRect();
    if (m_look.titles)
        rows.setTop(rows.top() + m_layout.titleHeight + 1);
    if (!rows.contains(pos) || rowPitch() <= 0)
        return -1;
    const int row = m_top + (pos.y() - rows.top()) / rowPitch();
    return row < std::min(RowCount(), m_top + m_layout.visibleRows) ? row : -1;
}

QRect TIncDropDown::RowRect(int row) const
{
    if (row < m_top || row >= m_top + m_layout.visibleRows || row >= RowCount())
        return {};
    const QRect cells = cellsRect();
    const int top = cells.top() + (m_look.titles ? m_layout.titleHeight + 1 : 0);
    return QRect(cells.left(), top + (row - m_top) * rowPitch(), cells.width(), m_layout.rowHeight);
}

void TIncDropDown::Popup(const QRect &geometry, bool topmost)
{
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != topmost)
        setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    setGeometry(geometry);
    SetTopRow(centredTopRow(m_current, RowCount(), m_layout.visibleRows));
    show();
    raise();
}

void TIncDropDown::updateScrollBar()
{
    const int count = RowCount();
    if (!m_layout.scrollBar) {
        m_scrollBar->hide();
        return;
    }
    const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const QRect inner = rect().adjusted(kDropDownBorder, kDropDownBorder, -kDropDownBorder, -kDropDownBorder);
    m_scrollBar->setGeometry(inner.right() + 1 - width, inner.top(), width, inner.height());
    const QSignalBlocker block(m_scrollBar);
    m_scrollBar->setRange(0, std::max(0, count - m_layout.visibleRows));
    m_scrollBar->setPageStep(std::max(1, m_layout.visibleRows));
    m_scrollBar->setSingleStep(1);
    m_scrollBar->setValue(m_top);
    m_scrollBar->show();
}

bool TIncDropDown::OnOwnerButton(const QPoint &) const { return false; }

bool TIncDropDown::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
        // The combo keeps the keyboard while its list is open.
        if (m_owner)
            QCoreApplication::sendEvent(m_owner, e);
        return true;
    default:
        return QWidget::event(e);
    }
}

void TIncDropDown::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    updateScrollBar();
}

void TIncDropDown::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_look.ctl3D) {
        qDrawWinPanel(&p, rect(), palette(), true);
    } else {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(m_look.color);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
    p.fillRect(cellsRect(), m_look.color);
    if (m_look.titles)
        drawTitles(p);
    drawRows(p);
}

void TIncDropDown::drawTitles(QPainter &p) const
{
    const QRect cells = cellsRect();
    p.setFont(m_look.titleFont);
    int x = cells.left();
    for (int c = 0; c < ColumnCount(); ++c) {
        const int w = m_layout.colWidths.at(c) + (c + 1 < ColumnCount() ? m_layout.lineWidth : 0);
        const QRect r(x, cells.top(), w, m_layout.titleHeight);
        p.fillRect(r, m_look.titleColor);
        qDrawShadePanel(&p, r, palette(), false, 1);
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(r.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   TitleText(c));
        x += w;
    }
}

void TIncDropDown::drawRows(QPainter &p) const
{
    const QRect cells = cellsRect();
    const QColor lineColor = palette().color(QPalette::Mid);
    p.setFont(m_look.font);
    p.save();
    p.setClipRect(cells);
    const int last = std::min(RowCount(), m_top + m_layout.visibleRows);
    for (int row = m_top; row < last; ++row) {
        const QRect rowRect = RowRect(row);
        const bool current = row == m_current;
        if (current)
            p.fillRect(rowRect.adjusted(0, 0, 0, 1), palette().color(QPalette::Highlight));
        p.setPen(palette().color(current ? QPalette::HighlightedText : QPalette::Text));
        int x = rowRect.left();
        for (int c = 0; c < ColumnCount(); ++c) {
            const int w = m_layout.colWidths.at(c);
            const QRect cell(x, rowRect.top(), w, rowRect.height());
            p.save();
            p.setClipRect(cell, Qt::IntersectClip);
            p.drawText(cell.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       CellText(row, c));
            p.restore();
            x += w;
            if (m_look.colLines && c + 1 < ColumnCount()) {
                p.save();
                p.setPen(lineColor);
                p.drawLine(x, rowRect.top(), x, rowRect.bottom() + 1);
                p.restore();
            }
            x += m_layout.lineWidth;
        }
        if (m_look.rowLines) {
            p.save();
            p.setPen(lineColor);
            p.drawLine(rowRect.left(), rowRect.bottom() + 1, rowRect.right(), rowRect.bottom() + 1);
            p.restore();
        }
    }
    p.restore();
}

void TIncDropDown::mousePressEvent(QMouseEvent *e)
{
    e->accept();
    if (!rect().contains(e->position().toPoint())) {
        // A press on the owner's button must not open the list again once closed.
        setAttribute(Qt::WA_NoMouseReplay, OnOwnerButton(e->globalPosition().toPoint()));
        close();
        return;
    }
    if (e->button() != Qt::LeftButton || !AcceptsMouse())
        return;
    const int row = RowAt(e->position().toPoint());
    if (row < 0)
        return;
    m_tracking = true;
    m_lastMouse = e->position().toPoint();
    SetCurrentRow(row);
    Q_EMIT RowPressed(row);
}

void TIncDropDown::mouseMoveEvent(QMouseEvent *e)
{
    e->accept();
    if (!m_tracking)
        return;
    m_lastMouse = e->position().toPoint();
    dragTo(m_lastMouse);
}

void TIncDropDown::dragTo(const QPoint &pos)
{
    QRect rows = cellsRect();
    if (m_look.titles)
        rows.setTop(rows.top() + m_layout.titleHeight + 1);
    const int shown = std::min(RowCount(), m_top + m_layout.visibleRows) - m_top;
    rows.setHeight(shown * rowPitch());
    if (pos.y() < rows.top() || pos.y() > rows.bottom()) {
        if (!m_scrollTimer.isActive())
            m_scrollTimer.start();
        return;
    }
    m_scrollTimer.stop();
    const int row = RowAt(QPoint(rows.left(), pos.y()));
    if (row >= 0 && row != m_current) {
        SetCurrentRow(row);
        Q_EMIT RowPressed(row);
    }
}

void TIncDropDown::autoScroll()
{
    if (!m_tracking || !isVisible()) {
        m_scrollTimer.stop();
        return;
    }
    const QRect cells = cellsRect();
    int row = -1;
    if (m_lastMouse.y() < cells.top() + (m_look.titles ? m_layout.titleHeight + 1 : 0)) {
        SetTopRow(m_top - 1);
        row = m_top;
    } else {
        SetTopRow(m_top + 1);
        row = std::min(RowCount(), m_top + m_layout.visibleRows) - 1;
    }
    if (row >= 0 && row != m_current) {
        SetCurrentRow(row);
        Q_EMIT RowPressed(row);
    }
}

void TIncDropDown::mouseReleaseEvent(QMouseEvent *e)
{
    e->accept();
    // The release of the press that opened the list arrives here too: only a press
    // made on the list chooses.
    if (e->button() != Qt::LeftButton || !m_tracking)
        return;
    m_tracking = false;
    m_scrollTimer.stop();
    if (m_current >= 0)
        Q_EMIT RowReleased(m_current);
}

void TIncDropDown::wheelEvent(QWheelEvent *e)
{
    if (ScrollBarShown())
        QCoreApplication::sendEvent(m_scrollBar, e);
    e->accept();
}

void TIncDropDown::hideEvent(QHideEvent *e)
{
    QWidget::hideEvent(e);
    m_tracking = false;
    m_scrollTimer.stop();
    Q_EMIT Closed();
}

} // namespace widgets
