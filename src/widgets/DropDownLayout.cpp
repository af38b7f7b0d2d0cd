#include "widgets/DropDownLayout.h"

#include "widgets/IncSearch.h"

#include <algorithm>

namespace widgets {

namespace {
void widen(QList<int> &widths, int column, int width)
{
    while (widths.size() <= column)
        widths.append(0);
    widths[column] = std::max(widths[column], width);
}
} // namespace

ColumnMeasure measureColumns(const QStringList &items, const QString &titleText,
                             const TextWidth &itemWidth, const TextWidth &titleWidth)
{
    ColumnMeasure m;
    QList<int> widest;
    if (!titleText.isEmpty()) {
        const QStringList titles = splitColumns(titleText);
        m.count = std::max(m.count, int(titles.size()));
        for (int c = 0; c < titles.size(); ++c)
            widen(widest, c, titleWidth(titles.at(c)));
    }
    for (const QString &item : items) {
        const QStringList cols = splitColumns(item);
        m.count = std::max(m.count, int(cols.size()));
        for (int c = 0; c < cols.size(); ++c)
            widen(widest, c, itemWidth(cols.at(c)));
    }
    widen(widest, m.count - 1, 0);
    for (int w : widest)
        m.autoWidths.append(w + 8);
    return m;
}

DropDownLayout layoutDropDown(const DropDownLayoutInput &in)
{
    DropDownLayout out;
    const int cols = in.colCount > 0 ? in.colCount : std::max(in.measure.count, 1);
    for (int c = 0; c < cols; ++c) {
        const int chars = c < in.colChars.size() ? in.colChars.at(c) : -1;
        if (chars >= 0) {
            out.colWidths.append((in.zeroWidth - in.overhang) * chars + in.overhang + 4);
        } else {
            const int automatic = c < in.measure.autoWidths.size() ? in.measure.autoWidths.at(c) : 8;
            out.colWidths.append(automatic + in.overhang + 4);
        }
    }

    out.visibleRows = std::max(0, std::min(in.maxRows, in.itemCount));
    out.scrollBar = in.itemCount > out.visibleRows;
    out.rowHeight = in.itemTextHeight + 3 + (in.rowLines ? 1 : 0);
    out.titleHeight = in.titles ? in.titleTextHeight + 4 : 0;
    out.lineWidth = in.colLines ? 1 : 0;

    int columnsWidth = 0;
    for (int w : out.colWidths)
        columnsWidth += w;
    columnsWidth += out.lineWidth * (cols - 1);
    const int scrollPart = out.scrollBar ? in.scrollBarWidth + 2 : 0;

    int width = columnsWidth + scrollPart + 2 * kDropDownBorder;
    if (in.optionWidth == 0)
        width = std::max(width, in.comboWidth);
    else if (in.optionWidth == -1)
        width = in.comboWidth;
    else
        width = in.optionWidth;

    // The last column takes up whatever the list width leaves over (or lacks).
    const int room = width - 2 * kDropDownBorder - (out.scrollBar ? in.scrollBarWidth : 0);
    int others = out.lineWidth * (cols - 1);
    for (int c = 0; c < cols - 1; ++c)
        others += out.colWidths.at(c);
    out.colWidths.last() = std::max(0, room - others);

    const int height = out.visibleRows * (out.rowHeight + 1)
                       + (in.titles ? out.titleHeight + 5 : 4);
    out.size = QSize(width, height);
    return out;
}

QRect placeDropDown(const QRect &field, const QSize &list, const QRect &screen,
                    THorizontalAlign alignH, TVerticalAlign alignV)
{
    const int below = field.bottom() + 1;
    const int above = field.top() - list.height();
    const bool roomAbove = above >= screen.top();
    int top = (alignV == daTop && roomAbove) ? above : below;
    if (top == below && below + list.height() > screen.bottom() + 1 && roomAbove)
        top = above;

    const int leftAligned = field.left();
    const int rightAligned = field.right() + 1 - list.width();
    int left = 0;
    if (alignH == daLeft)
        left = leftAligned + list.width() > screen.right() + 1 ? rightAligned : leftAligned;
    else
        left = rightAligned < screen.left() ? leftAligned : rightAligned;
    // A list wider than the room on the field's either side still stays on the screen.
    left = std::min(left, screen.right() + 1 - list.width());
    left = std::max(left, screen.left());

    return QRect(QPoint(left, top), list);
}

int centredTopRow(int current, int count, int visibleRows)
{
    if (visibleRows <= 0 || count <= visibleRows || current < 0)
        return 0;
    return std::clamp(current - visibleRows / 2, 0, count - visibleRows);
}

} // namespace widgets
