#include "platform/DesktopFiles.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

namespace {
FileOpener &current()
{
    static FileOpener opener;
    return opener;
}
} // namespace

bool openWithDesktop(const QString &path)
{
    if (current())
        return current()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

FileOpener installFileOpener(FileOpener opener)
{
    FileOpener previous = std::move(current());
    current() = std::move(opener);
    return previous;
}

} // namespace platform
