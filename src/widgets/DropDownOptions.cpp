#include "widgets/DropDownOptions.h"

#include "platform/RaisedError.h"
#include "widgets/IncSearch.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace widgets {

TDropDownOptions::TDropDownOptions(QObject *parent)
    : QObject(parent), m_cursor(Qt::ArrowCursor), m_font(QApplication::font()),
      m_titleFont(QApplication::font())
{
}

QColor TDropDownOptions::Color() const
{
    return QApplication::palette().color(QPalette::Base);
}

void TDropDownOptions::SetMaxRows(int rows)
{
    rows = std::max(rows, 1);
    if (m_maxRows != rows) {
        m_maxRows = rows;
        changed();
    }
}

void TDropDownOptions::SetTitles(bool on)
{
    if (m_titles != on) {
        m_titles = on;
        changed();
    }
}

QColor TDropDownOptions::TitleColor() const
{
    return QApplication::palette().color(QPalette::Button);
}

void TDropDownOptions::SetWidth(int w)
{
    if (m_width != w) {
        m_width = w;
        changed();
    }
}

QFont TDropDownOptions::effectiveFont(const QWidget *combo) const { return combo ? combo->font() : m_font; }

QList<int> parseColWidths(const QString &text)
{
    QList<int> widths;
    if (text.isEmpty())
        return widths;
    for (const QString &entry : splitColumns(text)) {
        const QString t = entry.trimmed();
        if (t.isEmpty()) {
            widths.append(-1);
            continue;
        }
        bool ok = false;
        const int n = t.toInt(&ok);
        if (!ok || n < 0)
            throw platform::RaisedError(QStringLiteral("Invalid integer value for a column width."));
        widths.append(n);
    }
    return widths;
}

TListBoxOptions::TListBoxOptions(QObject *parent) : TDropDownOptions(parent) {}

void TListBoxOptions::SetColWidths(const QString &text)
{
    m_colChars = parseColWidths(text); // raises before anything changes
    m_colWidthsText = text;
    Q_EMIT Changed();
}

void TListBoxOptions::SetTitleText(const QString &text)
{
    if (m_titleText != text) {
        m_titleText = text;
        Q_EMIT Changed();
    }
}

void TListBoxOptions::SetSorted(bool on)
{
    if (m_sorted != on) {
        m_sorted = on;
        Q_EMIT SortedChanged(on);
        Q_EMIT Changed();
    }
}

} // namespace widgets
