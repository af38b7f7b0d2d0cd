#pragma once

#include "editors/common/FormFields.h"
#include "validation/FieldChecks.h"
#include "widgets/TaggedField.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>

class QLabel;
class QWidget;

namespace editors {

// What a row of a form's field table makes.
enum class FieldType {
    Text,      // single-line edit with a maximum length
    MultiLine, // plain-text multi-line field (TMultiLineEdit): 150 characters, no line break
    Masked,    // TMaskEdit with an edit mask (or none)
    List,      // TIncCombo with fixed items
};

// How a field stands: enabled, disabled in its window colour, or disabled and painted
// grey (the platform's scroll-bar colour) or silver.
enum class FieldState { Enabled, Disabled, Grey, Silver };

// Where a field stands: in the box (a group or a page) the editor registered under `box`,
// on visual row `row`, at `column` among that row's fields, taking `stretch` parts of the
// row's width. Its title stands above it, or before it on the same line.
struct FieldPlace {
    QString box;
    int row = 0;
    int column = 0;
    int stretch = 1;
    bool titleBeside = false;
};

// What a field's exit check reads: the field's text as the user leaves it, the form's
// functions and the form's other fields.
struct CheckInput {
    const QString &text;
    const validation::TFm_Funcoes &funcoes;
    const FormFields &fields;
};
using RowCheck = std::function<validation::FieldVerdict(const CheckInput &)>;

// The keys a field lets the user type.
enum class FieldKeys {
    Any,
    Money, // digits, the comma and Backspace (editors/common/FieldBehaviour.h)
};

// One row of a form's field table: a form's table reads like the list of its fields.
struct FieldRow {
    QString control;        // the control's name
    QString title;          // the field's title; empty: no title of its own
    FieldType type = FieldType::Text;
    int tag = 0;            // its line in the record file; 0: not stored
    QString mask;           // Masked: the edit mask
    int maxLength = 0;      // Text, and Masked without a mask: the maximum length (0: none)
    QStringList items;      // List: the items
    QStringList values;     // List: the item values (UseValues when given)
    FieldState state = FieldState::Enabled;
    FieldPlace place;
    QString titleControl;   // the title label's name, where the form names it
    QString prompt;         // what the form asks of the user for this field
    QString spokenName;     // what a screen reader calls a field without a title
    FieldKeys keys = FieldKeys::Any;
    RowCheck check;         // the check as the user leaves the field; empty: none
    bool rewriteWhole = false; // the check's rewritten text may be longer than the field lets one type
    bool blankMeansNone = false; // List: leaving it on its blank item (" ") empties the choice

    FieldRow &at(const QString &box, int row, int column = 0, int stretch = 1);
    FieldRow &beside();     // the title before the field, on its line
    FieldRow &initially(FieldState s);
    FieldRow &titled(const QString &labelName);
    FieldRow &withValues(const QStringList &v);
    FieldRow &prompting(const QString &text);
    FieldRow &spoken(const QString &name);
    FieldRow &moneyKeys();
    FieldRow &checked(RowCheck c);
    // Money keys and the check, whose rewritten amount is kept whole.
    FieldRow &money(RowCheck c);
    FieldRow &blankEntry();
};

// Row makers, so that a table reads: text("Edit1", "03 - Propriedade", 3, 46).at(...)
FieldRow text(const QString &control, const QString &title, int tag, int maxLength);
FieldRow multiLine(const QString &control, const QString &title, int tag);
FieldRow masked(const QString &control, const QString &title, int tag, const QString &mask);
FieldRow list(const QString &control, const QString &title, int tag, const QStringList &items);

// A field table that does not hold together: a repeated name or tag, a box or a tag
// that is not there, a field asked for as the wrong kind.
class FieldTableError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Makes a form's fields from its table: each control with its name, its title as its
// buddy (so the field's accessible name is its title), its format, items and initial
// state, placed in its box. Then hands out the fields by name and by tag, the tagged
// fields in record order and the keyboard order.
class FieldTable final : public FormFields {
public:
    FieldTable() = default;
    // The fields' checks read the table: it stays where it was built.
    FieldTable(const FieldTable &) = delete;
    FieldTable &operator=(const FieldTable &) = delete;

