#include "FuzzSupport.h"

#include "platform/Escape.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {
// In memory where the system offers it: every save ends with a sync to the disk, which
// would otherwise cost most of each run.
QTemporaryDir &scratch()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/fichas-fuzz-XXXXXX")
                                                                      : QDir::tempPath() + QStringLiteral("/fichas-fuzz-XXXXXX"));
    return dir;
}
} // namespace

void startQt()
{
    // Made once and never destroyed: libFuzzer ends the process from exit handlers, after
    // Qt's own globals may be gone.
    static QApplication *app = nullptr;
    if (app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    app = new QApplication(argc, argv);
}

QString scratchPath(const QString &name) { return scratch().filePath(name); }

QString writeScratch(const QString &name, const QByteArray &bytes)
{
    const QString path = scratchPath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        fail("scratch file written", path);
    return path;
}

QByteArray readScratch(const QString &name)
{
    QFile f(scratchPath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void fail(const char *invariant, const QString &detail)
{
    std::fprintf(stderr, "invariant broken: %s\n%s\n", invariant, platform::escapeControls(detail).toUtf8().left(4000).constData());
    std::abort();
}

} // namespace fuzz
