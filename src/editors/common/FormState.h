#pragma once

#include "editors/common/FormFields.h"
#include "printing/PrintRequest.h"
#include "widgets/MaskModel.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace editors {

struct FieldRow;
struct FormDescription;
enum class FieldState;

// A saved form's fields without a window: what each control of its editor would hold
// once the record is read into it, with the form's rules run as each line arrives. The
// values follow the controls' own ways: a masked field keeps its entered characters
// through a change of mask, a list raises its rules only when its shown item changes,
// a text longer than the field allows is kept whole.
class FormState final : public FormFields {
public:
    explicit FormState(const FormDescription &description);

    // Reads a record's lines as the editor does; lines it cannot parse are skipped.
    void load(const QStringList &lines);

    // The print value of each tag, as the editor's fields give it.
    printing::TagValues printValues() const;

    QString shownText(const QString &control) const override;
    int choiceOf(const QString &control) const override;
    bool isOpen(const QString &control) const override;
    QString pageOf(const QString &control) const override;
    void choose(const QString &control, int index) override;
    void empty(const QString &control) override;
    void setState(const QString &control, FieldState state) override;
    void setMask(const QString &control, const QString &mask) override;
    void openTitle(const QString &, bool) override {}

private:
    struct Field {
        const FieldRow *row = nullptr;
        QString text;             // a text field's text; a masked field's, without a mask
        widgets::MaskModel mask;  // a masked field's mask
        QString edit;             // what a masked field shows under its mask
        int choice = -1;
        QString lastChangeText;   // a list's shown item at its last change
        bool open = true;
    };
    Field &field(const QString &control);
    const Field *find(const QString &control) const;
    void setText(Field &f, const QString &text);
    void setMask(Field &f, const QString &mask);
    QString printValue(const Field &f) const;
    void raiseChange(Field &f);

    const FormDescription &m_description;
    QList<Field> m_fields;
    QHash<QString, qsizetype> m_byName;
};

} // namespace editors
