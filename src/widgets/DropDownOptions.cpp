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

void TDropDownOptions::SetAlignHorizontally(THorizontalAlign a)
{
    if (m_alignH != a) {
        m_alignH = a;
        changed();
    }
}

void TDropDownOptions::SetAlignVertically(TVerticalAlign a)
{
    if (m_alignV != a) {
        m_alignV = a;
        changed();
    }
}

QColor TDropDownOptions::Color() const
{
    return m_color.isValid() ? m_color : QApplication::palette().color(QPalette::Base);
}

void TDropDownOptions::SetColor(const QColor &c)
{
    m_color = c;
    m_parentColor = false;
    changed();
}

void TDropDownOptions::SetParentColor(bool on)
{
    if (m_parentColor != on) {
        m_parentColor = on;
        changed();
    }
}

void TDropDownOptions::SetColLines(bool on)
{
    if (m_colLines != on) {
        m_colLines = on;
        changed();
    }
}

void TDropDownOptions::SetRowLines(bool on)
{
    if (m_rowLines != on) {
        m_rowLines = on;
        changed();
    }
}

void TDropDownOptions::SetCtl3D(bool on)
{
    m_ctl3D = on;
    m_parentCtl3D = false;
    changed();
}

void TDropDownOptions::SetParentCtl3D(bool on)
{
    if (m_parentCtl3D != on) {
        m_parentCtl3D = on;
        changed();
    }
}

void TDropDownOptions::SetCursor(const QCursor &c)
{
    m_cursor = c;
    changed();
}

void TDropDownOptions::SetFont(const QFont &f)
{
    m_font = f;
    m_parentFont = false;
    changed();
}

void TDropDownOptions::SetParentFont(bool on)
{
    if (m_parentFont != on) {
        m_parentFont = on;
        changed();
    }
}

void TDropDownOptions::SetMaxRows(int rows)
{
    rows = std::max(rows, 1);
    if (m_maxRows != rows) {
        m_maxRows = rows;
        changed();
    }
}

void TDropDownOptions::SetThumbTracking(bool on)
{
    if (m_thumbTracking != on) {
        m_thumbTracking = on;
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
    return m_titleColor.isValid() ? m_titleColor : QApplication::palette().color(QPalette::Button);
}

void TDropDownOptions::SetTitleColor(const QColor &c)
{
    m_titleColor = c;
    changed();
}

void TDropDownOptions::SetTitleFont(const QFont &f)
{
    m_titleFont = f;
    changed();
}

void TDropDownOptions::SetWidth(int w)
{
    if (m_width != w) {
        m_width = w;
        changed();
    }
}

QColor TDropDownOptions::EffectiveColor(const QWidget *combo) const
{
    if (m_parentColor && combo)
        return combo->palette().color(QPalette::Base);
    return Color();
}

QFont TDropDownOptions::EffectiveFont(const QWidget *combo) const
{
    if (m_parentFont && combo)
        return combo->font();
    return m_font;
}

bool TDropDownOptions::EffectiveCtl3D(bool comboCtl3D) const
{
    return m_parentCtl3D ? comboCtl3D : m_ctl3D;
}

QList<int> ParseColWidths(const QString &text)
{
    QList<int> widths;
    if (text.isEmpty())
        return widths;
    for (const QString &entry : SplitColumns(text)) {
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

void TListBoxOptions::SetColCount(int n)
{
    n = std::max(n, 0);
    if (m_colCount != n) {
        m_colCount = n;
        Q_EMIT Changed();
    }
}

void TListBoxOptions::SetColWidths(const QString &text)
{
    m_colChars = ParseColWidths(text); // raises before anything changes
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
