#pragma once

#include "editors/common/FieldTable.h"

#include <QTextEdit>

#include <functional>

class QTabWidget;

namespace widgets {
class TIncCombo;
}

// The behaviour of single fields that the large forms share.
namespace editors {

// The multi-line field: plain text of at most 150 characters that never holds a line
// break, so that it stays on one record line. Enter is swallowed; a pasted line break
// becomes a blank. A longer text set by the program (a loaded record) is kept whole;
// the limit only stops typing and pasting.
class TMultiLineEdit : public QTextEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 150;
    explicit TMultiLineEdit(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // How many more characters typing or pasting may add in place of the selection.
    int room() const;
};

// Runs a handler for every event the object receives, before the object itself; a true
// answer swallows the event. The hook lives as long as the object.
void hookEvents(QObject *target, std::function<bool(QEvent *)> handler);

// Enter in the field shows the page of the page control and puts the focus on the
// page's first field. The switch is the program's, not the user's tab click.
void showPageOnEnter(QWidget *field, QTabWidget *pages, QWidget *page);

// Enables the field, or disables it in the window colour, painted grey (the platform's
// scroll-bar colour) or silver; enabling gives it the window colour again.
void setFieldState(QWidget *field, FieldState state);
// The state the field shows now.
FieldState fieldState(const QWidget *field);

// The keys of a money or percentage field: only the digits, the comma and Backspace are
// typed; every other character, Enter included, is dropped. Moving, deleting and copying
// keys pass. A form's fields get them from their rows (FieldRow::moneyKeys).
void installMoneyKeys(QWidget *field);

// Leaving the list with its blank entry (the item at blankIndex) chosen empties the choice;
// a form's lists get it from their rows (FieldRow::blankEntry).
void bindBlankEntry(widgets::TIncCombo *list, int blankIndex);

} // namespace editors
