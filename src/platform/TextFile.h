#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// The data files of the program: Windows-1252 text with CR LF line ends.
// A character that Windows-1252 cannot hold is written as its base letter when it
// has one ("ő" -> "o", "ș" -> "s"), otherwise as "?". The five bytes that Windows-1252
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as U+0081, U+008D, U+008F,
// U+0090 and U+009D and are written back as the same bytes.
namespace cp1252 {
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
bool canEncode(QChar c);
} // namespace cp1252

namespace textfile {

// Reads the lines of a file. CR LF and a bare LF both end a line; a missing final line
// end is tolerated. Raises RaisedError when the file cannot be opened or read.
QStringList readLines(const QString &path);

// Replaces the whole file with the lines, each ended by CR LF. The new contents go to a
// temporary file that replaces the old one only when completely written, so a failure
// leaves the previous file as it was. Raises RaisedError on failure.
void writeLines(const QString &path, const QStringList &lines);

// Adds one line at the end of the file (created when missing), with the same guarantee.
void appendLine(const QString &path, const QString &line);

// Creates an empty file when none exists at the path; an existing one is left untouched.
// Raises RaisedError when the file cannot be created.
void createEmpty(const QString &path);

// Moves an unreadable file out of the way under a new name beside it and returns that
// name (empty when the file could not be moved). Nothing is ever deleted.
QString setAside(const QString &path);

} // namespace textfile
} // namespace platform
