#pragma once

#include "widgets/DropDownOptions.h"
#include "widgets/IncSearch.h"

#include <QCursor>
#include <QLineEdit>
#include <QStringList>

namespace widgets {

class TIncDropDownList;

enum TIncComboStyle { csIncSearch, csIncSearchEdit };
enum TAutoDropDown { adNever, adFocused, adChanged };
enum TShowComboButton { scNever, scAlways, scFocused };
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The choice-list field of the editors: a single-line field with a drop-down button
// at its right edge. In the csIncSearch style its text can only be the first column
// of one of its items: typing a beginning completes it to the first item that
// starts that way, keys that would lead to no item are ignored. It keeps an item
// index and a value per item. OnChange is raised whenever the shown text changes,
// also when the program sets ItemIndex, so the editors' rules follow every load and
// every clear.
class TIncCombo : public QLineEdit {
    Q_OBJECT
public:
    explicit TIncCombo(QWidget *parent = nullptr);
    ~TIncCombo() override;

    // Items may hold columns (tab, else ";"); the first column is shown and searched.
    QStringList Items() const { return m_items; }
    void SetItems(const QStringList &items);
    QStringList Values() const { return m_values; }
    void SetValues(const QStringList &values);
    bool UseValues() const { return m_useValues; }
    void SetUseValues(bool on);
    int Count() const { return int(m_items.size()); }

    // -1 for none. Setting an index at or beyond Count() is ignored; a negative one
    // always clears text, value and selection; the index it already has does nothing.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);

    // With UseValues the entry of Values at ItemIndex (empty when Values is shorter),
    // otherwise the first column of the selected item; empty when nothing is selected.
    QString Value() const { return m_value; }
    // Selects the item with that value (compared without regard to case with
    // UseValues, else the first item whose first column is exactly v); the value
    // keeps v either way.
    void SetValue(const QString &v);

    QString Text() const { return text(); }
    // Replaces the shown text without a search: the selection and the matched state
    // stay, so a shortened text ("EX" for "EX - EXTERIOR") stays when the field is left.
    void SetText(const QString &t);
    // Empties the text and clears the selection and the value.
    void Clear();

    void SetStyle(TIncComboStyle style) { m_style = style; }
    void SetCanBeBlank(bool on) { m_canBeBlank = on; }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool on) { setReadOnly(on); }
    void SetShowComboButton(TShowComboButton s);
    // Longest search text accepted; 0 = no limit. (Not QLineEdit's maxLength: the
    // completed text may be longer.)
    void SetMaxLength(int n) { m_maxLength = std::max(n, 0); }

    TListBoxOptions *DropDownOptions() const { return m_options; }

    // The drop-down list; DropDownList() is null until the list was first opened.
    bool DroppedDown() const;
    void DropDown();
    void CloseUp();
    TIncDropDownList *DropDownList() const { return m_list; }

    // The drop-down button's strip, in the field's coordinates (empty when hidden).
    QRect ButtonRect() const;
    bool ButtonShown() const;

Q_SIGNALS:
    // A handler connected to these may raise platform::RaisedError: the combo shows it
    // in the standard error box, so it never reaches the event loop.
    void OnChange();
    // The user leaves the field with a text that matches no item. Without a handler,
    // or when the handler raises, the text the field had on entry comes back.
    void OnNewItem();
    void OnDropDown();
    void OnCloseUp();

protected:
    bool event(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void changeEvent(QEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;

private:
    // Editing by the user.
    void typeText(const QString &typed);
    void typeChar(QChar c);
    void backspace();
    void deleteSelection(bool toClipboard);
    void paste();
    void plainEdit(QKeyEvent *e);
    bool listKey(QKeyEvent *e);
    bool editShortcut(QKeyEvent *e);
    void freeEdit(const QString &t, int caretAt);
    void moveSelection(int key);
    void escape(QKeyEvent *e);
    bool blankingAllowed() const;
    bool wholeTextSelected() const;
    int caret() const;
    QString applyCase(const QString &s) const;
    void complete(const QString &search, const IncMatch &m);
    void blankOut();

    // Selection and text.
    QString valueOf(int index) const;
    void select(int index);
    void applySearch(const IncMatch &m);
    void replaceText(const QString &t, int selStart, int selLength);
    void textReplaced(const QString &);
    void raiseChange();
    void reselectOnEntry();
    void restoreEntry();
    void leave();
    void sortItems();
    void listRowPressed(int row);
    void listRowReleased(int row);
    void listClosed();
    void optionsChanged();
    bool raiseEvent(void (TIncCombo::*signal)());
    void updateMargins();

    QStringList m_items;
    QStringList m_values;
    bool m_useValues = false;
    int m_itemIndex = -1;
    QString m_value;

    TIncComboStyle m_style = csIncSearch;
    TAutoDropDown m_autoDropDown = adNever;
    bool m_canBeBlank = false;
    TEditCharCase m_charCase = ecNormal;
    TShowComboButton m_showButton = scAlways;
    QCursor m_buttonCursor;
    int m_maxLength = 0;
    TListBoxOptions *m_options = nullptr;
    TIncDropDownList *m_list = nullptr;

    // Working state.
    QString m_entryText;      // the text when the field last received the focus
    int m_entryIndex = -1;
    QString m_entryValue;
    bool m_entered = false;   // between focus entry and focus exit
    bool m_matched = true;    // the text is known to match an item
    bool m_modified = false;  // the text changed since focus entry
    QString m_lastChangeText; // the text at the last OnChange
    int m_updating = 0;       // inside a change the control makes itself
    bool m_buttonDown = false;
};

} // namespace widgets
