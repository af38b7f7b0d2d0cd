#pragma once

#include "store/FormType.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace store {

// What a killed program may leave in the data folder, found at the next start.
namespace leftovers {

// A write interrupted before its temporary file replaced the data file leaves
// "<file name>.XXXXXX" beside it (in the data folder, or in its recovery folder). Removes
// those older than kTemporaryAgeMs, so that a save another instance is making right now
// is left alone; the data file itself is always complete. Returns how many went.
int removeTemporaryFiles(const QString &dataFolder, const FormTypes &types);
inline constexpr qint64 kTemporaryAgeMs = 60 * 1000;

// A record file that no line of its catalogue lists: a kill between writing a new form's
// record and appending its line leaves one.
struct Orphan {
    FormType type;
    int code = 0;
    QString path;
    QDateTime written;
};
// The orphan records of each of the types, by type and code. A type whose catalogue cannot
// be read is skipped: its lines are unknown, not absent.
QList<Orphan> orphanRecords(const QString &dataFolder, const FormTypes &types);

} // namespace leftovers
} // namespace store
