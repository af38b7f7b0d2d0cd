#pragma once

#include <QLockFile>
#include <QString>

namespace platform {

// The lock of a data folder that several instances of the program (two windows, or two
// machines on a shared folder) use at once. Held only for the few milliseconds that a
// catalogue change and the choice of a new code take, never across a question to the
// user. The lock of a process that died is taken over: at once when it ran on this
// machine, after kStaleMs when it ran elsewhere.
class FolderLock {
public:
    // Waits up to kWaitMs for the lock; raises RaisedError when it cannot be had.
    explicit FolderLock(const QString &folder);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    static QString lockPath(const QString &folder);

    inline static constexpr int kStaleMs = 15000;
    inline static constexpr int kWaitMs = 20000;

private:
    QLockFile m_file;
};

} // namespace platform