    // The functions the fields' checks are given; a table with checks needs them.
    void useFuncoes(const validation::TFm_Funcoes &funcoes) { m_funcoes = &funcoes; }
    const validation::TFm_Funcoes *funcoes() const { return m_funcoes; }
    // The box (a group box or a page) that the rows name `key`.
    void addBox(const QString &key, QWidget *box);
    // Builds every row, then gives each field its keys, its exit check and its blank entry.
    // Raises FieldTableError for a repeated name or tag, an unknown box, a check without
    // the functions or a blank entry in a list without a blank item.
    void build(const QList<FieldRow> &rows);

    // The control of that name, or nullptr when there is none or it is not a T.
    template <typename T>
    T *field(const QString &control) const
    {
        return qobject_cast<T *>(m_byName.value(control));
    }
    // The control of that name as a T; raises FieldTableError when it is missing or not a T.
    template <typename T>
    T *require(const QString &control) const
    {
        if (T *f = field<T>(control))
            return f;
        throw FieldTableError("no field " + control.toStdString() + " of the asked kind");
    }
    QWidget *widget(const QString &control) const { return m_byName.value(control); }
    // The control with the tag; raises FieldTableError when no field has it.
    QWidget *byTag(int tag) const;
    QLabel *title(const QString &control) const { return m_titles.value(control); }
    const QList<FieldRow> &rows() const { return m_rows; }
    // The row of the control of that name, or of the field with that tag; nullptr when none.
    const FieldRow *rowOf(const QString &control) const;
    const FieldRow *rowOfTag(int tag) const;

    // The tagged fields in the given order of tags, each with the kind of the widget it
    // is (not what its row says). Raises FieldTableError for a tag that no field has and
    // for a tagged field the order leaves out: it would never be saved.
    widgets::TaggedFields tagged(const QList<int> &recordOrder) const;
    // The controls of the tags in keyboard order; raises like tagged() does.
    QList<QWidget *> inTabOrder(const QList<int> &tabOrder) const;

    // The window's controls as the form's rules and checks see them.
    QString shownText(const QString &control) const override;
    int choiceOf(const QString &control) const override;
    bool isOpen(const QString &control) const override;
    QString pageOf(const QString &control) const override;
    QStringList itemsOf(const QString &control) const override;
    bool inUse(const QString &control) const override;
    void choose(const QString &control, int index) override;
    void empty(const QString &control) override;
    void setState(const QString &control, FieldState state) override;
    void setOpen(const QString &control, bool open) override;
    void setMask(const QString &control, const QString &mask) override;
    void openTitle(const QString &control, bool open) override;
    void setText(const QString &control, const QString &text) override;
    void setListText(const QString &control, const QString &text) override;
    void setItems(const QString &control, const QStringList &items) override;
    void titlePage(const QString &box, const QString &title) override;

private:
    void requireEveryTag(const QList<int> &order, const char *what) const;
    QWidget *make(const FieldRow &row, QWidget *parent) const;
    void makeTitles();
    void placeRows();
    void bindBehaviour(const FieldRow &row) const;

    QHash<QString, QWidget *> m_boxes;
    QHash<QString, QWidget *> m_byName;
    QHash<QString, QLabel *> m_titles;
    QHash<int, QWidget *> m_byTag;
    QList<FieldRow> m_rows;
    const validation::TFm_Funcoes *m_funcoes = nullptr;
    std::shared_ptr<const FieldTable *> m_alive = std::make_shared<const FieldTable *>(this);
};

// The kind the record engine and the tag fill use for a widget: Text for a QLineEdit,
// Masked for a TMaskEdit, RichText for a multi-line field, Combo for a TIncCombo.
widgets::FieldKind kindOf(const QWidget *w);

// Chains the keyboard order through the widgets, in list order.
void chainTabOrder(const QList<QWidget *> &chain);

} // namespace editors
