#include "widgets/MaskEdit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

#include <functional>
#include <utility>

namespace widgets {

namespace {
constexpr int kNoLimit = 32767; // QLineEdit's own default

QString clipboardText(QClipboard::Mode mode)
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text(mode) : QString();
}
} // namespace

TMaskEdit::TMaskEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &TMaskEdit::onShownTextChanged);
}

void TMaskEdit::SetEditMask(const QString &mask)
{
    if (mask == m_mask.editMask())
        return;
    const QString entered = IsMasked() ? m_mask.textWithoutLiterals(m_edit) : QLineEdit::text();
    m_mask = MaskModel(mask);
    if (IsMasked()) {
        setAcceptDrops(false); // a drop would insert past the mask
        m_updating = true;
        QLineEdit::setMaxLength(kNoLimit);
        m_updating = false;
        display(m_mask.editTextFor(entered));
    } else {
        setAcceptDrops(true);
        m_edit.clear();
        SetText(entered);
    }
}

QString TMaskEdit::EditMask() const { return m_mask.editMask(); }

bool TMaskEdit::IsMasked() const { return !m_mask.isEmpty(); }

QString TMaskEdit::Text() const { return IsMasked() ? m_mask.text(m_edit) : QLineEdit::text(); }

void TMaskEdit::SetText(const QString &text)
{
    if (IsMasked()) {
        display(m_mask.editTextFor(text));
        return;
    }
    m_updating = true;
    applyPlainMaxLength(int(text.size()));
    QLineEdit::setText(text);
    m_updating = false;
    notifyIfChanged();
}

void TMaskEdit::Clear() { SetText(QString()); }

void TMaskEdit::SetMaxLength(int length)
{
    m_maxLength = length > 0 ? length : kNoLimit;
    if (IsMasked())
        return;
    m_updating = true;
    applyPlainMaxLength(int(QLineEdit::text().size()));
    m_updating = false;
}

// A text set from code may be longer than what the user may type; it is kept whole.
void TMaskEdit::applyPlainMaxLength(int textLength)
{
    const int limit = qMax(m_maxLength, textLength);
    if (limit != maxLength())
        QLineEdit::setMaxLength(limit);
}

void TMaskEdit::display(const QString &editText, int caret)
{
    m_edit = editText;
    m_updating = true;
    if (QLineEdit::text() != editText)
        QLineEdit::setText(editText);
    setCursorPosition(qBound(0, caret, int(editText.size())));
    m_updating = false;
    notifyIfChanged();
}

// A value set from code leaves the caret where typing would go on.
void TMaskEdit::display(const QString &editText)
{
    const int blank = m_mask.firstBlank(editText);
    display(editText, blank < 0 ? int(editText.size()) : blank);
}

void TMaskEdit::notifyIfChanged()
{
    const QString now = Text();
    if (now == m_lastText)
        return;
    m_lastText = now;
    emit Changed();
}

void TMaskEdit::onShownTextChanged(const QString &shown)
{
    if (m_updating)
        return;
    if (IsMasked()) {
        // Only a path around the mask (QLineEdit::setText, clear) gets here.
        if (shown != m_edit)
            display(m_mask.editTextFor(shown));
        return;
    }
    notifyIfChanged();
}

void TMaskEdit::typeText(const QString &text)
{
    QString edit = m_edit;
    int caret = cursorPosition();
    if (hasSelectedText()) {
        // A refused first character leaves the selection as it is.
        QString trial = edit;
        if (m_mask.type(trial, selectionStart(), text.at(0)) < 0)
            return;
        m_mask.blankRange(edit, selectionStart(), selectionEnd());
        caret = selectionStart();
    }
    for (const QChar c : text) {
        const int next = m_mask.type(edit, caret, c);
        if (next < 0)
            break;
        caret = next;
    }
    display(edit, caret);
}

void TMaskEdit::blankSelection()
{
    if (!hasSelectedText())
        return;
    QString edit = m_edit;
    const int start = selectionStart();
    m_mask.blankRange(edit, start, selectionEnd());
    display(edit, start);
}

void TMaskEdit::backspace()
{
    if (hasSelectedText()) {
        blankSelection();
        return;
    }
    QString edit = m_edit;
    const int caret = m_mask.backspace(edit, cursorPosition());
    display(edit, caret);
}

void TMaskEdit::deleteForward()
{
    if (hasSelectedText()) {
        blankSelection();
        return;
    }
    QString edit = m_edit;
    const int caret = m_mask.deleteForward(edit, cursorPosition());
    display(edit, caret);
}

void TMaskEdit::cutSelection()
{
    if (!hasSelectedText())
        return;
    copy();
    blankSelection();
}

void TMaskEdit::pasteText(const QString &text)
{
    QString edit = m_edit;
    int caret = cursorPosition();
    if (hasSelectedText()) {
        caret = selectionStart();
        m_mask.blankRange(edit, caret, selectionEnd());
    }
    display(edit, m_mask.paste(edit, caret, text));
}

