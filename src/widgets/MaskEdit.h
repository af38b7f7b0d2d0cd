#pragma once

#include "widgets/MaskModel.h"

#include <QLineEdit>

class QMenu;

namespace widgets {

// The editors' masked field. With a mask it shows the mask's literals and blanks and
// takes input position by position: typing overwrites and skips the literals, a
// character that a position does not take is refused, Backspace and Delete blank a
// position instead of shifting the rest, and paste goes through the mask. Without a mask
// it is a plain text field with a maximum length.
//
// Callers read and write the value with Text()/SetText(), never QLineEdit::text()/setText():
// text() is what is shown (the blank character in unfilled positions, literals even for
// a ";0" mask). Should something still call QLineEdit::setText() or clear() on a masked
// field, the new text is taken through the mask as SetText() would.
class TMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskEdit(QWidget *parent = nullptr);

    // Sets, changes or (with "") removes the mask. What the field holds is kept as far as
    // the new mask allows: the entered characters, as the old mask gives them without
    // literals (a plain field: its whole text), are set through the new mask. An empty
    // field therefore shows the new mask's empty text.
    void SetEditMask(const QString &mask);
    QString EditMask() const;
    bool IsMasked() const;
    const MaskModel &Mask() const { return m_mask; }

    // The field's value as its mask gives it: literals kept for ";1" ("  /  /    " for an
    // empty date), entered characters only for ";0", the plain text without a mask.
    QString Text() const;
    // Sets the value through the mask (MaskModel::editTextFor). Without a mask the whole
    // text is kept even when it is longer than the maximum length, which limits typing only.
    void SetText(const QString &text);
    // Empties the field: it shows the mask's empty text.
    void Clear();

    // Maximum length of the text typed into a field without a mask; 0 or less: no limit.
    void SetMaxLength(int length);
    // Hides QLineEdit::setMaxLength so that a maximum length given to a masked field
    // (a promoted field in a form file, say) never cuts the mask's text.
    void setMaxLength(int length) { SetMaxLength(length); }

signals:
    // Text() has changed, by typing or from code.
    void Changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void onShownTextChanged(const QString &shown);
    void display(const QString &editText, int caret);
    void display(const QString &editText);
    void notifyIfChanged();
    void applyPlainMaxLength(int textLength);

    void typeText(const QString &text);
    void blankSelection();
    void backspace();
    void deleteForward();
    void cutSelection();
    void pasteText(const QString &text);
    QMenu *maskedContextMenu();

    MaskModel m_mask;
    QString m_edit;         // what a masked field shows
    QString m_lastText;     // Text() when Changed() was last due
    int m_maxLength = 32767;
    bool m_updating = false;
    bool m_enteredByClick = false;
};

} // namespace widgets
