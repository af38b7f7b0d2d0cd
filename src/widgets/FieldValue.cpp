#include "widgets/FieldValue.h"

#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QLineEdit>
#include <QTextEdit>
#include <QVariant>

#include <algorithm>

namespace widgets {

namespace {
// The maximum length a text field was given, while a longer stored value widens it.
constexpr char kOwnMaxLength[] = "fichasOwnMaxLength";

int ownMaxLength(const QLineEdit *edit)
{
    const QVariant own = edit->property(kOwnMaxLength);
    return own.isValid() ? own.toInt() : edit->maxLength();
}

} // namespace

// A stored value longer than the field allows is kept whole, as the masked edit keeps
// its own: cutting it would lose data at the next save. The field is widened to the
// value, and narrows again with every character the user removes, back to its own
// length; typing never makes the text longer than the longer of the two.
void setTextKeepingLength(QLineEdit *edit, const QString &text)
{
    const int own = ownMaxLength(edit);
    if (!edit->property(kOwnMaxLength).isValid()) {
        if (text.size() <= own) {
            edit->setText(text);
            return;
        }
        edit->setProperty(kOwnMaxLength, own);
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
            const int limit = ownMaxLength(edit);
            const int wanted = std::max(limit, int(edit->text().size()));
            if (edit->maxLength() > wanted) {
                // Narrowing re-sets the text: keep the caret where the user left it.
                const int caret = edit->cursorPosition();
                edit->setMaxLength(wanted);
                edit->setCursorPosition(caret);
            }
        });
    }
    edit->setMaxLength(std::max(own, int(text.size())));
    edit->setText(text);
}

QString fieldText(const TaggedField &f)
{
    switch (f.kind) {
    case FieldKind::Text: return static_cast<QLineEdit *>(f.widget)->text();
    case FieldKind::Masked: return static_cast<TMaskEdit *>(f.widget)->Text();
    case FieldKind::RichText: return static_cast<QTextEdit *>(f.widget)->toPlainText();
    case FieldKind::Combo: return static_cast<TIncCombo *>(f.widget)->Text();
    case FieldKind::Other: break;
    }
    return {};
}

void setFieldText(const TaggedField &f, const QString &text)
{
    switch (f.kind) {
    case FieldKind::Text: setTextKeepingLength(static_cast<QLineEdit *>(f.widget), text); break;
    case FieldKind::Masked: static_cast<TMaskEdit *>(f.widget)->SetText(text); break;
    case FieldKind::RichText: static_cast<QTextEdit *>(f.widget)->setPlainText(text); break;
    case FieldKind::Combo: static_cast<TIncCombo *>(f.widget)->SetText(text); break;
    case FieldKind::Other: break;
    }
}

int comboIndex(const TaggedField &f)
{
    return f.kind == FieldKind::Combo ? static_cast<TIncCombo *>(f.widget)->ItemIndex() : -1;
}

int comboCount(const TaggedField &f)
{
    return f.kind == FieldKind::Combo ? static_cast<TIncCombo *>(f.widget)->Count() : 0;
}

void setComboIndex(const TaggedField &f, int index)
{
    if (f.kind == FieldKind::Combo)
        static_cast<TIncCombo *>(f.widget)->SetItemIndex(index);
}

QString comboPrintValue(const TaggedField &f)
{
    if (f.kind != FieldKind::Combo)
        return fieldText(f);
    const auto *combo = static_cast<TIncCombo *>(f.widget);
    if (!combo->UseValues())
        return combo->Text();
    const int i = combo->ItemIndex();
    const QStringList values = combo->Values();
    return i >= 0 && i < values.size() ? values.at(i) : QString();
}

void clearField(const TaggedField &f)
{
    switch (f.kind) {
    case FieldKind::Text: static_cast<QLineEdit *>(f.widget)->clear(); break;
    case FieldKind::Masked: static_cast<TMaskEdit *>(f.widget)->Clear(); break;
    case FieldKind::RichText: static_cast<QTextEdit *>(f.widget)->clear(); break;
    case FieldKind::Combo: {
        auto *combo = static_cast<TIncCombo *>(f.widget);
        combo->Clear();
        combo->SetItemIndex(-1);
        break;
    }
    case FieldKind::Other: break;
    }
}

} // namespace widgets
