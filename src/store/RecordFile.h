#pragma once

#include "store/FormModel.h"
#include "store/RecordFormat.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace store {

// One line of a record file: the tag and the value as written after it.
struct RecordLine {
    int tag = 0;
    QString value;
};

// The one record engine: writes a form's record lines and reads them back, in the
// form type's format.
class RecordFile {
public:
    explicit RecordFile(RecordFormat format) : m_format(format) {}

    const RecordFormat &format() const { return m_format; }

    // The record's lines (GravaFicha), one per record field in record order. A value
    // never splits its line: line breaks become blanks.
    QStringList lines(const FormModel &form) const;
    // Writes the record, replacing the file only once it is completely written.
    // Raises platform::RaisedError when it cannot be written.
    void save(const QString &path, const FormModel &form) const;

    // One line as read: nothing for a blank line; raises platform::RaisedError when its
    // tag is not a whole number.
    std::optional<RecordLine> parse(const QString &line) const;
    // Applies record lines to the form in file order (CarregaFicha): unknown tags are
    // skipped; a list keeps its choice for a value that is no index or one at or beyond
    // its items. Raises as parse() does, the lines before kept.
    void apply(const QStringList &lines, FormModel &form) const;
    // Reads and applies a record file; raises on a read error or a bad line.
    void load(const QString &path, FormModel &form) const;

    // The index a list takes from a record value, or nothing when the value leaves it
    // as it is; below 0 means no choice.
    static std::optional<int> indexFrom(const QString &value, int items);

private:
    RecordFormat m_format;
};

} // namespace store
