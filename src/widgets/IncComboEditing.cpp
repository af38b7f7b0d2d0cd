// The keyboard side of TIncCombo: typing with completion, Backspace, Delete, cut and
// paste, the list keys, Enter and Esc.
#include "widgets/IncCombo.h"

#include "widgets/IncDropDownList.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>

namespace widgets {

namespace {
// A key that types its text, as opposed to a shortcut (AltGr counts as typing).
bool isTyping(const QKeyEvent *e)
{
    const Qt::KeyboardModifiers mods = e->modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier);
    if (ctrl || mods.testFlag(Qt::MetaModifier) || e->text().isEmpty())
        return false;
    for (QChar c : e->text()) {
        if (!c.isPrint())
            return false;
    }
    return true;
}
} // namespace

bool TIncCombo::blankingAllowed() const { return m_canBeBlank || m_entryText.isEmpty(); }

bool TIncCombo::wholeTextSelected() const
{
    return !text().isEmpty() && selectedText().size() == text().size();
}

int TIncCombo::caret() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

QString TIncCombo::applyCase(const QString &s) const
{
    switch (m_charCase) {
    case ecUpperCase: return QLocale().toUpper(s);
    case ecLowerCase: return QLocale().toLower(s);
    case ecNormal: break;
    }
    return s;
}

// The text becomes the best match's first column in the item's own letters, with the
// part after what was typed selected, so that the next key replaces it.
void TIncCombo::complete(const QString &search, const IncMatch &m)
{
    applySearch(m);
    replaceText(m.completion, int(search.size()), int(m.completion.size() - search.size()));
}

void TIncCombo::blankOut()
{
    select(-1);
    m_matched = true; // an empty field is a legitimate state where blanking is allowed
    replaceText(QString(), 0, 0);
}

// In the free-text style an edit stays as made; the search only selects the item
// the text begins, without completing it.
void TIncCombo::freeEdit(const QString &t, int caretAt)
{
    applySearch(findBestMatch(m_items, t, m_canBeBlank));
    replaceText(t, caretAt, 0);
    if (m_autoDropDown == adChanged)
        DropDown();
}

void TIncCombo::typeText(const QString &typed)
{
    for (QChar c : typed) {
        if (c.isPrint())
            typeChar(c);
    }
}

void TIncCombo::typeChar(QChar c)
{
    if (ReadOnly())
        return;
    const QString now = text();
    QString search;
    int caretAfter = 0;
    if (m_style == csIncSearch) {
        // Everything after the caret, normally the selected completion, is dropped.
        search = now.left(caret()) + c;
    } else {
        const int start = caret();
        const int end = start + int(selectedText().size());
        search = now.left(start) + c + now.mid(end);
        caretAfter = start + 1;
    }
    search = applyCase(search);
    if (m_maxLength > 0 && search.size() > m_maxLength)
        return;
    const IncMatch m = findBestMatch(m_items, search, m_canBeBlank);
    if (m_autoDropDown == adChanged)
        DropDown();
    if (beginsNoCase(search, m.completion)) {
        complete(search, m);
        return;
    }
    // In csIncSearch a key that begins no item changes nothing at all: text, caret,
    // selection and the selected item stay as they were.
    if (m_style == csIncSearchEdit) {
        applySearch(m);
        replaceText(search, caretAfter, 0);
    }
}

void TIncCombo::backspace()
{
    if (ReadOnly())
        return;
    if (m_style == csIncSearchEdit) {
        const QString now = text();
        int start = caret();
        int end = start + int(selectedText().size());
        if (start == end) {
            if (start == 0)
                return;
            --start;
        }
        freeEdit(now.left(start) + now.mid(end), start);
        return;
    }
    const int p = caret();
    if (p == 0) {
        if (wholeTextSelected() && blankingAllowed())
            blankOut();
        return;
    }
    const QString search = applyCase(text().left(p - 1));
    const IncMatch m = findBestMatch(m_items, search, m_canBeBlank);
    if (m_autoDropDown == adChanged)
        DropDown();
    if (!search.isEmpty() && beginsNoCase(search, m.completion))
        complete(search, m);
}

void TIncCombo::deleteSelection(bool toClipboard)
{
    if (ReadOnly())
        return;
    if (m_style == csIncSearch) {
        // A field that had a value is never emptied, nor left with part of an item.
        if (!wholeTextSelected() || !blankingAllowed())
            return;
        if (toClipboard)
            copy();
        blankOut();
        return;
    }
    const QString now = text();
    const int start = caret();
    int end = start + int(selectedText().size());
    if (start == end) {
        if (toClipboard || start >= now.size())
            return;
        ++end;
    } else if (toClipboard) {
        copy();
    }
    freeEdit(now.left(start) + now.mid(end), start);
}

void TIncCombo::paste()
{
    if (ReadOnly())
        return;
    QString clip = QGuiApplication::clipboard()->text();
    const qsizetype lineEnd = clip.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (lineEnd >= 0)
        clip.truncate(lineEnd);
    if (clip.isEmpty())
        return;
    const QString now = text();
    const int start = caret();
    const int end = start + int(selectedText().size());
    const QString result = applyCase(now.left(start) + clip + now.mid(end));
    if (m_maxLength > 0 && result.size() > m_maxLength)
        return;
    const IncMatch m = findBestMatch(m_items, result, m_canBeBlank);
    if (beginsNoCase(result, m.completion)) {
        complete(result, m);
        return;
    }
    // A pasted text that begins no item is undone in csIncSearch.
    if (m_style == csIncSearchEdit) {
        applySearch(m);
        replaceText(result, start + int(clip.size()), 0);
    }
}

