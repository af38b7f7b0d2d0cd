#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace store {

struct CatalogueEntry {
    int code = 0;
    QString description;
};

// The catalogue file of a form type: one line per saved form, a two-digit code, a
// blank and the description, in the order the forms were first saved.
namespace catalogue {

// Reads the entries, skipping blank lines. Raises platform::RaisedError when the file
// cannot be read or a non-blank line does not start with a two-character number.
QList<CatalogueEntry> read(const QString &path);

// "07 Descrição": the code with at least two digits, a blank, the trimmed description,
// the whole line trimmed once more (an empty description leaves the bare code).
QString line(int code, const QString &description);

// Rewrites the whole catalogue with the entries, in their order.
void rewrite(const QString &path, const QList<CatalogueEntry> &entries);

// Appends the line of a newly saved form, creating the catalogue when missing.
void append(const QString &path, int code, const QString &description);

// The highest code present, 0 for none.
int highestCode(const QList<CatalogueEntry> &entries);

// The code for a new form: the highest code plus one; past 99, the lowest code from 1
// to 99 that no entry uses; 0 when all 99 are in use. A code for which `taken` is true
// (its record file is there without a line) is passed over.
int nextCode(const QList<CatalogueEntry> &entries, const std::function<bool(int)> &taken = {});

inline constexpr int kMaxCode = 99;

} // namespace catalogue
} // namespace store
