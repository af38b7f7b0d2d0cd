#pragma once

#include <QString>

namespace platform {

// Where the files the user deletes go, so that a slip can be undone.
namespace trash {

// Moves the file to the desktop trash; where there is none (or it refuses the file),
// into the folder `Excluidas` of `dataFolder` (keepAside). Returns the path it now has.
// Raises RaisedError when it can be moved nowhere; the file is then where it was.
QString discard(const QString &path, const QString &dataFolder);

// Moves the file into `Excluidas` of `dataFolder`, created when missing, under its own
// name or, when that is taken, "<name>-2.<ext>", "<name>-3.<ext>"...: an earlier file is
// never overwritten. Returns the new path; raises RaisedError on failure.
QString keepAside(const QString &path, const QString &dataFolder);

inline constexpr const char *kFolderName = "Excluidas";

} // namespace trash
} // namespace platform
