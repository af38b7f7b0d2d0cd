#include "widgets/IncDropDownList.h"

#include "widgets/IncCombo.h"

#include <QFontMetrics>
#include <QScreen>
#include <QStyle>

namespace widgets {

TIncDropDownList::TIncDropDownList(TIncCombo *combo, TListBoxOptions *options)
    : TIncDropDown(combo), m_combo(combo), m_options(options)
{
}

int TIncDropDownList::RowCount() const { return m_combo ? m_combo->Count() : 0; }

QString TIncDropDownList::CellText(int row, int column) const
{
    if (!m_combo || row < 0 || row >= m_combo->Count())
        return {};
    return splitColumns(m_combo->Items().at(row)).value(column);
}

QString TIncDropDownList::TitleText(int column) const
{
    if (!m_options || m_options->TitleText().isEmpty())
        return {};
    return splitColumns(m_options->TitleText()).value(column);
}

void TIncDropDownList::Refresh()
{
    if (!m_combo || !m_options)
        return;
    Look look;
    look.color = m_options->Color();
    look.titleColor = m_options->TitleColor();
    look.font = m_options->effectiveFont(m_combo);
    look.titleFont = m_options->TitleFont();
    look.ctl3D = m_combo->hasFrame();
    look.titles = m_options->Titles();
    look.colLines = m_options->ColLines();
    look.rowLines = m_options->RowLines();
    look.thumbTracking = m_options->ThumbTracking();
    SetLook(look);
    setCursor(m_options->Cursor());

    const QFontMetrics fm(look.font);
    const QFontMetrics tfm(look.titleFont);
    DropDownLayoutInput in;
    in.measure = measureColumns(
        m_combo->Items(), m_options->TitleText(),
        [&fm](const QString &s) { return fm.horizontalAdvance(s); },
        [&tfm](const QString &s) { return tfm.horizontalAdvance(s); });
    in.colCount = m_options->ColCount();
    in.colChars = m_options->ColumnChars();
    in.zeroWidth = fm.horizontalAdvance(QLatin1Char('0'));
    in.overhang = 0; // scalable fonts draw slanted and bold glyphs within their advance
    in.itemTextHeight = fm.height();
    in.titleTextHeight = tfm.height();
    in.titles = look.titles;
    in.colLines = look.colLines;
    in.rowLines = look.rowLines;
    in.itemCount = m_combo->Count();
    in.maxRows = m_options->MaxRows();
    in.scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    in.optionWidth = m_options->Width();
    in.comboWidth = m_combo->width();
    SetGridLayout(layoutDropDown(in));
    if (isVisible())
        setGeometry(placement());
}

QRect TIncDropDownList::placement() const
{
    const QRect field(m_combo->mapToGlobal(QPoint(0, 0)), m_combo->size());
    const QScreen *screen = m_combo->screen();
    const QRect area = screen ? screen->availableGeometry() : field;
    return placeDropDown(field, size(), area, m_options->AlignHorizontally(), m_options->AlignVertically());
}

void TIncDropDownList::Open(int row)
{
    if (!m_combo || !m_options)
        return;
    Refresh();
    SetCurrentRow(row);
    const bool topmost = m_combo->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    Popup(placement(), topmost);
}

bool TIncDropDownList::AcceptsMouse() const
{
    return m_combo && !m_combo->ReadOnly() && m_combo->isEnabled();
}

bool TIncDropDownList::OnOwnerButton(const QPoint &globalPos) const
{
    return m_combo && m_combo->ButtonRect().contains(m_combo->mapFromGlobal(globalPos));
}

} // namespace widgets
