#pragma once

// What the fuzz targets share: a Qt application made once, a scratch folder, the input
// as a file, and a failed invariant that stops the run with its reproducer.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Creates the (offscreen) QApplication once; every target calls it first.
void startQt();

// A file in the run's scratch folder, holding bytes.
QString writeScratch(const QString &name, const QByteArray &bytes);
QString scratchPath(const QString &name);
QByteArray readScratch(const QString &name);

// Reports the broken invariant and aborts, so libFuzzer saves the input as a crash.
[[noreturn]] void fail(const char *invariant, const QString &detail = {});

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace fuzz

#define FUZZ_CHECK(cond, detail) \
    do { \
        if (!(cond)) \
            ::fuzz::fail(#cond, detail); \
    } while (false)
