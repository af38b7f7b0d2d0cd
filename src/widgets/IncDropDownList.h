#pragma once

#include "widgets/IncDropDown.h"

#include <QPointer>

namespace widgets {

class TIncCombo;
class TListBoxOptions;

// The drop-down grid of a lookup combo: its items, split into columns, sized and
// placed from the combo's list options.
class TIncDropDownList : public TIncDropDown {
    Q_OBJECT
public:
    TIncDropDownList(TIncCombo *combo, TListBoxOptions *options);

    int RowCount() const override;
    QString CellText(int row, int column) const override;
    QString TitleText(int column) const override;

    // Takes the items and every option again: columns, widths, fonts, colours, size,
    // and the place on the screen when the list is open.
    void Refresh();
    // Opens the list beside the combo with `row` current, in the middle when it can be.
    void Open(int row);

protected:
    bool AcceptsMouse() const override;
    bool OnOwnerButton(const QPoint &globalPos) const override;

private:
    QRect placement() const;

    QPointer<TIncCombo> m_combo;
    QPointer<TListBoxOptions> m_options;
};

} // namespace widgets
