#pragma once

#include "widgets/DropDownOptions.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>

#include <functional>

namespace widgets {

// The geometry of the drop-down list, kept apart from any window so it can be
// checked without a screen. All sizes are in pixels.

using TextWidth = std::function<int(const QString &)>;

// Automatic columns: the largest number of columns of any item or of the title text
// (at least 1), and per column the widest text plus 8 pixels. Items are measured with
// the item font, titles with the title font.
struct ColumnMeasure {
    int count = 1;
    QList<int> autoWidths;
};
ColumnMeasure measureColumns(const QStringList &items, const QString &titleText,
                             const TextWidth &itemWidth, const TextWidth &titleWidth);

struct DropDownLayoutInput {
    ColumnMeasure measure;
    int colCount = 0;       // the ColCount option, 0 = automatic
    QList<int> colChars;    // the ColWidths option, -1 = automatic
    int zeroWidth = 0;      // width of "0" in the item font
    int overhang = 0;       // extra width of slanted or emboldened glyphs
    int itemTextHeight = 0; // height of "W" in the item font
    int titleTextHeight = 0;
    bool titles = false;
    bool colLines = false;
    bool rowLines = false;
    int itemCount = 0;
    int maxRows = 7;
    int scrollBarWidth = 0;
    int optionWidth = 0;    // the Width option: 0 automatic, -1 the combo's width
    int comboWidth = 0;
};

struct DropDownLayout {
    QList<int> colWidths;   // the last column absorbs what the list width leaves
    int visibleRows = 0;
    int rowHeight = 0;      // without the one-pixel gap between rows
    int titleHeight = 0;    // 0 without titles
    int lineWidth = 0;      // of a column line
    bool scrollBar = false;
    QSize size;             // the whole list, border included
};

// The border around the list, on each side.
inline constexpr int kDropDownBorder = 2;

DropDownLayout layoutDropDown(const DropDownLayoutInput &in);

// Where the list goes on the screen, given the field's rectangle in screen
// coordinates: below or above the field as asked, switching sides when the list
// would leave the screen; its left or right edge on the field's, and never
// beyond the screen's left and right edges.
QRect placeDropDown(const QRect &field, const QSize &list, const QRect &screen,
                    THorizontalAlign alignH, TVerticalAlign alignV);

// The first visible row that puts the current row in the middle of the visible
// rows, without leaving empty rows at the end of the list.
int centredTopRow(int current, int count, int visibleRows);

} // namespace widgets
