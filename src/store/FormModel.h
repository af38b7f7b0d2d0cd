#pragma once

#include <QList>
#include <QString>

namespace store {

// What a record field holds: a text, or the index of the item chosen in a list.
enum class ValueKind { Text, Index };

// One record field of a form type: its tag and what it holds; a list also says how many
// items it has, for an index read from a record at or beyond them is not taken.
struct RecordField {
    int tag = 0;
    ValueKind kind = ValueKind::Text;
    int items = 0;
};
using RecordFields = QList<RecordField>;

// One filled form apart from any window: the value of each record field, in record
// order. A text is kept whole, whatever its length; an index is -1 while no item is
// chosen. A tag may stand for more than one field; by tag, the first one answers.
class FormModel {
public:
    FormModel() = default;
    explicit FormModel(RecordFields fields);

    const RecordFields &fields() const { return m_fields; }
    qsizetype size() const { return m_fields.size(); }

    QString text(qsizetype field) const { return m_values.at(field).text; }
    int index(qsizetype field) const { return m_values.at(field).index; }
    void setText(qsizetype field, const QString &text) { m_values[field].text = text; }
    void setIndex(qsizetype field, int index) { m_values[field].index = index < 0 ? -1 : index; }

    // The first field with the tag, or -1.
    qsizetype fieldOf(int tag) const;
    // Every text emptied, every list without a choice.
    void clear();

private:
    struct Value {
        QString text;
        int index = -1;
    };
    RecordFields m_fields;
    QList<Value> m_values;
};

} // namespace store