// Keys the control does not handle itself (Home, arrows, Ctrl+A, copy...) go to the
// plain field; one that changes the text there is undone in csIncSearch.
void TIncCombo::plainEdit(QKeyEvent *e)
{
    const QString before = text();
    const int start = caret();
    const int length = int(selectedText().size());
    const int cursor = cursorPosition();
    {
        ++m_updating;
        QLineEdit::keyPressEvent(e);
        --m_updating;
    }
    const QString after = text();
    if (after == before)
        return;
    if (m_style == csIncSearch || ReadOnly()) {
        ++m_updating;
        setText(before);
        if (length > 0)
            setSelection(cursor == start ? start + length : start, cursor == start ? -length : length);
        else
            setCursorPosition(cursor);
        --m_updating;
        return;
    }
    freeEdit(after, cursorPosition());
}

void TIncCombo::moveSelection(int key)
{
    if (m_itemIndex < 0) {
        const IncMatch m = findBestMatch(m_items, text(), m_canBeBlank);
        if (m.best >= 0)
            SetItemIndex(m.best);
    } else {
        const int rows = m_list ? m_list->VisibleRows() : 1;
        const int page = std::max(1, rows - 1);
        int step = 0;
        switch (key) {
        case Qt::Key_Down: step = 1; break;
        case Qt::Key_Up: step = -1; break;
        case Qt::Key_PageDown: step = page; break;
        case Qt::Key_PageUp: step = -page; break;
        default: break;
        }
        SetItemIndex(std::clamp(m_itemIndex + step, 0, Count() - 1));
    }
    selectAll();
}

void TIncCombo::escape(QKeyEvent *e)
{
    const bool modified = m_modified;
    if (m_entered) {
        restoreEntry();
        selectAll();
        m_modified = false;
    }
    // An unmodified field hands Esc to the window (its cancel button).
    if (modified)
        e->accept();
    else
        e->ignore();
}

bool TIncCombo::event(QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(e)->key();
        if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && DroppedDown())
            CloseUp();
    }
    return QLineEdit::event(e);
}

void TIncCombo::keyPressEvent(QKeyEvent *e)
{
    if (listKey(e) || editShortcut(e))
        return;
    if (isTyping(e)) {
        e->accept();
        typeText(e->text());
        return;
    }
    plainEdit(e);
}

// The keys of the list and the caret's deletions; false for any other key.
bool TIncCombo::listKey(QKeyEvent *e)
{
    const bool open = DroppedDown();
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    switch (e->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        e->accept();
        if (!open) {
            if (Count() > 0)
                DropDown();
        } else if (!ReadOnly()) {
            moveSelection(e->key());
        }
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (open) {
            CloseUp();
            e->accept();
        } else {
            e->ignore(); // the window's default button
        }
        return true;
    case Qt::Key_Escape:
        if (open) {
            CloseUp();
            e->accept();
        } else {
            escape(e);
        }
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        e->ignore();
        return true;
    case Qt::Key_Backspace:
        if (!(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            e->accept();
            backspace();
            return true;
        }
        break;
    case Qt::Key_Delete:
        if (mods == Qt::NoModifier) {
            e->accept();
            deleteSelection(false);
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

// Paste, cut, undo and redo as the lookup allows them; false for any other key.
bool TIncCombo::editShortcut(QKeyEvent *e)
{
    if (e->matches(QKeySequence::Paste)) {
        e->accept();
        paste();
        return true;
    }
    if (e->matches(QKeySequence::Cut)) {
        e->accept();
        deleteSelection(true);
        return true;
    }
    if (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)) {
        e->accept(); // would bring back a text that no search produced
        return true;
    }
    return false;
}

void TIncCombo::inputMethodEvent(QInputMethodEvent *e)
{
    // Composed characters (dead keys) are typed like any other; the composition
    // itself is not shown, the field only ever holds what the search accepted.
    typeText(e->commitString());
    e->accept();
}

void TIncCombo::contextMenuEvent(QContextMenuEvent *e)
{
    // The field's own menu, without Undo and Redo, whose actions go through the search.
    const auto tr = [](const char *s) { return QCoreApplication::translate("QLineEdit", s); };
    const auto withKey = [](const QString &label, QKeySequence::StandardKey key) {
        const QString keys = QKeySequence(key).toString(QKeySequence::NativeText);
        return keys.isEmpty() ? label : label + QLatin1Char('\t') + keys;
    };
    const bool canDelete = !ReadOnly() && hasSelectedText()
                           && (m_style == csIncSearchEdit || (wholeTextSelected() && blankingAllowed()));
    QMenu menu(this);
    QAction *cut = menu.addAction(withKey(tr("Cu&t"), QKeySequence::Cut));
    cut->setEnabled(canDelete);
    QAction *copyAction = menu.addAction(withKey(tr("&Copy"), QKeySequence::Copy));
    copyAction->setEnabled(hasSelectedText() && echoMode() == Normal);
    QAction *pasteAction = menu.addAction(withKey(tr("&Paste"), QKeySequence::Paste));
    pasteAction->setEnabled(!ReadOnly() && !QGuiApplication::clipboard()->text().isEmpty());
    QAction *del = menu.addAction(tr("Delete"));
    del->setEnabled(canDelete);
    menu.addSeparator();
    QAction *all = menu.addAction(withKey(tr("Select All"), QKeySequence::SelectAll));
    all->setEnabled(!text().isEmpty() && !wholeTextSelected());

    const QAction *chosen = menu.exec(e->globalPos());
    if (chosen == cut)
        deleteSelection(true);
    else if (chosen == copyAction)
        copy();
    else if (chosen == pasteAction)
        paste();
    else if (chosen == del)
        deleteSelection(false);
    else if (chosen == all)
        selectAll();
    e->accept();
}

} // namespace widgets
