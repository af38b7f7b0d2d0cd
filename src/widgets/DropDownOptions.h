#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QString>

class QWidget;

namespace widgets {

enum THorizontalAlign { daLeft, daRight };
enum TVerticalAlign { daTop, daBottom };

// Appearance of a lookup combo's drop-down list. Every change is announced with
// Changed(), so an open list follows it at once.
class TDropDownOptions : public QObject {
    Q_OBJECT
public:
    explicit TDropDownOptions(QObject *parent = nullptr);

    THorizontalAlign AlignHorizontally() const { return m_alignH; }
    TVerticalAlign AlignVertically() const { return m_alignV; }

    // Background of the item cells: the window colour.
    QColor Color() const;

    bool ColLines() const { return m_colLines; }
    bool RowLines() const { return m_rowLines; }

    QCursor Cursor() const { return m_cursor; }

    int MaxRows() const { return m_maxRows; }
    void SetMaxRows(int rows);
    bool ThumbTracking() const { return m_thumbTracking; }

    bool Titles() const { return m_titles; }
    void SetTitles(bool on);
    // Background of the title row: the button-face colour.
    QColor TitleColor() const;
    QFont TitleFont() const { return m_titleFont; }

    // List width in pixels: 0 = automatic (at least the combo's width), -1 = the combo's width.
    int Width() const { return m_width; }
    void SetWidth(int w);

    // The item font: the combo's own.
    QFont effectiveFont(const QWidget *combo) const;

Q_SIGNALS:
    void Changed();

private:
    void changed() { Q_EMIT Changed(); }

    THorizontalAlign m_alignH = daLeft;
    TVerticalAlign m_alignV = daBottom;
    bool m_colLines = false;
    bool m_rowLines = false;
    QCursor m_cursor;
    QFont m_font;
    int m_maxRows = 7;
    bool m_thumbTracking = true;
    bool m_titles = false;
    QFont m_titleFont;
    int m_width = 0;
};

// Column widths in characters from a text separated like item columns; an empty
// entry means automatic (-1). Raises platform::RaisedError("Invalid integer value for
// a column width.") when an entry is not a whole number or is negative.
QList<int> parseColWidths(const QString &text);

// The column and title options of the combo's list.
class TListBoxOptions : public TDropDownOptions {
    Q_OBJECT
public:
    explicit TListBoxOptions(QObject *parent = nullptr);

    // 0 = automatic: the largest number of columns of any item or of the title text.
    int ColCount() const { return m_colCount; }

    // Column widths in characters ("10;;5"); an empty entry means automatic. A bad
    // entry raises platform::RaisedError and the previous widths stay.
    QString ColWidths() const { return m_colWidthsText; }
    void SetColWidths(const QString &text);
    // The parsed widths, -1 for automatic.
    const QList<int> &ColumnChars() const { return m_colChars; }

    QString TitleText() const { return m_titleText; }
    void SetTitleText(const QString &text);

    bool Sorted() const { return m_sorted; }
    void SetSorted(bool on);

Q_SIGNALS:
    void SortedChanged(bool on);

private:
    int m_colCount = 0;
    QString m_colWidthsText;
    QList<int> m_colChars;
    QString m_titleText;
    bool m_sorted = false;
};

} // namespace widgets
