#pragma once

#include <QString>

#include <functional>

namespace platform {

// Opens a file with the handler the desktop has for its type (the help file, say).
// Answers false when the desktop could not open it, so the caller can say so.
using FileOpener = std::function<bool(const QString &path)>;

bool openWithDesktop(const QString &path);

// Installs another opener (tests); an empty one restores the desktop's. Returns the previous.
FileOpener installFileOpener(FileOpener opener);

} // namespace platform