void TMaskEdit::keyPressEvent(QKeyEvent *event)
{
    if (!IsMasked() || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->matches(QKeySequence::Cut)) {
        cutSelection();
    } else if (event->matches(QKeySequence::Paste)) {
        pasteText(clipboardText(QClipboard::Clipboard));
    } else if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        // Qt's undo would restore texts that never went through the mask.
    } else if (event->matches(QKeySequence::DeleteCompleteLine)) {
        QString edit = m_edit;
        m_mask.blankRange(edit, 0, m_mask.length());
        display(edit, qMax(m_mask.nextEntry(0), 0));
    } else if (event->matches(QKeySequence::DeleteEndOfLine)) {
        QString edit = m_edit;
        m_mask.blankRange(edit, cursorPosition(), m_mask.length());
        display(edit, cursorPosition());
    } else if (event->matches(QKeySequence::DeleteStartOfWord)) {
        backspace();
    } else if (event->matches(QKeySequence::DeleteEndOfWord)) {
        deleteForward();
    } else if (event->key() == Qt::Key_Backspace) {
        backspace();
    } else if (event->key() == Qt::Key_Delete) {
        deleteForward();
    } else {
        const QString text = event->text();
        const bool commands =
            event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!text.isEmpty() && text.at(0).isPrint() && !commands)
            typeText(text);
        else
            QLineEdit::keyPressEvent(event); // caret moves, selection, copy, Enter...
    }
}

void TMaskEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (!IsMasked() || isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    if (!event->commitString().isEmpty())
        typeText(event->commitString());
    event->accept();
}

void TMaskEdit::focusInEvent(QFocusEvent *event)
{
    m_enteredByClick = event->reason() == Qt::MouseFocusReason;
    QLineEdit::focusInEvent(event); // Tab selects everything, as a Windows field does
}

void TMaskEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (IsMasked() && event->button() == Qt::MiddleButton) {
        const QClipboard *clipboard = QGuiApplication::clipboard();
        if (!isReadOnly() && clipboard && clipboard->supportsSelection()) {
            setCursorPosition(cursorPositionAt(event->position().toPoint()));
            pasteText(clipboard->text(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (IsMasked() && !hasSelectedText()) {
        // A click into a field never leaves the caret beyond what is still to fill,
        // nor on a literal.
        int pos = cursorPosition();
        const int blank = m_mask.firstBlank(m_edit);
        if (m_enteredByClick && blank >= 0)
            pos = qMin(pos, blank);
        const int entry = m_mask.nextEntry(pos);
        setCursorPosition(entry < 0 ? m_mask.length() : entry);
    }
    m_enteredByClick = false;
}

void TMaskEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = IsMasked() ? maskedContextMenu() : createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

namespace {
// Which editing action of QLineEdit's standard menu this is: by its object name where
// Qt gives one, else by its (translated) text, as Qt 6.4 names none of them.
QString standardActionName(const QAction *action)
{
    if (!action->objectName().isEmpty())
        return action->objectName();
    static const std::pair<const char *, const char *> kTexts[] = {
        {"edit-undo", QT_TRANSLATE_NOOP("QLineEdit", "&Undo")},
        {"edit-redo", QT_TRANSLATE_NOOP("QLineEdit", "&Redo")},
        {"edit-cut", QT_TRANSLATE_NOOP("QLineEdit", "Cu&t")},
        {"edit-paste", QT_TRANSLATE_NOOP("QLineEdit", "&Paste")},
        {"edit-delete", QT_TRANSLATE_NOOP("QLineEdit", "Delete")},
    };
    const QString text = action->text().section(QLatin1Char('\t'), 0, 0);
    for (const auto &[name, source] : kTexts)
        if (text == QLineEdit::tr(source))
            return QLatin1String(name);
    return {};
}
} // namespace

// The standard menu with its editing actions routed through the mask.
QMenu *TMaskEdit::maskedContextMenu()
{
    QMenu *menu = createStandardContextMenu();
    const QList<QAction *> actions = menu->actions();
    for (QAction *standard : actions) {
        const QString name = standardActionName(standard);
        std::function<void()> handler;
        if (name == QLatin1String("edit-cut"))
            handler = [this] { cutSelection(); };
        else if (name == QLatin1String("edit-paste"))
            handler = [this] { pasteText(clipboardText(QClipboard::Clipboard)); };
        else if (name == QLatin1String("edit-delete"))
            handler = [this] { blankSelection(); };
        if (handler) {
            auto *masked = new QAction(standard->icon(), standard->text(), menu);
            masked->setObjectName(name);
            masked->setEnabled(standard->isEnabled());
            connect(masked, &QAction::triggered, this, handler);
            menu->insertAction(standard, masked);
        }
        if (handler || name == QLatin1String("edit-undo") || name == QLatin1String("edit-redo"))
            delete standard;
    }
    return menu;
}

} // namespace widgets
