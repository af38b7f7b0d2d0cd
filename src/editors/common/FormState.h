#pragma once

#include "editors/common/FormFields.h"
#include "printing/PrintRequest.h"
#include "widgets/MaskModel.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <memory>

namespace editors {

struct FieldRow;
struct FormDescription;
class FormRules;
enum class FieldState;

// A saved form's fields without a window: what each control of its editor would hold
// once the record is read into it, with the form's rules run as each line arrives. The
// values follow the controls' own ways: a masked field keeps its entered characters
// through a change of mask, a list raises its rules only when the text it shows changes
// and keeps its choice through new items, a text longer than the field allows is kept
// whole.
class FormState final : public FormFields {
public:
    explicit FormState(const FormDescription &description);
    ~FormState() override;

    // Reads a record's lines as the editor does; blank lines are skipped. Raises
    // platform::RaisedError for a line without a tag, the lines before kept.
    void load(const QStringList &lines);

    // The print value of each tag, as the editor's fields give it.
    printing::TagValues printValues() const;

    QString shownText(const QString &control) const override;
    int choiceOf(const QString &control) const override;
    bool isOpen(const QString &control) const override;
    QString pageOf(const QString &control) const override;
    QStringList itemsOf(const QString &control) const override;
    bool inUse(const QString &) const override { return false; }
    void choose(const QString &control, int index) override;
    void empty(const QString &control) override;
    void setState(const QString &control, FieldState state) override;
    void setOpen(const QString &control, bool open) override;
    void setMask(const QString &control, const QString &mask) override;
    void openTitle(const QString &, bool) override {}
    void setText(const QString &control, const QString &text) override;
    void setListText(const QString &control, const QString &text) override;
    void setItems(const QString &control, const QStringList &items) override;
    void titlePage(const QString &box, const QString &title) override;

private:
    struct Field {
        const FieldRow *row = nullptr;
        QString text;             // a text field's, a masked one's without a mask, a list's shown text
        widgets::MaskModel mask;  // a masked field's mask
        QString edit;             // what a masked field shows under its mask
        QStringList items;        // a list's items
        int choice = -1;
        QString lastChangeText;   // a list's shown text at its last change
        bool open = true;
    };
    Field &field(const QString &control);
    const Field *find(const QString &control) const;
    void put(Field &f, const QString &text);
    void setMask(Field &f, const QString &mask);
    void showInList(Field &f, const QString &text);
    QString printValue(const Field &f) const;

    const FormDescription &m_description;
    QList<Field> m_fields;
    QHash<QString, qsizetype> m_byName;
    QHash<QString, QString> m_pages;
    std::unique_ptr<FormRules> m_rules;
};

} // namespace editors
