#pragma once

#include "store/FormType.h"
#include "widgets/TaggedField.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace store {

// How a form type writes its record lines: the tag zero-padded to tagWidth, a blank,
// the value from column tagWidth + 2; a combo's index zero-padded to comboDigits
// (0: plain decimal), the minus sign in front ("-001").
struct RecordFormat {
    int tagWidth = 3;
    int comboDigits = 3;

    int valueColumn() const { return tagWidth + 2; }
    QString tag(int tag) const;
    QString comboIndex(int index) const;
};

RecordFormat recordFormat(FormType type);

// The one record engine of the editors: writes, reads and clears the tagged fields an
// editor hands it, in the editor's component order.
class RecordFile {
public:
    // Runs for one record line before or after its value reaches the fields.
    using LineHook = std::function<void(int tag, const QString &value)>;

    RecordFile(RecordFormat format, widgets::TaggedFields fields);

    // The record's lines (GravaFicha). A value never splits its line: line breaks
    // become blanks.
    QStringList lines() const;
    // Writes the record, replacing the file only once it is completely written.
    // Raises platform::RaisedError when it cannot be written.
    void save(const QString &path) const;

    // Applies record lines in file order (CarregaFicha). Unknown tags are skipped, a
    // combo index at or beyond the item count leaves that combo as it is. Raises
    // platform::RaisedError when a line's tag is not a whole number.
    void apply(const QStringList &lines, const LineHook &before = {}, const LineHook &after = {}) const;
    // Reads and applies a record file; raises on a read error or a bad line.
    void load(const QString &path, const LineHook &before = {}, const LineHook &after = {}) const;

    // Empties every field (LimpaCampos).
    void clear() const;

    const widgets::TaggedFields &fields() const { return m_fields; }

private:
    static bool storable(widgets::FieldKind kind);

    RecordFormat m_format;
    widgets::TaggedFields m_fields;
};

} // namespace store
