#pragma once

#include "widgets/DropDownLayout.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QScrollBar;

namespace widgets {

// The borderless pop-up grid a lookup combo drops down: rows of cells in columns,
// an optional title row, a vertical scroll bar when not all rows fit. It is a pop-up
// window, so the combo keeps the keyboard focus: keys pressed while it is open go on
// to the combo. What the cells hold comes from the derived class.
class TIncDropDown : public QWidget {
    Q_OBJECT
public:
    // `owner` is the control the list drops down from; keys go on to it.
    explicit TIncDropDown(QWidget *owner);

    virtual int RowCount() const = 0;
    virtual QString CellText(int row, int column) const = 0;
    virtual QString TitleText(int column) const = 0;

    // Appearance, applied by the derived class from its options.
    struct Look {
        QColor color;
        QColor titleColor;
        QFont font;
        QFont titleFont;
        bool ctl3D = true;
        bool titles = false;
        bool colLines = false;
        bool rowLines = false;
        bool thumbTracking = true;
    };
    void SetLook(const Look &look);

    // Cell geometry and size; keeps the current row in view.
    void SetGridLayout(const DropDownLayout &layout);

    int VisibleRows() const { return m_layout.visibleRows; }
    int ColumnCount() const { return int(m_layout.colWidths.size()); }
    bool ScrollBarShown() const;

    int CurrentRow() const { return m_current; }
    // Moves the highlight, scrolling as little as needed to show it.
    void SetCurrentRow(int row);
    int TopRow() const { return m_top; }
    void SetTopRow(int row);

    // The row under a point of the list (-1 on the title row or outside the rows),
    // and the rectangle of a visible row.
    int RowAt(const QPoint &pos) const;
    QRect RowRect(int row) const;

    // Shows the list at a place on the screen with the current row in the middle.
    void Popup(const QRect &geometry, bool topmost);

Q_SIGNALS:
    // The left button was pressed on a row, or moved onto one while held.
    void RowPressed(int row);
    // The left button was released after a press on the list.
    void RowReleased(int row);
    // The list was hidden, whatever hid it.
    void Closed();

protected:
    // Whether the left button may choose rows (a read-only combo's list ignores it).
    virtual bool AcceptsMouse() const { return true; }
    // Whether a press outside the list falls on the owner's own drop-down button;
    // such a press only closes the list.
    virtual bool OnOwnerButton(const QPoint &globalPos) const;

    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void hideEvent(QHideEvent *e) override;

private:
    QRect cellsRect() const;
    int rowPitch() const { return m_layout.rowHeight + 1; }
    void updateScrollBar();
    void dragTo(const QPoint &pos);
    void autoScroll();
    void drawTitles(QPainter &p) const;
    void drawRows(QPainter &p) const;

    QPointer<QWidget> m_owner;
    QScrollBar *m_scrollBar = nullptr;
    QTimer m_scrollTimer;
    Look m_look;
    DropDownLayout m_layout;
    int m_current = -1;
    int m_top = 0;
    bool m_tracking = false;
    QPoint m_lastMouse;
};

} // namespace widgets
