#include "editors/common/FieldBehaviour.h"

#include "platform/FocusExit.h"
#include "widgets/IncCombo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTabWidget>
#include <QTextCursor>

namespace editors {

namespace {

bool isEnter(const QKeyEvent *e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar &c : text)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return text;
}

class EventHook : public QObject {
public:
    EventHook(QObject *target, std::function<bool(QEvent *)> handler) : QObject(target), m_handler(std::move(handler))
    {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override { return m_handler(event); }

private:
    std::function<bool(QEvent *)> m_handler;
};

// Runs `onKey` for the key presses of one widget; a true answer swallows the key.
void hookKeys(QWidget *field, std::function<bool(QKeyEvent *)> onKey)
{
    hookEvents(field, [onKey = std::move(onKey)](QEvent *e) {
        return e->type() == QEvent::KeyPress && onKey(static_cast<QKeyEvent *>(e));
    });
}

const char *const kStateProperty = "fichasFieldState";

} // namespace

void hookEvents(QObject *target, std::function<bool(QEvent *)> handler) { new EventHook(target, std::move(handler)); }

TMultiLineEdit::TMultiLineEdit(QWidget *parent) : QTextEdit(parent)
{
    setAcceptRichText(false);
    setTabChangesFocus(true);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedHeight(fontMetrics().lineSpacing() * 2 + 2 * frameWidth() + 6);
}

int TMultiLineEdit::room() const
{
    const int selected = int(textCursor().selectedText().size());
    return kMaxLength - int(toPlainText().size()) + selected;
}

void TMultiLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event)) {
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint();
    if (printable && !(event->modifiers() & Qt::ControlModifier) && room() < typed.size()) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

bool TMultiLineEdit::canInsertFromMimeData(const QMimeData *source) const { return source->hasText(); }

void TMultiLineEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    const QString text = oneLine(source->text()).left(std::max(0, room()));
    textCursor().insertText(text);
}

void showPageOnEnter(QWidget *field, QTabWidget *pages, QWidget *page)
{
    hookKeys(field, [pages, page](QKeyEvent *e) {
        if (!isEnter(e) || e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        pages->setCurrentWidget(page);
        // The first field of the page in keyboard order takes the focus.
        for (QWidget *w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
            if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()
                && w->isVisibleTo(page)) {
                w->setFocus(Qt::TabFocusReason);
                break;
            }
        }
        return true;
    });
}

void setFieldState(QWidget *field, FieldState state)
{
    field->setEnabled(state == FieldState::Enabled);
    field->setProperty(kStateProperty, int(state));
    QPalette palette = field->palette();
    QColor base;
    switch (state) {
    case FieldState::Enabled:
    case FieldState::Disabled: base = QApplication::palette(field).color(QPalette::Active, QPalette::Base); break;
    case FieldState::Grey: base = QApplication::palette(field).color(QPalette::Active, QPalette::Button); break;
    case FieldState::Silver: base = QColor(0xC0, 0xC0, 0xC0); break;
    }
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, base);
    field->setPalette(palette);
}

FieldState fieldState(const QWidget *field)
{
    if (field->isEnabled())
        return FieldState::Enabled;
    // A field disabled alone keeps the colour it had.
    const QVariant painted = field->property(kStateProperty);
    const auto state = painted.isValid() ? FieldState(painted.toInt()) : FieldState::Disabled;
    return state == FieldState::Enabled ? FieldState::Disabled : state;
}

void installMoneyKeys(QWidget *field)
{
    hookKeys(field, [](QKeyEvent *e) {
        if (e->matches(QKeySequence::Paste))
            return true;
        if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        // Only typed characters are filtered: Delete carries a character code but edits
        // like Backspace and the arrows.
        const QString typed = e->text();
        if (typed.isEmpty() || e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab || e->key() == Qt::Key_Delete)
            return false;
        const QChar c = typed.at(0);
        const bool allowed = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',')
                             || e->key() == Qt::Key_Backspace;
        return !allowed;
    });
}

void bindBlankEntry(widgets::TIncCombo *list, int blankIndex)
{
    platform::FocusExit::bind(list, [list, blankIndex] {
        if (list->ItemIndex() == blankIndex) {
            list->Clear();
            list->SetItemIndex(-1);
        }
    });
}

} // namespace editors
