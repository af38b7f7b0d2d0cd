#pragma once

#include "store/FormType.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace store {

// Who wrote a recovery copy: the machine and the process, with the process's start time
// so that a pid reused by an unrelated process is not taken for the owner.
struct RecoveryOwner {
    QString host;
    qint64 pid = 0;
    qint64 started = 0;  // clock ticks after boot; 0 where the system does not say

    static RecoveryOwner thisProcess();
    // Whether the owner may still be editing the form. On this machine: its process is
    // alive. On another machine, which cannot be asked: its editor touches the copy
    // every kHeartbeatMs, so a copy left untouched for kOtherHostStaleMs is abandoned.
    bool running(const QDateTime &touched) const;
};

// The copy of a form being edited that lets the next start give back what a crash would
// lose: the form's record lines (the record file's own format) after a few header lines.
struct RecoveryCopy {
    FormType type;
    int code = 0;
    bool nova = false;
    QString descricao;   // the catalogue's description; empty for a new form
    QDateTime written;   // when the last change was written
    RecoveryOwner owner;
    QStringList lines;   // the record lines

    // Writes the copy atomically; raises platform::RaisedError on failure.
    void save(const QString &path) const;
    // Reads a copy of one of the types; raises platform::RaisedError for an unreadable or
    // foreign file, or one of another type.
    static RecoveryCopy load(const QString &path, const FormTypes &types);
};

namespace recovery {

inline constexpr const char *kFolderName = "Recuperacao";
inline constexpr int kHeartbeatMs = 60 * 1000;
inline constexpr qint64 kOtherHostStaleMs = 10 * 60 * 1000;

// <data folder>/Recuperacao: no catalogue lists it, and nothing in it is a record file.
QString folder(const QString &dataFolder);
// The copy of one editor of this process: the record file's name, machine and pid.
QString copyPath(const QString &dataFolder, FormType type, int code);

// A recovery copy that no running instance owns, with the path it was read from.
struct Abandoned {
    QString path;
    RecoveryCopy copy;
};
// The abandoned copies of the data folder, oldest first. Unreadable files are skipped.
QList<Abandoned> abandoned(const QString &dataFolder, const FormTypes &types);

} // namespace recovery
} // namespace store
